#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

using testing_support::FormRig;

namespace {

struct Placed {
    const char* name;
    QRect px;
};

QWidget* control(Form1& form, const char* name)
{
    if (form.objectName() == QLatin1String(name)) {
        return &form;
    }
    return form.findChild<QWidget*>(QString::fromLatin1(name));
}

}  // namespace

TEST(Form1Layout, EveryControlStandsWhereTheDesignPutsIt)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
    EXPECT_EQ(f.size(), QSize(1018, 469));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // fixed border
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);

    const Placed table[] = {
        {"Picture1", {381, 8, 254, 254}}, {"Picture7", {383, 10, 250, 250}}, {"Check1", {655, 274, 13, 13}},
        {"stop1", {898, 237, 113, 28}},   {"HScroll1", {732, 272, 121, 17}}, {"Picture3", {0, 471, 1023, 50}},
        {"Command4", {898, 265, 113, 28}}, {"Command3", {464, 265, 89, 28}}, {"text1", {898, 8, 113, 56}},
        {"m(6)", {898, 209, 113, 28}},    {"m(5)", {898, 181, 113, 28}},    {"m(4)", {898, 153, 113, 28}},
        {"m(3)", {898, 125, 113, 28}},    {"m(2)", {898, 97, 113, 28}},     {"m(1)", {898, 69, 113, 28}},
        {"Picture2", {381, 8, 254, 254}},
    };
    for (const Placed& p : table) {
        QWidget* w = control(f, p.name);
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.px) << p.name;
    }
    EXPECT_EQ(f.Picture6->pos(), QPoint(408, 85));
    EXPECT_EQ(f.Picture4->pos(), QPoint(32, 24));
    // Labels keep their left edges and size themselves to their captions.
    EXPECT_EQ(f.label1->pos(), QPoint(792, 256));
    EXPECT_EQ(f.Label3->pos(), QPoint(384, 274));
    EXPECT_EQ(f.Label4->pos(), QPoint(670, 274));
    EXPECT_EQ(f.Label2(0)->pos(), QPoint(704, 274));
    EXPECT_EQ(f.Label2(1)->pos(), QPoint(856, 274));
    const int narrow = f.Label3->width();
    setCaption(f.Label3, QStringLiteral("Note : 12"));
    EXPECT_GT(f.Label3->width(), narrow);
    EXPECT_EQ(f.Label3->x(), 384);

    // Every key, black ones above the white ones.
    for (int n = 36; n <= 89; ++n) {
        ASSERT_NE(f.kkey(n), nullptr);
    }
    EXPECT_EQ(f.childAt(30, 320), f.kkey(37));
    EXPECT_EQ(f.childAt(30, 400), f.kkey(36));
    EXPECT_EQ(f.kkey(89)->geometry(), QRect(992, 296, 32, 173));
    EXPECT_EQ(f.width() - f.kkey(89)->x(), 26);
    // Stacking: the note panel covers its name panel, cover and sign.
    EXPECT_EQ(f.childAt(500, 100), f.Picture1);
    EXPECT_EQ(f.childAt(10, 480), nullptr);  // the strip lies below the client area
}

TEST(Form1Layout, FontsColoursAndCaptionsAreTheDesignOnes)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_EQ(f.m(1)->text(), QStringLiteral("Clef de sol"));
    EXPECT_EQ(f.m(2)->text(), QStringLiteral("Clef de sol (# et b)"));
    EXPECT_EQ(f.m(3)->text(), QStringLiteral("Clef de fa"));
    EXPECT_EQ(f.m(4)->text(), QStringLiteral("Clef de fa (# et b)"));
    EXPECT_EQ(f.m(5)->text(), QStringLiteral("Clefs de sol et de fa"));
    EXPECT_EQ(f.m(6)->text(), QStringLiteral("Toutes les notes"));
    EXPECT_EQ(f.stop1->text(), QStringLiteral("Arrêter"));
    EXPECT_EQ(f.Command3->text(), QStringLiteral("Afficher le nom de la note"));
    EXPECT_EQ(f.Command4->text(), QStringLiteral("Aide à la lecture"));
    EXPECT_EQ(f.label1->text(), QStringLiteral("Vitesse : 3"));
    EXPECT_EQ(f.Label2(0)->text(), QStringLiteral("Lent"));
    EXPECT_EQ(f.Label2(1)->text(), QStringLiteral("Rapide"));
    EXPECT_EQ(f.Label4->text(), QStringLiteral("Son"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Note : 0"));
    EXPECT_EQ(f.text1->text(), QStringLiteral("0"));
    EXPECT_TRUE(f.text1->isReadOnly());

    EXPECT_EQ(f.m(1)->palette().color(QPalette::Button), QColor(0x6A, 0x4B, 0x39));
    EXPECT_EQ(f.stop1->palette().color(QPalette::Button), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(f.text1->palette().color(QPalette::Base), QColor(0x3C, 0x3C, 0x49));
    EXPECT_EQ(f.text1->palette().color(QPalette::Text), QColor(0xC0, 0x40, 0x00));
    EXPECT_EQ(f.kkey(60)->BackColor(), 16777215U);
    EXPECT_EQ(f.kkey(61)->BackColor(), 0U);

    EXPECT_EQ(f.m(1)->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(f.m(1)->font().pixelSize(), 12);
    EXPECT_EQ(f.Command3->font().pixelSize(), 11);
    EXPECT_EQ(f.text1->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(f.text1->font().pixelSize(), 44);
    // The font is really there: its metrics are Times New Roman's, so the
    // names caption needs two lines in its 89 px button.
    EXPECT_EQ(QFontInfo(f.m(1)->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_GT(QFontMetrics(f.Command3->font()).horizontalAdvance(f.Command3->text()), 89);

    // Nothing takes the focus with Tab.
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<QScrollBar*>(w) != nullptr) {
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
        }
    }
}

TEST(Form1State, StartValuesAfterFormLoad)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_EQ(f.deviceid, 0);
    EXPECT_NE(f.hmidiout, 0U);
    EXPECT_EQ(f.midirc, 0);
    EXPECT_EQ(f.mode, 0);
    EXPECT_EQ(f.interval, 4000);
    EXPECT_EQ(f.curnote, 0);
    EXPECT_EQ(f.maxnotes, 50);
    EXPECT_EQ(f.notecount, 0);
    EXPECT_EQ(f.namestate, 1);
    EXPECT_EQ(f.helpstate, 1);
    EXPECT_EQ(f.lastpick(), 0);
    EXPECT_EQ(f.Timer1->interval(), 4000);
    EXPECT_EQ(f.Timer2->interval(), 3800);
    EXPECT_FALSE(f.Timer1->isEnabled());
    EXPECT_FALSE(f.Timer2->isEnabled());
    EXPECT_TRUE(f.Timer3->isEnabled());
    EXPECT_EQ(f.Timer3->interval(), 20);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_TRUE(f.m(i)->isEnabled());
    }
    EXPECT_FALSE(f.stop1->isEnabled());
    EXPECT_TRUE(f.HScroll1->isEnabled());
    EXPECT_EQ(f.HScroll1->value(), 3);
    EXPECT_EQ(f.HScroll1->minimum(), 1);
    EXPECT_EQ(f.HScroll1->maximum(), 5);
    EXPECT_TRUE(f.Check1->isChecked());
    EXPECT_TRUE(f.Label3->isHidden());
    EXPECT_TRUE(f.Picture6->isHidden());
    EXPECT_TRUE(f.Picture7->isHidden());
    EXPECT_FALSE(f.Picture4->isHidden());
    EXPECT_FALSE(f.Picture1->hasPicture());
    EXPECT_FALSE(f.Picture2->hasPicture());
    EXPECT_EQ(f.exerciseState(), ExerciseState::Idle);
    EXPECT_TRUE(rig.messages.shown.isEmpty());
    EXPECT_TRUE(rig.midi.messages().empty());  // nothing sounds before the greeting
}

TEST(Form1Midi, AFailedOpenIsReportedOnceAndLaterNotesAreSilent)
{
    FormRig rig;
    rig.midi.failOpenWith(midi::rc::badDeviceId);
    rig.make(1, QCoreApplication::applicationDirPath());
    Form1& f = *rig.form;
    ASSERT_EQ(rig.messages.shown.size(), 1);
    EXPECT_EQ(rig.messages.shown[0], QStringLiteral("Couldn't open midi out, rc = 2"));
    EXPECT_EQ(f.midirc, 2);
    rig.startUp();  // the greeting scale, silently
    f.startplay(60);
    f.stopplay(60);
    f.play1(64);
    QTest::mousePress(f.kkey(60), Qt::LeftButton);
    QTest::mouseRelease(f.kkey(60), Qt::LeftButton);
    EXPECT_TRUE(rig.midi.messages().empty());
    EXPECT_EQ(rig.messages.shown.size(), 1);
}

TEST(Form1Midi, NotesSendTheirMessagesAndOutOfRangeNotesNothing)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    f.startplay(60);
    f.stopplay(60);
    f.startplay(127);
    f.startplay(0);
    f.startplay(-1);
    f.startplay(128);
    f.stopplay(-1);
    f.stopplay(128);
    const auto& got = rig.midi.messages();
    ASSERT_EQ(got.size(), 4U);
    EXPECT_EQ(got[0].status, 0x90);
    EXPECT_EQ(got[0].data1, 0x3C);
    EXPECT_EQ(got[0].data2, 0x7F);
    EXPECT_EQ(got[1].status, 0x80);
    EXPECT_EQ(got[1].data1, 0x3C);
    EXPECT_EQ(got[1].data2, 0x7F);
    EXPECT_EQ(got[2].status, 0x90);
    EXPECT_EQ(got[2].data1, 0x7F);
    EXPECT_EQ(got[3].data1, 0x00);
}

TEST(Form1Lifecycle, ClosingClosesTheDeviceWithoutANoteOffForAHeldKey)
{
    FormRig rig;
    rig.startUp();
    Form1& f = *rig.form;
    QTest::mousePress(f.kkey(60), Qt::LeftButton);
    f.close();
    EXPECT_EQ(f.midirc, 0);
    EXPECT_EQ(rig.midi.count(0x90, 60), 1);
    EXPECT_EQ(rig.midi.count(0x80, 60), 0);
    EXPECT_TRUE(f.closing());
}

TEST(Form1Lifecycle, AMissingStartUpPictureIsReportedAndLeavesTheBoxEmpty)
{
    QTemporaryDir empty;
    FormRig rig(1, empty.path());
    const QString expected = empty.path() + QStringLiteral("/tvl.tv");
    EXPECT_FALSE(rig.form->Picture4->hasPicture());
    const QStringList about = rig.errors.filter(expected);
    ASSERT_EQ(about.size(), 1);
    rig.startUp();  // the start-up sequence goes on without its pictures
    EXPECT_FALSE(rig.form->Timer3->isEnabled());
}

TEST(Form1Lifecycle, TheStartUpPictureIsReadByItsContent)
{
    FormRig rig;
    ASSERT_TRUE(rig.form->Picture4->hasPicture()) << rig.errors.join('\n').toStdString();
    // Autosized to its picture.
    EXPECT_EQ(rig.form->Picture4->size(), rig.form->Picture4->picture().size());
    EXPECT_TRUE(rig.errors.isEmpty()) << rig.errors.join('\n').toStdString();
}

// The buttons as the screen shows them: the face flat in the design colour
// (up, pressed and disabled alike), an edge darker than the face all round,
// a bevel that turns over when pressed, and a caption that stands out from
// the face in every state.
TEST(Form1Look, ButtonFacesAreTheDesignColoursFlatWithLegibleStates)
{
    FormRig rig;
    Form1& f = *rig.form;
    rig.paint();
    struct Case {
        CommandButton* button;
        QRgb face;
        bool pressed;
        bool enabled;
    };
    const QRgb brown = qRgb(0x6A, 0x4B, 0x39);
    const QRgb maroon = qRgb(0x80, 0x00, 0x00);
    const auto luminance = [](QRgb c) { return 0.299 * qRed(c) + 0.587 * qGreen(c) + 0.114 * qBlue(c); };
    const auto distance = [](QRgb a, QRgb b) {
        return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
    };
    for (const Case c : {Case{f.m(1), brown, false, true}, Case{f.m(6), brown, true, true},
                         Case{f.Command3, brown, false, true}, Case{f.Command4, brown, false, false},
                         Case{f.stop1, maroon, false, false}, Case{f.stop1, maroon, true, true}}) {
        c.button->setEnabled(c.enabled);
        c.button->setDown(c.pressed);
        const QImage shot = c.button->grab().toImage();
        const std::string what = c.button->objectName().toStdString() + (c.pressed ? " pressed" : "") +
                                 (c.enabled ? "" : " disabled");
        const int w = shot.width();
        const int h = shot.height();
        // Flat: every face pixel away from the caption is the colour itself.
        for (const QPoint at : {QPoint(3, 3), QPoint(4, h / 2), QPoint(w - 4, h / 2), QPoint(w / 2, h - 4),
                                QPoint(w - 4, 3), QPoint(3, h - 4)}) {
            EXPECT_EQ(shot.pixel(at), c.face) << what << " at " << at.x() << "," << at.y();
        }
        // The outline and the bevel.
        EXPECT_GT(distance(shot.pixel(0, h / 2), c.face), 60) << what;
        EXPECT_GT(distance(shot.pixel(w - 1, h / 2), c.face), 60) << what;
        EXPECT_LT(luminance(shot.pixel(0, h / 2)), luminance(c.face)) << what;
        const double topLeft = luminance(shot.pixel(1, h / 2));
        const double bottomRight = luminance(shot.pixel(w - 2, h / 2));
        if (c.pressed) {
            EXPECT_LT(topLeft, bottomRight) << what;
        } else {
            EXPECT_GT(topLeft, bottomRight) << what;
        }
        // The caption: pixels that differ clearly from the face.
        int caption = 0;
        for (int y = 4; y < h - 4; ++y) {
            for (int x = 4; x < w - 4; ++x) {
                caption += distance(shot.pixel(x, y), c.face) > 80 ? 1 : 0;
            }
        }
        EXPECT_GT(caption, 30) << what;
        c.button->setDown(false);
    }
}

TEST(Form1Look, TheSoundCheckBoxIsReadOutAsSonAndKeepsItsCaption)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_EQ(f.Check1->text(), QString::fromUtf8("出现音符时发音"));
    EXPECT_EQ(f.Check1->accessibleName(), QStringLiteral("Son"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(f.Check1);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->text(QAccessible::Name), QStringLiteral("Son"));
    EXPECT_EQ(read->role(), QAccessible::CheckBox);
}

TEST(Form1State, MidircIsASigned32BitValue)
{
    static_assert(std::is_same_v<decltype(Form1::midirc), std::int32_t>);
    FormRig rig;
    EXPECT_EQ(rig.form->midirc, 0);
}
