#include "tests/support/formfixture.h"

#include <QTest>
#include <QWindow>

using testing_support::FormRig;
using Message = testing_support::RecordingOutputSystem::Message;

namespace {

// A window after start-up, with a note on display as a tick would leave it.
struct PendingNote : FormRig {
    explicit PendingNote(std::int16_t note, const char* score = "3")
    {
        startUp();
        testing_support::putUpNote(*form, time.now(), note, QString::fromLatin1(score).toInt());
    }
    void press(int key, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(5, 5))
    {
        QTest::mousePress(form->kkey(key), button, Qt::NoModifier, at);
    }
    void release(int key, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(5, 5))
    {
        QTest::mouseRelease(form->kkey(key), button, Qt::NoModifier, at);
    }
};

}  // namespace

TEST(Keys, APressOutsideARunOnlySoundsItsNote)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    const std::uint32_t t0 = rig.time.now();
    QTest::mousePress(f.kkey(60), Qt::LeftButton);
    EXPECT_EQ(rig.time.now(), t0);  // no flash, no wait
    QTest::mouseRelease(f.kkey(60), Qt::LeftButton);
    EXPECT_EQ(rig.midi.messages(), (std::vector<Message>{{t0, 0x90, 60, 127}, {t0, 0x80, 60, 127}}));
    EXPECT_EQ(f.kkey(60)->BackColor(), 16777215U);
    EXPECT_EQ(f.text1->text(), QStringLiteral("0"));
}

TEST(Keys, BlackKeysTakeTheMouseWhereTheyOverlap)
{
    // The key a click lands on is the window's child under the pointer.
    FormRig rig;
    const Form1& f = *rig.form;
    const auto keyUnder = [&f](int x, int y) -> QWidget* {
        QWidget* child = f.childAt(x, y);
        return qobject_cast<KeyButton*>(child) != nullptr ? child : nullptr;
    };
    EXPECT_EQ(keyUnder(30, 320), f.kkey(37));  // over the boundary of 36 and 38, on the black key
    EXPECT_EQ(keyUnder(30, 400), f.kkey(36));  // below the black key: the white one
    EXPECT_EQ(keyUnder(22, 320), f.kkey(36));  // just left of the black key
    EXPECT_EQ(keyUnder(41, 320), f.kkey(38));  // just right of it
    EXPECT_EQ(keyUnder(1000, 300), f.kkey(89));
    EXPECT_EQ(keyUnder(30, 295), nullptr);
    EXPECT_EQ(keyUnder(-1, 320), nullptr);
    EXPECT_EQ(keyUnder(1024, 320), nullptr);
}

TEST(Keys, EveryKeyPlaysItsOwnNoteWithAnyButton)
{
    FormRig rig;
    rig.startUp();
    for (int key = 36; key <= 89; ++key) {
        const Qt::MouseButton button = (key % 3 == 0)   ? Qt::LeftButton
                                       : (key % 3 == 1) ? Qt::RightButton
                                                        : Qt::MiddleButton;
        QTest::mousePress(rig.form->kkey(key), button);
        QTest::mouseRelease(rig.form->kkey(key), button);
        EXPECT_EQ(rig.midi.count(0x90, key), 1) << key;
        EXPECT_EQ(rig.midi.count(0x80, key), 1) << key;
    }
    EXPECT_TRUE(rig.midi.sounding().empty());
}

TEST(Keys, TheRightKeyScoresOnceStopsTheAnswerTimerAndFlashesGreen)
{
    PendingNote rig(64);
    Form1& f = *rig.form;
    std::uint32_t seenColour = 0;
    rig.time.at(75, [&] { seenColour = f.kkey(64)->BackColor(); });
    const std::uint32_t t0 = rig.time.now();
    rig.press(64);
    EXPECT_EQ(seenColour, 65280U);                  // green during the flash
    EXPECT_EQ(rig.time.now() - t0, 150U);           // the press waited out the flash
    EXPECT_EQ(f.kkey(64)->BackColor(), 16777215U);  // white again after it
    EXPECT_FALSE(f.Timer2->isEnabled());
    EXPECT_EQ(f.text1->text(), QStringLiteral("4"));
    rig.release(64);
    rig.press(64);  // a second press of the same note counts nothing
    rig.release(64);
    EXPECT_EQ(f.text1->text(), QStringLiteral("4"));
    EXPECT_EQ(rig.midi.count(0x90, 64), 2);
    EXPECT_EQ(rig.midi.count(0x80, 64), 2);
}

TEST(Keys, AWrongKeyOnlySoundsAndTheRightOneStillCounts)
{
    PendingNote rig(64, "9");
    Form1& f = *rig.form;
    rig.press(65);
    rig.release(65);
    EXPECT_TRUE(f.Timer2->isEnabled());
    EXPECT_EQ(f.text1->text(), QStringLiteral("9"));
    EXPECT_EQ(f.kkey(65)->BackColor(), 16777215U);
    rig.press(64);
    rig.release(64);
    EXPECT_EQ(f.text1->text(), QStringLiteral("10"));
}

TEST(Keys, AfterTheTimeoutTheRightKeyOnlySounds)
{
    PendingNote rig(64);
    Form1& f = *rig.form;
    f.Timer2->setEnabled(false);  // the answer time ran out
    f.exerciseRun().timeUp(rig.time.now());
    rig.press(64);
    rig.release(64);
    EXPECT_EQ(f.text1->text(), QStringLiteral("3"));
    EXPECT_EQ(rig.midi.count(0x90, 64), 1);
}

TEST(Keys, NoNoteZeroCanEverBeAnswered)
{
    PendingNote rig(0);
    for (int key = 36; key <= 89; ++key) {
        rig.press(key);
        rig.release(key);
    }
    EXPECT_EQ(rig.form->text1->text(), QStringLiteral("3"));
    EXPECT_TRUE(rig.form->Timer2->isEnabled());
}

TEST(Keys, TheReleaseGoesToThePressedKeyWhereverThePointerIs)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    QTest::mousePress(f.kkey(60), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    // Released far to the right, over key 72.
    QTest::mouseRelease(f.kkey(60), Qt::LeftButton, Qt::NoModifier,
                        f.kkey(60)->mapFrom(&f, f.kkey(72)->geometry().center()));
    EXPECT_EQ(rig.midi.count(0x80, 60), 1);
    EXPECT_EQ(rig.midi.count(0x80, 72), 0);
}

TEST(Keys, TwoButtonsOnOneKeyGiveTwoNoteOnsAndTwoNoteOffs)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    QTest::mousePress(f.kkey(62), Qt::LeftButton);
    QTest::mousePress(f.kkey(62), Qt::RightButton);
    EXPECT_EQ(f.kkey(62)->held(), 2);
    QTest::mouseRelease(f.kkey(62), Qt::RightButton);
    QTest::mouseRelease(f.kkey(62), Qt::LeftButton);
    EXPECT_EQ(f.kkey(62)->held(), 0);
    EXPECT_EQ(rig.midi.count(0x90, 62), 2);
    EXPECT_EQ(rig.midi.count(0x80, 62), 2);
    EXPECT_TRUE(rig.midi.sounding().empty());
}

namespace {

// One mouse event of the left button, sent to the key as Qt delivers it.
void sendMouse(KeyButton* key, QEvent::Type type)
{
    const QPointF at(5, 5);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, key->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(key, &event);
}

}  // namespace

TEST(Keys, EverySecondClickOfAFastRepeatIsAPressToo)
{
    // Qt hands a widget a double click as press, release, double click,
    // release: the double-click event stands for the second press.
    PendingNote rig(64, "3");
    Form1& f = *rig.form;
    KeyButton* key = f.kkey(64);
    sendMouse(key, QEvent::MouseButtonPress);
    sendMouse(key, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.text1->text(), QStringLiteral("4"));
    // The next note is the same key, answered with a fast second click.
    testing_support::putUpNote(f, rig.time.now(), 64, 4);
    sendMouse(key, QEvent::MouseButtonDblClick);
    EXPECT_EQ(key->held(), 1);
    sendMouse(key, QEvent::MouseButtonRelease);
    EXPECT_EQ(f.text1->text(), QStringLiteral("5")) << "the second click answers";
    EXPECT_FALSE(f.Timer2->isEnabled());
    EXPECT_EQ(rig.midi.count(0x90, 64), 2);
    EXPECT_EQ(rig.midi.count(0x80, 64), 2);
    EXPECT_TRUE(rig.midi.sounding().empty());
    EXPECT_EQ(key->held(), 0);
    // A triple click: press, release, double click, release, press, release.
    sendMouse(key, QEvent::MouseButtonPress);
    sendMouse(key, QEvent::MouseButtonRelease);
    sendMouse(key, QEvent::MouseButtonDblClick);
    sendMouse(key, QEvent::MouseButtonRelease);
    sendMouse(key, QEvent::MouseButtonPress);
    sendMouse(key, QEvent::MouseButtonRelease);
    EXPECT_EQ(rig.midi.count(0x90, 64), 5);
    EXPECT_EQ(rig.midi.count(0x80, 64), 5);
}

TEST(Keys, ADoubleClickThroughTheWindowSystemSoundsTwice)
{
    // Two clicks given to the window as a window system gives them, so that
    // Qt itself finds the double click and delivers it as it does.
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    QWindow* window = f.windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint at = f.kkey(60)->mapTo(&f, f.kkey(60)->rect().center());
    QTest::mouseDClick(window, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(rig.midi.count(0x90, 60), 2);
    EXPECT_EQ(rig.midi.count(0x80, 60), 2);
    EXPECT_TRUE(rig.midi.sounding().empty());
}

TEST(Keys, AReleaseDuringItsOwnGreenFlashSendsTheNoteOffAtOnce)
{
    PendingNote rig(67);
    Form1& f = *rig.form;
    const std::uint32_t t0 = rig.time.now();
    rig.time.at(30, [&] { rig.release(67); });
    rig.press(67);
    const auto& got = rig.midi.messages();
    ASSERT_EQ(got.size(), 2U);
    EXPECT_EQ(got[1], (Message{t0 + 30, 0x80, 67, 127}));  // inside the flash, not after it
    EXPECT_EQ(f.kkey(67)->BackColor(), 16777215U);
}

TEST(Flashes, RestoreTheColourTheKeyHadWhateverHappensMeanwhile)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    f.kkey(61)->setBackColor(0x123456);
    std::uint32_t during = 0;
    rig.time.at(10, [&] {
        during = f.kkey(61)->BackColor();
        f.kkey(61)->setBackColor(0x00FF00);
    });
    const std::uint32_t t0 = rig.time.now();
    f.flashkey(61);
    EXPECT_EQ(during, 255U);
    EXPECT_EQ(f.kkey(61)->BackColor(), 0x123456U);
    EXPECT_GE(rig.time.now() - t0, 150U);
    f.flashcorrect(40);
    EXPECT_EQ(f.kkey(40)->BackColor(), 16777215U);
}

TEST(ShortNotes, Play1SoundsFor400Ms)
{
    FormRig rig;
    rig.startUp();
    const std::uint32_t t0 = rig.time.now();
    rig.form->play1(64);
    EXPECT_EQ(rig.midi.messages(), (std::vector<Message>{{t0, 0x90, 64, 127}, {t0 + 400, 0x80, 64, 127}}));
}

TEST(ShortNotes, TheGreetingScaleRisesFromMiddleC)
{
    FormRig rig;
    rig.startUp();
    const std::uint32_t t0 = rig.time.now();
    rig.form->startmusic();
    std::vector<Message> expected;
    std::uint32_t t = t0;
    for (const std::uint8_t note : {60, 62, 64, 65, 67, 69, 71, 72}) {
        expected.push_back({t, 0x90, note, 127});
        t += note == 72 ? 400 : 200;
        expected.push_back({t, 0x80, note, 127});
    }
    EXPECT_EQ(rig.midi.messages(), expected);
    EXPECT_EQ(rig.time.now() - t0, 1800U);
}
