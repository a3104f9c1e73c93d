#include "tests/support/formfixture.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <vector>

using testing_support::FormRig;

namespace {

// The window's controls as the design lists them, from the topmost to the
// bottommost, transcribed row for row: name, index, caption or text, left,
// top, width and height in twips, colours, font. The keys have a table of
// their own (keyboard/tests).
constexpr const char* designControls = R"design(
Picture1 | - | - | 5715, 120, 3810, 3810 | background #808080 | -
Picture7 | - | - | 5745, 150, 3750, 3750 | background system 3-D highlight | -
Picture6 | - | - | 6120, 1275, 660, 1500 | - | -
Check1 | - | "出现音符时发音" | 9825, 4110, 195, 195 | - | -
Picture4 | - | - | 480, 360, 120, 240 | - | -
stop1 | - | "Arrêter" | 13470, 3555, 1695, 420 | face #800000 | Times New Roman 9
HScroll1 | - | - | 10980, 4080, 1815, 255 | - | -
Picture3 | - | - | 0, 7060, 15345, 750 | - | -
Command4 | - | "Aide à la lecture" | 13470, 3975, 1695, 420 | face #6A4B39 | Times New Roman 9
Command3 | - | "Afficher le nom de la note" | 6953, 3975, 1335, 420 | face #6A4B39 | Times New Roman 8.25
text1 | - | "0" | 13470, 120, 1695, 840 | background #3C3C49, text #C04000 | Arial 33
m | 6 | "Toutes les notes" | 13470, 3135, 1695, 420 | face #6A4B39 | Times New Roman 9
m | 5 | "Clefs de sol et de fa" | 13470, 2715, 1695, 420 | face #6A4B39 | Times New Roman 9
m | 4 | "Clef de fa (# et b)" | 13470, 2295, 1695, 420 | face #6A4B39 | Times New Roman 9
m | 3 | "Clef de fa" | 13470, 1875, 1695, 420 | face #6A4B39 | Times New Roman 9
m | 2 | "Clef de sol (# et b)" | 13470, 1455, 1695, 420 | face #6A4B39 | Times New Roman 9
m | 1 | "Clef de sol" | 13470, 1035, 1695, 420 | face #6A4B39 | Times New Roman 9
Picture2 | - | - | 5715, 120, 3810, 3810 | background #808080 | -
Label4 | - | "Son" | 10050, 4110, 270, 225 | text system highlight-text | Times New Roman 9
Label3 | - | "Note : 0" | 5760, 4110, 585, 225 | text #FFFFFF | Times New Roman 9
Label2 | 1 | "Rapide" | 12840, 4110, 510, 225 | text system highlight-text | Times New Roman 9
Label2 | 0 | "Lent" | 10560, 4110, 330, 225 | text system highlight-text | Times New Roman 9
label1 | - | "Vitesse : 3" | 11880, 3840, 750, 225 | text #FFFFFF | Times New Roman 9
)design";

// One row of the table, read.
struct DesignRow {
    QString name;     // "m(3)" for an array member
    QString caption;  // empty for "-"
    QRect twips;
    QMap<QString, QString> colours;  // "face" -> "#6A4B39"
    QString fontFace;                // empty for "-"
    double fontPoints = 0.0;
};

std::vector<DesignRow> designRows()
{
    std::vector<DesignRow> rows;
    for (const QString& line : QString::fromUtf8(designControls).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList cell = line.split(QLatin1Char('|'));
        if (cell.size() != 6) {
            ADD_FAILURE() << "not a row: " << line.toStdString();
            continue;
        }
        DesignRow row;
        const QString index = cell[1].trimmed();
        row.name = cell[0].trimmed() + (index == QLatin1String("-") ? QString() : QStringLiteral("(%1)").arg(index));
        const QString caption = cell[2].trimmed();
        row.caption = caption == QLatin1String("-") ? QString() : caption.mid(1, caption.size() - 2);
        const QStringList box = cell[3].split(QLatin1Char(','));
        row.twips = QRect(box[0].toInt(), box[1].toInt(), box[2].toInt(), box[3].toInt());
        for (const QString& colour : cell[4].split(QLatin1Char(','))) {
            const QString c = colour.trimmed();
            const qsizetype space = c.lastIndexOf(QLatin1Char(' '));
            if (c != QLatin1String("-")) {
                row.colours.insert(c.left(space), c.mid(space + 1));
            }
        }
        const QString font = cell[5].trimmed();
        if (font != QLatin1String("-")) {
            const qsizetype space = font.lastIndexOf(QLatin1Char(' '));
            row.fontFace = font.left(space);
            row.fontPoints = font.mid(space + 1).toDouble();
        }
        rows.push_back(row);
    }
    return rows;
}

// Twips to pixels as the design converts them: 15 twips a pixel, to the nearest.
int px(int twips)
{
    return (twips + 7) / 15;
}

QWidget* control(Form1& form, const QString& name)
{
    if (form.objectName() == name) {
        return &form;
    }
    return form.findChild<QWidget*>(name);
}

QString captionOf(QWidget* w)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    return {};
}

}  // namespace

TEST(Form1Design, TheTableIsReadWhole)
{
    const std::vector<DesignRow> rows = designRows();
    ASSERT_EQ(rows.size(), 23U);
    // Worked examples of the reading, against the design's own pixel column.
    EXPECT_EQ(rows[0].name, QStringLiteral("Picture1"));
    EXPECT_EQ(rows[11].name, QStringLiteral("m(6)"));
    EXPECT_EQ(rows[9].caption, QStringLiteral("Afficher le nom de la note"));
    EXPECT_EQ(rows[10].colours.value(QStringLiteral("text")), QStringLiteral("#C04000"));
    EXPECT_EQ(rows[9].fontPoints, 8.25);
    EXPECT_EQ(px(6953), 464);  // "about 463.5"
    EXPECT_EQ(px(7060), 471);  // "470.67"
    EXPECT_EQ(px(15345), 1023);
    EXPECT_EQ(px(4110), 274);
}

TEST(Form1Layout, EveryControlStandsWhereTheDesignPutsIt)
{
    FormRig rig;
    Form1& f = *rig.form;
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tavelin Piano 3.03"));
    EXPECT_EQ(f.size(), QSize(px(15270), px(7035)));  // 1018 x 469
    EXPECT_EQ(f.minimumSize(), f.maximumSize());      // fixed border
    EXPECT_TRUE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);

    for (const DesignRow& row : designRows()) {
        QWidget* w = control(f, row.name);
        ASSERT_NE(w, nullptr) << row.name.toStdString();
        const QPoint at(px(row.twips.left()), px(row.twips.top()));
        // Labels size themselves to their captions, and Picture4 and Picture6
        // to their pictures: those keep their left top corner only.
        const bool sizesItself = qobject_cast<QLabel*>(w) != nullptr || row.name == QLatin1String("Picture4") ||
                                 row.name == QLatin1String("Picture6");
        if (sizesItself) {
            EXPECT_EQ(w->pos(), at) << row.name.toStdString();
        } else {
            EXPECT_EQ(w->geometry(), QRect(at, QSize(px(row.twips.width()), px(row.twips.height()))))
                << row.name.toStdString();
        }
    }
    // Worked examples in pixels, from the design's own pixel column.
    EXPECT_EQ(f.Command3->geometry(), QRect(464, 265, 89, 28));
    EXPECT_EQ(f.Picture3->geometry(), QRect(0, 471, 1023, 50));
    EXPECT_EQ(f.Picture6->pos(), QPoint(408, 85));
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
    // The metric-compatible Liberation faces stand in for the design's, at
    // the pixel size of its point size at 96 dpi.
    const QMap<QString, QString> faces = {{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
                                          {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}};
    int captions = 0;
    for (const DesignRow& row : designRows()) {
        QWidget* w = control(f, row.name);
        ASSERT_NE(w, nullptr) << row.name.toStdString();
        const std::string name = row.name.toStdString();
        if (!row.caption.isEmpty()) {
            EXPECT_EQ(captionOf(w), row.caption) << name;
            ++captions;
        }
        if (row.colours.contains(QStringLiteral("face"))) {
            EXPECT_EQ(w->palette().color(QPalette::Button), QColor(row.colours.value(QStringLiteral("face")))) << name;
        }
        if (qobject_cast<QLineEdit*>(w) != nullptr) {
            EXPECT_EQ(w->palette().color(QPalette::Base), QColor(row.colours.value(QStringLiteral("background"))))
                << name;
            EXPECT_EQ(w->palette().color(QPalette::Text), QColor(row.colours.value(QStringLiteral("text")))) << name;
        }
        if (qobject_cast<QLabel*>(w) != nullptr) {
            const QString text = row.colours.value(QStringLiteral("text"));
            const QColor expected =
                text.startsWith(QLatin1Char('#')) ? QColor(text) : f.palette().color(QPalette::HighlightedText);
            EXPECT_EQ(w->palette().color(QPalette::WindowText), expected) << name;
        }
        if (!row.fontFace.isEmpty()) {
            EXPECT_EQ(w->font().family(), faces.value(row.fontFace)) << name;
            EXPECT_EQ(w->font().pixelSize(), static_cast<int>(std::lround(row.fontPoints * 96.0 / 72.0))) << name;
        }
    }
    EXPECT_EQ(captions, 16);
    EXPECT_TRUE(f.text1->isReadOnly());
    // Worked examples: the two faces, the score's colours, the key faces.
    EXPECT_EQ(f.stop1->palette().color(QPalette::Button), QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(f.m(1)->palette().color(QPalette::Button), QColor(0x6A, 0x4B, 0x39));
    EXPECT_EQ(f.text1->palette().color(QPalette::Text), QColor(0xC0, 0x40, 0x00));
    EXPECT_EQ(f.kkey(60)->BackColor(), 16777215U);
    EXPECT_EQ(f.kkey(61)->BackColor(), 0U);
    EXPECT_EQ(f.Command3->font().pixelSize(), 11);  // 8.25 pt
    EXPECT_EQ(f.text1->font().pixelSize(), 44);     // 33 pt

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
        const std::string what =
            c.button->objectName().toStdString() + (c.pressed ? " pressed" : "") + (c.enabled ? "" : " disabled");
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
