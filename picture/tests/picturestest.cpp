// The generated pictures, read back from the program's folder the way the
// window reads them, and the engraving geometry they are drawn with.

#include "picture/engraving.h"
#include "picture/fonts.h"
#include "picture/notepicture.h"
#include "picture/texture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

using art::Accidental;
using art::Clef;

constexpr QSize panel(250, 250);

QString programDir()
{
    return QCoreApplication::applicationDirPath();
}

QString picturePath(const QString& name)
{
    return QDir(programDir()).filePath(QStringLiteral("picture/") + name);
}

// Decodes a file judging its format by content alone, as for tvl.tv whose
// name says nothing; format receives what the content turned out to be.
QImage decode(const QString& path, QByteArray* format = nullptr)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Asked before reading: the reader forgets its device's format afterwards.
    if (format != nullptr) {
        *format = reader.format();
    }
    return reader.read();
}

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

bool isDark(QRgb c)
{
    return luminance(c) < 110;
}

// Dark pixels in a rectangle (clipped to the image).
int darkCount(const QImage& image, QRect area)
{
    const QRect r = area.intersected(image.rect());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            n += isDark(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return n;
}

bool blackKey(int note)
{
    const int pc = note % 12;
    return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

struct NoteFile {
    Clef clef;
    Accidental spelling;
    int note;
    QString name;
};

// The note pictures the window asks for, listed from its naming rules.
std::vector<NoteFile> noteFiles()
{
    std::vector<NoteFile> files;
    for (int note = 52; note <= 89; ++note) {
        files.push_back({Clef::Treble, Accidental::Sharp, note, QStringLiteral("1%1.jpg").arg(note)});
        if (blackKey(note)) {
            files.push_back({Clef::Treble, Accidental::Flat, note, QStringLiteral("2%1.jpg").arg(note)});
        }
    }
    for (int note = 36; note <= 69; ++note) {
        files.push_back({Clef::Bass, Accidental::Sharp, note, QStringLiteral("3%1.jpg").arg(note)});
        if (blackKey(note)) {
            files.push_back({Clef::Bass, Accidental::Flat, note, QStringLiteral("4%1.jpg").arg(note)});
        }
    }
    return files;
}

const QStringList nameFiles = {QStringLiteral("536.jpg"), QStringLiteral("538.jpg"), QStringLiteral("540.jpg"),
                               QStringLiteral("541.jpg"), QStringLiteral("543.jpg"), QStringLiteral("545.jpg"),
                               QStringLiteral("547.jpg"), QStringLiteral("543p.jpg")};

void expectPicture(const QString& path, QSize size, const QByteArray& format)
{
    SCOPED_TRACE(path.toStdString());
    ASSERT_TRUE(QFileInfo::exists(path));
    QByteArray actual;
    const QImage image = decode(path, &actual);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(actual, format);
    EXPECT_EQ(image.size(), size);
}

}  // namespace

TEST(Pitch, WritesBlackKeysOnTheNeighbouringWhiteKey)
{
    EXPECT_TRUE(art::pitch::isBlackKey(61));
    EXPECT_FALSE(art::pitch::isBlackKey(60));
    EXPECT_EQ(art::pitch::writtenKey(61, Accidental::Sharp), 60);
    EXPECT_EQ(art::pitch::writtenKey(61, Accidental::Flat), 62);
    EXPECT_EQ(art::pitch::writtenKey(62, Accidental::Flat), 62);
    EXPECT_EQ(art::pitch::spelling(62, Accidental::Flat), Accidental::None);
    EXPECT_EQ(art::pitch::spelling(70, Accidental::Flat), Accidental::Flat);
}

TEST(Pitch, PlacesNotesOnTheirLinesAndSpaces)
{
    // Treble lines E4 G4 B4 D5 F5; bass lines G2 B2 D3 F3 A3.
    EXPECT_EQ(art::pitch::staffStep(Clef::Treble, 64, Accidental::None), 0);
    EXPECT_EQ(art::pitch::staffStep(Clef::Treble, 77, Accidental::None), 8);
    EXPECT_EQ(art::pitch::staffStep(Clef::Treble, 60, Accidental::None), -2);
    EXPECT_EQ(art::pitch::staffStep(Clef::Treble, 66, Accidental::Sharp), 1);  // F#4 in the first space
    EXPECT_EQ(art::pitch::staffStep(Clef::Treble, 66, Accidental::Flat), 2);   // Gb4 on the second line
    EXPECT_EQ(art::pitch::staffStep(Clef::Bass, 43, Accidental::None), 0);
    EXPECT_EQ(art::pitch::staffStep(Clef::Bass, 57, Accidental::None), 8);
    EXPECT_EQ(art::pitch::staffStep(Clef::Bass, 60, Accidental::None), 10);
    EXPECT_EQ(art::pitch::staffStep(Clef::Bass, 53, Accidental::None), 6);  // F3, between the dots of the clef
}

TEST(Pitch, NeedsLedgerLinesExactlyOutsideTheStaff)
{
    using Steps = std::vector<int>;
    EXPECT_EQ(art::pitch::ledgerSteps(Clef::Treble, 52, Accidental::None), (Steps{-2, -4, -6}));  // E3: C4 A3 F3
    EXPECT_EQ(art::pitch::ledgerSteps(Clef::Treble, 89, Accidental::None), (Steps{10, 12, 14}));  // F6: A5 C6 E6
    EXPECT_EQ(art::pitch::ledgerSteps(Clef::Bass, 36, Accidental::None), (Steps{-2, -4}));        // C2: E2 C2
    EXPECT_EQ(art::pitch::ledgerSteps(Clef::Bass, 69, Accidental::None), (Steps{10, 12, 14}));    // A4: C4 E4 G4
    EXPECT_TRUE(art::pitch::ledgerSteps(Clef::Treble, 62, Accidental::None).empty());  // D4 hangs below the staff
    EXPECT_TRUE(art::pitch::ledgerSteps(Clef::Treble, 79, Accidental::None).empty());  // G5 sits on it
    EXPECT_EQ(art::pitch::ledgerSteps(Clef::Treble, 81, Accidental::None), (Steps{10}));
}

TEST(NotePictureLayout, FitsTheWholeRangeWithMargins)
{
    const art::Engraver staff = art::notepicture::engraver();
    for (const NoteFile& f : noteFiles()) {
        const QRectF box = staff.noteBounds(f.clef, f.note, f.spelling, staff.noteColumn());
        EXPECT_GE(box.top(), 10.0) << f.name.toStdString();
        EXPECT_LE(box.bottom(), 220.0) << f.name.toStdString();
        EXPECT_GT(box.left(), staff.clefEnd(f.clef)) << f.name.toStdString();
        EXPECT_LT(box.right(), staff.staffLines().right()) << f.name.toStdString();
    }
}

TEST(Files, EveryPictureExistsWithItsSizeAndFormat)
{
    for (const NoteFile& f : noteFiles()) {
        expectPicture(picturePath(f.name), panel, "jpeg");
    }
    // Plain decimal numbers in the names.
    EXPECT_TRUE(QFileInfo::exists(picturePath(QStringLiteral("152.jpg"))));
    EXPECT_TRUE(QFileInfo::exists(picturePath(QStringLiteral("266.jpg"))));
    EXPECT_TRUE(QFileInfo::exists(picturePath(QStringLiteral("446.jpg"))));
    EXPECT_FALSE(QFileInfo::exists(picturePath(QStringLiteral("260.jpg"))));  // flats only for black keys

    for (const QString& name : nameFiles) {
        expectPicture(picturePath(name), panel, "jpeg");
    }
    expectPicture(picturePath(QStringLiteral("up.jpg")), QSize(44, 100), "jpeg");
    expectPicture(picturePath(QStringLiteral("down.jpg")), QSize(44, 100), "jpeg");
    for (const char* name : {"start50.jpg", "end.jpg", "001s.jpg"}) {
        expectPicture(picturePath(QString::fromLatin1(name)), panel, "jpeg");
    }
    expectPicture(picturePath(QStringLiteral("background.jpg")), QSize(1024, 548), "jpeg");
    expectPicture(picturePath(QStringLiteral("namestrip.jpg")), QSize(1022, 49), "jpeg");
    expectPicture(picturePath(QStringLiteral("icon.png")), QSize(48, 48), "png");
}

TEST(Files, LogoIsAJpegDespiteItsNameAndFitsItsPlace)
{
    const QString path = QDir(programDir()).filePath(QStringLiteral("tvl.tv"));
    ASSERT_TRUE(QFileInfo::exists(path));
    QByteArray format;
    const QImage logo = decode(path, &format);
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(format, "jpeg");
    EXPECT_LE(logo.width(), 340);
    EXPECT_LE(logo.height(), 260);
    EXPECT_GE(logo.width(), 250);
    EXPECT_GE(logo.height(), 180);
}

TEST(NotePictures, HeadIsOnTheNotesLineOrSpaceAndNotTwoStepsAway)
{
    const art::Engraver staff = art::notepicture::engraver();
    const int half = static_cast<int>(staff.headWidth(art::NoteHead::Whole) / 2.0) - 1;
    const qreal space = staff.staffSpace();
    for (const NoteFile& f : noteFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const QImage image = decode(picturePath(f.name));
        ASSERT_FALSE(image.isNull());
        const QPointF head = staff.notePosition(f.clef, f.note, f.spelling);
        const int step = art::pitch::staffStep(f.clef, f.note, f.spelling);
        // Two steps further from the middle of the staff: no ledger line
        // reaches there, so only a misplaced head could darken it.
        const int awayStep = step >= 4 ? step + 2 : step - 2;
        const qreal awayY = staff.stepY(awayStep);
        // Staff lines cross both the head and a bare part of the staff to its
        // right; comparing the two leaves only the head.
        auto headInk = [&](qreal y) {
            const QRect band(qRound(head.x()) - half, qRound(y) - 2, 2 * half + 1, 5);
            return darkCount(image, band) - darkCount(image, band.translated(qRound(2.7 * space), 0));
        };
        EXPECT_GT(headInk(head.y()), 15);
        EXPECT_LT(headInk(awayY), 3);

        // The rows the head covers, leaving out rows where a staff or ledger
        // line passes (they run on past the head's right side): their middle
        // is the note's line or space to within 2 px, well under a step (7.5 px).
        const int cx = qRound(head.x());
        int top = image.height();
        int bottom = -1;
        for (int y = qRound(head.y() - 2.0 * space); y <= qRound(head.y() + 2.0 * space); ++y) {
            const bool inHead = darkCount(image, QRect(cx - half + 2, y, 2 * half - 3, 1)) >= 2;
            const bool onLine = darkCount(image, QRect(cx + half + 3, y, 3, 1)) > 0;
            if (inHead && !onLine) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        ASSERT_GE(bottom, top);
        EXPECT_NEAR((top + bottom) / 2.0, head.y(), 2.0);
        EXPECT_NEAR(bottom - top + 1, space, 4.0);
    }
}

TEST(NotePictures, LedgerLinesExactlyWhereNeeded)
{
    const art::Engraver staff = art::notepicture::engraver();
    const qreal overhang = staff.headWidth(art::NoteHead::Whole) / 2.0 + 2.0;
    for (const NoteFile& f : noteFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const QImage image = decode(picturePath(f.name));
        const QPointF head = staff.notePosition(f.clef, f.note, f.spelling);
        const int step = art::pitch::staffStep(f.clef, f.note, f.spelling);
        // The short stretch of a ledger line just right of the head.
        auto ledgerAt = [&](int s) {
            return darkCount(image, QRect(qRound(head.x() + overhang), qRound(staff.stepY(s)) - 1, 3, 3)) >= 3;
        };
        for (int s = -2; s >= step; s -= 2) {
            EXPECT_TRUE(ledgerAt(s)) << "below, step " << s;
        }
        for (int s = 10; s <= step; s += 2) {
            EXPECT_TRUE(ledgerAt(s)) << "above, step " << s;
        }
        // One further out than the note is bare.
        const int beyond = step < 0 ? (step % 2 == 0 ? step - 2 : step - 1) : (step % 2 == 0 ? step + 2 : step + 1);
        if (step < 0 || step > 8) {
            EXPECT_FALSE(ledgerAt(beyond)) << "beyond, step " << beyond;
        }
    }
}

TEST(NotePictures, AccidentalStandsBeforeTheHead)
{
    const art::Engraver staff = art::notepicture::engraver();
    const qreal half = staff.headWidth(art::NoteHead::Whole) / 2.0;
    const qreal space = staff.staffSpace();
    for (const NoteFile& f : noteFiles()) {
        SCOPED_TRACE(f.name.toStdString());
        const QImage image = decode(picturePath(f.name));
        const QPointF head = staff.notePosition(f.clef, f.note, f.spelling);
        // Left of the head and its ledger lines, a little over a space above
        // the note: only an accidental's upright reaches there. Staff lines
        // may cross the spot, so a bare stretch of staff further right with
        // the same lines is subtracted.
        const QRect before(qRound(head.x() - half - 1.7 * space), qRound(head.y() - 1.2 * space), qRound(0.9 * space),
                           6);
        const int ink = darkCount(image, before) - darkCount(image, before.translated(qRound(4.0 * space), 0));
        const bool hasAccidental = blackKey(f.note);
        EXPECT_EQ(ink > 3, hasAccidental);
    }
}

TEST(NotePictures, FilesAreTheEngravingOfTheirNote)
{
    QString error;
    ASSERT_TRUE(art::fonts::load(&error)) << error.toStdString();
    const QImage paper = art::notepicture::paper();
    // Drawing is deterministic, and each file is what the library draws for
    // its note (up to JPEG's loss), not its neighbour's picture.
    const QImage first = art::notepicture::render(Clef::Treble, 61, Accidental::Flat, paper);
    EXPECT_EQ(first, art::notepicture::render(Clef::Treble, 61, Accidental::Flat, paper));
    auto meanDifference = [](const QImage& a, const QImage& b) {
        long total = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                total += std::abs(luminance(a.pixel(x, y)) - luminance(b.pixel(x, y)));
            }
        }
        return static_cast<double>(total) / (a.width() * a.height());
    };
    const QImage file = decode(picturePath(QStringLiteral("261.jpg")));
    ASSERT_EQ(file.size(), first.size());
    EXPECT_LT(meanDifference(file, first), 1.5);
    const QImage other = art::notepicture::render(Clef::Treble, 61, Accidental::Sharp, paper);
    EXPECT_GT(meanDifference(file, other), meanDifference(file, first) + 0.5);
}

TEST(NamePictures, LeaveTheSignAreaClear)
{
    const QRect sign(25, 75, 44, 100);
    for (const QString& name : nameFiles) {
        SCOPED_TRACE(name.toStdString());
        const QImage image = decode(picturePath(name));
        ASSERT_EQ(image.size(), panel);
        int darkest = 255;
        for (int y = sign.top(); y <= sign.bottom(); ++y) {
            for (int x = sign.left(); x <= sign.right(); ++x) {
                darkest = std::min(darkest, luminance(image.pixel(x, y)));
            }
        }
        EXPECT_GT(darkest, 180);
        // The name itself is there, right of the sign, and inside the picture.
        EXPECT_GT(darkCount(image, QRect(75, 40, 175, 170)), 800);
        EXPECT_EQ(darkCount(image, QRect(0, 0, 250, 4)) + darkCount(image, QRect(246, 0, 4, 250)), 0);
    }
}

TEST(NamePictures, SignsBlendIntoTheNameBackground)
{
    const QImage name = decode(picturePath(QStringLiteral("536.jpg")));
    for (const char* file : {"up.jpg", "down.jpg"}) {
        SCOPED_TRACE(file);
        const QImage sign = decode(picturePath(QString::fromLatin1(file)));
        ASSERT_EQ(sign.size(), QSize(44, 100));
        // Round the edge the sign is the same paper as under it.
        long difference = 0;
        int samples = 0;
        for (int x = 0; x < 44; ++x) {
            for (int y : {0, 1, 98, 99}) {
                difference += std::abs(luminance(sign.pixel(x, y)) - luminance(name.pixel(25 + x, 75 + y)));
                ++samples;
            }
        }
        EXPECT_LT(static_cast<double>(difference) / samples, 3.0);
        // And the sign is drawn in its middle.
        int ink = 0;
        for (int y = 20; y < 80; ++y) {
            for (int x = 5; x < 40; ++x) {
                ink += luminance(sign.pixel(x, y)) < 140 ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 150);
    }
}

TEST(NameStrip, WhiteNamesInEachCellOnDarkBlue)
{
    const QImage strip = decode(picturePath(QStringLiteral("namestrip.jpg")));
    ASSERT_EQ(strip.size(), QSize(1022, 49));
    auto isBackground = [](QRgb c) {
        return std::abs(qRed(c) - 0x25) <= 8 && std::abs(qGreen(c) - 0x2a) <= 8 && std::abs(qBlue(c) - 0x39) <= 8;
    };
    // Top and bottom rows and the borders between cells are bare.
    for (int x = 0; x < strip.width(); ++x) {
        for (int y : {0, 3, 45, 48}) {
            ASSERT_TRUE(isBackground(strip.pixel(x, y))) << x << "," << y;
        }
    }
    for (int k = 1; k < 32; ++k) {
        for (int y = 0; y < strip.height(); ++y) {
            ASSERT_TRUE(isBackground(strip.pixel(32 * k, y))) << "cell border " << k << ", y " << y;
        }
    }
    for (int k = 0; k < 32; ++k) {
        int white = 0;
        double centre = 0.0;
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = 32 * k; x < std::min(32 * k + 32, strip.width()); ++x) {
                const QRgb c = strip.pixel(x, y);
                if (qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) > 200) {
                    ++white;
                    centre += x;
                }
            }
        }
        ASSERT_GT(white, 10) << "cell " << k;
        // Each name is centred in its cell.
        EXPECT_NEAR(centre / white, 32 * k + 16, 3.0) << "cell " << k;
    }
}

TEST(Background, ArtworkStaysOutOfThePanelsAndTheKeyboard)
{
    const QImage bg = decode(picturePath(QStringLiteral("background.jpg")));
    ASSERT_EQ(bg.size(), QSize(1024, 548));
    auto brightest = [&](QRect r) {
        int m = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                m = std::max(m, luminance(bg.pixel(x, y)));
            }
        }
        return m;
    };
    // Plain dark texture behind the keyboard, the note panel and the buttons.
    EXPECT_LT(brightest(QRect(0, 300, 1024, 248)), 80);
    EXPECT_LT(brightest(QRect(385, 8, 246, 250)), 80);
    EXPECT_LT(brightest(QRect(898, 8, 113, 285)), 80);
    // Gilt title and ornament upper left, the piano drawing upper right.
    EXPECT_GT(brightest(QRect(0, 0, 370, 290)), 150);
    EXPECT_GT(brightest(QRect(640, 10, 250, 240)), 150);
}

TEST(Icon, IsOpaqueInsideAndTransparentAtTheCorners)
{
    const QImage icon = decode(picturePath(QStringLiteral("icon.png"))).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icon.size(), QSize(48, 48));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(47, 47)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(24, 24)), 255);
}

TEST(Messages, CarryTheirText)
{
    for (const char* name : {"start50.jpg", "end.jpg", "001s.jpg"}) {
        SCOPED_TRACE(name);
        const QImage page = decode(picturePath(QString::fromLatin1(name)));
        ASSERT_EQ(page.size(), panel);
        EXPECT_GT(darkCount(page, page.rect()), 1000);
    }
}

namespace {

// Every picture of the program's folder at 1x: the files without "@2x".
QStringList plainPictures()
{
    QStringList paths;
    const QDir folder(QDir(programDir()).filePath(QStringLiteral("picture")));
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (!name.contains(QStringLiteral("@2x"))) {
            paths << folder.filePath(name);
        }
    }
    paths << QDir(programDir()).filePath(QStringLiteral("tvl.tv"));
    return paths;
}

QString twinOf(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

// Mean absolute difference per channel (0 to 255) of two images of one size,
// alpha included, over the premultiplied colours.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0.0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * x.width() * x.height());
}

// Pixels half-way between ink and paper: the soft rim of every drawn edge.
// A sharper picture of the same drawing has a thinner rim, so fewer of them.
int rimPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int l = luminance(image.pixel(x, y));
            n += (l > 70 && l < 190) ? 1 : 0;
        }
    }
    return n;
}

}  // namespace

TEST(DoubleSize, EveryPictureHasATwinOfTwiceTheSizeWithTheSameDrawing)
{
    const QStringList plain = plainPictures();
    ASSERT_EQ(plain.size(), 118);  // 117 in picture/ and tvl.tv
    for (const QString& path : plain) {
        SCOPED_TRACE(path.toStdString());
        QByteArray format;
        QByteArray twinFormat;
        const QImage one = decode(path, &format);
        const QImage two = decode(twinOf(path), &twinFormat);
        ASSERT_FALSE(one.isNull());
        ASSERT_FALSE(two.isNull());
        EXPECT_EQ(twinFormat, format);
        ASSERT_EQ(two.size(), one.size() * 2);
        // Brought down to 1x, the twin is the same picture: the same shapes in
        // the same places (a drawing left at 1x in a corner of the twin, or
        // drawn twice as large, would be far off).
        const QImage down = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(one, down), 5.0);
    }
}

TEST(DoubleSize, NotesAreDrawnSharperThanThePlainPictureEnlarged)
{
    // A flat and a sharp note on their staves, a name, a message page.
    for (const char* name : {"261.jpg", "446.jpg", "543p.jpg", "start50.jpg"}) {
        SCOPED_TRACE(name);
        const QImage one = decode(picturePath(QString::fromLatin1(name)));
        const QImage two = decode(twinOf(picturePath(QString::fromLatin1(name))));
        ASSERT_EQ(two.size(), QSize(500, 500));
        const QImage enlarged = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The paper's grain stays far from the ink, so only the drawing counts.
        EXPECT_LT(rimPixels(two), 0.75 * rimPixels(enlarged));
    }
}

TEST(Icon, ThemeSizesAndTheScalableIconAreTheDesign)
{
    const QDir icons(QDir(programDir()).filePath(QStringLiteral("../icons")));
    const QImage design = decode(picturePath(QStringLiteral("icon.png")));
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = decode(icons.filePath(QStringLiteral("%1x%1/apps/org.tavelin.TavelinPiano.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        if (size == 48) {
            EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32), design.convertToFormat(QImage::Format_ARGB32));
        } else if (size > 48) {
            const QImage down = icon.scaled(48, 48, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_LT(meanDifference(design, down), 12.0);
        }
        // The whole tile at every size: clear corners, a solid middle.
        const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(argb.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(argb.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(argb.pixel(size / 2, size / 2)), 255);
        EXPECT_EQ(qAlpha(argb.pixel(size / 10, size / 2)), 255);
        EXPECT_EQ(qAlpha(argb.pixel(size * 9 / 10, size / 2)), 255);
    }
    // The SVG, drawn by Qt's SVG renderer at 48 px, is the 48 px icon.
    QSvgRenderer svg(icons.filePath(QStringLiteral("scalable/apps/org.tavelin.TavelinPiano.svg")));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(48, 48, QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    EXPECT_LT(meanDifference(design, drawn), 6.0);
}
