// The sliding note-name panel, the growing window and the start-up sequence.
#include "app/form1.h"

#include "exercise/picturenames.h"

void Form1::pictureopen()
{
    for (int i = 1; i <= effects::slideSteps && !closing(); ++i) {
        const int d = effects::slideStep(i);
        Picture1->setLeft(Picture1->Left() - d);
        Picture2->setLeft(Picture2->Left() + d);
        Picture6->setLeft(Picture6->Left() + d);
        Picture7->setLeft(Picture7->Left() + d);
        m_module2.waitms(effects::slideStepWaitMs);
    }
}

void Form1::pictureclose()
{
    for (int i = 1; i <= effects::slideSteps && !closing(); ++i) {
        const int d = effects::slideStep(i);
        Picture1->setLeft(Picture1->Left() + d);
        Picture2->setLeft(Picture2->Left() - d);
        Picture6->setLeft(Picture6->Left() - d);
        Picture7->setLeft(Picture7->Left() - d);
        m_module2.waitms(effects::slideStepWaitMs);
    }
}

// The height is kept in twips and shown in whole pixels, so the 40 steps add
// exactly 780 twips (52 px) and shrinking returns to exactly the old height;
// it is never read back from the window, so minimising meanwhile changes
// nothing.
void Form1::windowadd()
{
    for (int i = 1; i <= effects::growSteps && !closing(); ++i) {
        setHeightTwips(heightTwips() + effects::growStep(i));
        m_module2.waitms(effects::growStepWaitMs);
    }
}

void Form1::windowcut()
{
    for (int i = 1; i <= effects::growSteps && !closing(); ++i) {
        setHeightTwips(heightTwips() - effects::growStep(i));
        m_module2.waitms(effects::growStepWaitMs);
    }
}

void Form1::Timer3_Timer()
{
    // Ticks on, every 20 ms, until the window has been painted and can sound.
    if (!startupready()) {
        return;
    }
    Picture4->setVisible(true);
    Timer3->setEnabled(false);  // once only
    Picture4->setVisible(false);
    loadInto(Picture1, picturePath(QStringLiteral("001s.jpg")));
    startmusic();
}
