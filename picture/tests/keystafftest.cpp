// Staves in the four clefs with key signatures, drawn with the real fonts and
// read back from the pixels: the staff lines are found in the ink, and every
// sign, clef and note head is placed by where its own ink lies between them.

#include "picture/engraving.h"
#include "picture/fonts.h"
#include "picture/notepicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

using art::Accidental;
using art::Clef;
using art::KeySignature;
using art::StaffClef;

constexpr QSize page(250, 250);
constexpr int scales[] = {1, 2};

KeySignature key(int fifths)
{
    return KeySignature::ofFifths(fifths).value();
}

const char* clefName(StaffClef clef)
{
    switch (clef) {
    case StaffClef::Treble:
        return "treble";
    case StaffClef::Bass:
        return "bass";
    case StaffClef::Alto:
        return "alto";
    case StaffClef::Tenor:
        break;
    }
    return "tenor";
}

// Where each clef writes middle C, as steps from the bottom line: the first
// ledger line under the treble staff, the first over the bass staff, the
// alto's middle line, the tenor's fourth.
int middleCLine(StaffClef clef)
{
    switch (clef) {
    case StaffClef::Treble:
        return -2;
    case StaffClef::Bass:
        return 10;
    case StaffClef::Alto:
        return 4;
    case StaffClef::Tenor:
        break;
    }
    return 6;
}

class KeyStaff : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QString error;
        ASSERT_TRUE(art::fonts::load(&error)) << error.toStdString();
    }
};

// The note pictures' staff, drawn on white at the given scale.
QImage drawn(int scale, const std::function<void(QPainter&, art::Engraver&)>& draw)
{
    QImage image(page * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    art::Engraver staff = art::notepicture::engraver();
    draw(painter, staff);
    painter.end();
    return image;
}

QImage keyStaff(int scale, StaffClef clef, KeySignature k)
{
    return drawn(scale, [&](QPainter& p, art::Engraver& e) { e.drawStaff(p, art::notepicture::staffLines, clef, k); });
}

int darkness(const QImage& image, int x, int y)
{
    const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    return 255 - (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// The five staff lines as found in the ink: the rows that are dark along a
// stretch near the end of the lines, where nothing else is drawn.
struct Lines {
    std::vector<double> y;  // centres, top line first, in device pixels
    double bottom() const { return y.back(); }
    double space() const { return (y.back() - y.front()) / 4.0; }
    double stepOf(double atY) const { return (bottom() - atY) / (space() / 2.0); }
};

Lines findLines(const QImage& image)
{
    const int ratio = static_cast<int>(image.devicePixelRatio());
    const int x0 = 212 * ratio;
    const int x1 = 226 * ratio;
    std::vector<double> profile(static_cast<std::size_t>(image.height()), 0.0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = x0; x < x1; ++x) {
            profile[static_cast<std::size_t>(y)] += darkness(image, x, y);
        }
    }
    const double full = 200.0 * (x1 - x0);
    Lines lines;
    double weight = 0.0;
    double sum = 0.0;
    for (int y = 0; y <= image.height(); ++y) {
        const double d = y < image.height() ? profile[static_cast<std::size_t>(y)] : 0.0;
        if (d > full * 0.15) {
            weight += d;
            sum += d * (y + 0.5);  // a row's middle
        } else if (weight > 0.0) {
            lines.y.push_back(sum / weight);
            weight = 0.0;
            sum = 0.0;
        }
    }
    return lines;
}

// What one picture adds to another: the pixels clearly darker in it.
struct Ink {
    std::vector<QPoint> points;

    QRect box() const
    {
        QRect r;
        for (const QPoint& p : points) {
            r = r.united(QRect(p, QSize(1, 1)));
        }
        return r;
    }
};

Ink added(const QImage& with, const QImage& without, QRect area)
{
    Ink ink;
    const QRect r = area.intersected(with.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (darkness(with, x, y) - darkness(without, x, y) > 100) {
                ink.points.push_back({x, y});
            }
        }
    }
    return ink;
}

// The ink split at the columns it leaves bare, left to right.
std::vector<Ink> columnsApart(const Ink& ink)
{
    std::vector<QPoint> points = ink.points;
    std::sort(points.begin(), points.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    std::vector<Ink> groups;
    int lastX = -10;
    for (const QPoint& p : points) {
        if (p.x() > lastX + 1) {
            groups.emplace_back();
        }
        groups.back().points.push_back(p);
        lastX = p.x();
    }
    return groups;
}

// The engravers' places of the first four sharps (fa do sol ré) and flats
// (si mi la ré) on each staff, as steps from the bottom line.
struct SignPlaces {
    StaffClef clef;
    std::array<int, 4> sharps;
    std::array<int, 4> flats;
};
constexpr SignPlaces signPlaces[] = {
    {StaffClef::Treble, {8, 5, 9, 6}, {4, 7, 3, 6}},
    {StaffClef::Bass, {6, 3, 7, 4}, {2, 5, 1, 4}},
    {StaffClef::Alto, {7, 4, 8, 5}, {3, 6, 2, 5}},
    {StaffClef::Tenor, {2, 6, 3, 7}, {5, 8, 4, 7}},
};

// A note head found in the ink a note adds to its staff: the rows of the
// head's left side, leaving out the rows of ledger lines (which reach on past
// the head); ledger lines counted by their rows' runs.
struct FoundNote {
    double centreY = 0.0;
    int ledgerLines = 0;
    int inkBeforeLedgers = 0;  // dark pixels left of the head and its ledger lines
};

FoundNote findNote(const QImage& with, const QImage& without, const art::Engraver& e, qreal column, qreal leftOf)
{
    const int ratio = static_cast<int>(with.devicePixelRatio());
    const qreal s = e.staffSpace() * ratio;
    const qreal x = column * ratio;
    const qreal half = e.headWidth(art::NoteHead::Whole) / 2.0 * ratio;
    const qreal overhang = art::proportion::ledgerOverhang * s;
    const Ink beyondHead =
        added(with, without, QRect(qRound(x - half - overhang + 2), 0, qRound(overhang - 4), with.height()));
    const Ink headSide = added(with, without, QRect(qRound(x - half + 2), 0, qRound(half / 2.0), with.height()));
    std::vector<int> ledgerRows;
    for (const QPoint& p : beyondHead.points) {
        ledgerRows.push_back(p.y());
    }
    FoundNote found;
    int top = with.height();
    int bottom = -1;
    for (const QPoint& p : headSide.points) {
        if (std::find(ledgerRows.begin(), ledgerRows.end(), p.y()) == ledgerRows.end()) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    }
    found.centreY = (top + bottom + 1) / 2.0;
    std::sort(ledgerRows.begin(), ledgerRows.end());
    ledgerRows.erase(std::unique(ledgerRows.begin(), ledgerRows.end()), ledgerRows.end());
    for (std::size_t i = 0; i < ledgerRows.size(); ++i) {
        found.ledgerLines += (i == 0 || ledgerRows[i] > ledgerRows[i - 1] + 1) ? 1 : 0;
    }
    const int left = qRound(leftOf * ratio) + 2;
    found.inkBeforeLedgers = static_cast<int>(
        added(with, without, QRect(left, 0, qRound(x - half - overhang) - 2 - left, with.height())).points.size());
    return found;
}

}  // namespace

// In C major a treble or bass staff of the four-clef engraving is the
// exercise's staff, with its notes, pixel for pixel.
TEST_F(KeyStaff, TrebleAndBassInCMajorAreTheExercisesStaves)
{
    for (const int scale : scales) {
        for (const Clef clef : {Clef::Treble, Clef::Bass}) {
            const StaffClef staffClef = keyboard::pitch::staffClef(clef);
            for (const int note : {36, 43, 52, 60, 64, 69, 77, 89}) {
                if (!keyboard::pitch::clefRange(staffClef).contains(note)) {
                    continue;
                }
                const QImage exercise = drawn(scale, [&](QPainter& p, art::Engraver& e) {
                    e.drawStaff(p, art::notepicture::staffLines, clef);
                    e.drawNote(p, clef, note, Accidental::Sharp);
                });
                const QImage inKey = drawn(scale, [&](QPainter& p, art::Engraver& e) {
                    e.drawStaff(p, art::notepicture::staffLines, staffClef, KeySignature());
                    EXPECT_TRUE(e.drawNoteInKey(p, staffClef, KeySignature(), note, e.noteColumn(KeySignature())));
                });
                EXPECT_EQ(exercise, inKey) << scale << "x " << clefName(staffClef) << " " << note;
            }
        }
    }
    const art::Engraver e = art::notepicture::engraver();
    EXPECT_EQ(e.noteColumn(KeySignature()), e.noteColumn());
    EXPECT_EQ(e.clefEnd(StaffClef::Treble), e.clefEnd(Clef::Treble));
    EXPECT_EQ(e.clefEnd(StaffClef::Bass), e.clefEnd(Clef::Bass));
}

// Each sign of every signature in every clef, at both scales: as many signs
// as the key has, side by side after the clef, in the signature's order,
// each on its line or space; sharps as tall above their place as below,
// flats hanging from a stem that rises well above theirs.
TEST_F(KeyStaff, SignsStandOnTheirLinesAndSpaces)
{
    for (const int scale : scales) {
        for (const SignPlaces& places : signPlaces) {
            const QImage bare = keyStaff(scale, places.clef, KeySignature());
            const Lines lines = findLines(bare);
            ASSERT_EQ(lines.y.size(), 5U) << clefName(places.clef);
            for (const KeySignature k : keyboard::pitch::allKeySignatures) {
                SCOPED_TRACE(testing::Message() << scale << "x " << clefName(places.clef) << " " << k.fifths());
                const art::Engraver e = art::notepicture::engraver();
                const QImage withSigns = keyStaff(scale, places.clef, k);
                const Ink ink = added(withSigns, bare, withSigns.rect());
                const std::vector<Ink> signs = columnsApart(ink);
                ASSERT_EQ(static_cast<int>(signs.size()), k.count());
                if (k.count() > 0) {
                    EXPECT_GT(ink.box().left(), e.clefEnd(places.clef) * scale);
                    EXPECT_LE(ink.box().right(), e.signatureEnd(places.clef, k) * scale + 1);
                    EXPECT_LT(e.signatureEnd(places.clef, k), e.noteColumn(k) - e.headWidth(art::NoteHead::Whole));
                }
                const double s = lines.space();
                for (std::size_t i = 0; i < signs.size(); ++i) {
                    const QRect box = signs[i].box();
                    const bool sharp = k.sign() == Accidental::Sharp;
                    const int expected = sharp ? places.sharps[i] : places.flats[i];
                    const double placeY = lines.bottom() - expected * s / 2.0;
                    const double above = placeY - box.top();
                    const double below = box.bottom() + 1 - placeY;
                    if (sharp) {
                        EXPECT_NEAR(above, below, 0.25 * s) << "sign " << i;
                        EXPECT_NEAR(lines.stepOf((box.top() + box.bottom() + 1) / 2.0), expected, 0.25) << "sign " << i;
                    } else {
                        EXPECT_GT(above, 2.0 * below) << "sign " << i;
                        EXPECT_NEAR(below, 0.7 * s, 0.125 * s) << "sign " << i;  // the bowl's point under its place
                    }
                }
            }
        }
    }
}

// The C clef's two halves meet on middle C's line: the middle line for the
// alto clef, the fourth for the tenor; the clef is as tall as the staff and
// ends where the layout says. A middle C drawn on the staff lies on the same
// line.
TEST_F(KeyStaff, CClefsCentreOnMiddleCsLine)
{
    for (const int scale : scales) {
        for (const StaffClef clef : {StaffClef::Alto, StaffClef::Tenor}) {
            SCOPED_TRACE(testing::Message() << scale << "x " << clefName(clef));
            const QImage withClef = keyStaff(scale, clef, KeySignature());
            const Lines found = findLines(withClef);
            ASSERT_EQ(found.y.size(), 5U);
            const art::Engraver e = art::notepicture::engraver();
            const qreal clefRight = e.clefEnd(clef) * scale;
            // The ink left of the clef's end that the bare lines lack.
            const QImage bare = drawn(scale, [](QPainter& p, art::Engraver& eng) {
                eng.setStaffLines(art::notepicture::staffLines);
                p.setPen(Qt::NoPen);
                p.setBrush(art::engravingInk);
                const qreal line = art::proportion::staffLine * eng.staffSpace();
                for (int step = 0; step <= 8; step += 2) {
                    p.drawRect(QRectF(art::notepicture::staffLines.left(), eng.stepY(step) - line / 2.0,
                                      art::notepicture::staffLines.width(), line));
                }
            });
            const QRect box =
                added(withClef, bare, QRect(0, 0, qRound(clefRight) + 4 * scale, withClef.height())).box();
            const double middle = (box.top() + box.bottom() + 1) / 2.0;
            EXPECT_NEAR(found.stepOf(middle), middleCLine(clef), 0.25);
            EXPECT_NEAR(box.height() / found.space(), 4.0, 0.3);
            EXPECT_NEAR(box.left(), (art::notepicture::staffLines.left() + 0.6 * e.staffSpace()) * scale, 1.5 * scale);
            EXPECT_LE(box.right(), clefRight + 1);

            const qreal column = e.noteColumn(KeySignature());
            const QImage withC = drawn(scale, [&](QPainter& p, art::Engraver& eng) {
                eng.drawStaff(p, art::notepicture::staffLines, clef);
                eng.drawNoteInKey(p, clef, KeySignature(), keyboard::pitch::middleC, column);
            });
            const FoundNote c = findNote(withC, withClef, e, column, e.clefEnd(clef));
            EXPECT_NEAR(c.centreY, middle, 0.125 * found.space());
        }
    }
}

// Every note of every key in each clef's span, at both scales: the head on
// the line or space of its letter (a scale climbs one step a note, and the
// note written on C's letter by middle C stands on middle C's line), with
// the ledger lines it needs and no sign of its own, since the signature
// gives it. Where the engraver says the head is, it is.
TEST_F(KeyStaff, NotesOfTheKeyOnTheirLinesWithoutSigns)
{
    for (const int scale : scales) {
        for (const StaffClef clef : keyboard::pitch::allStaffClefs) {
            for (const KeySignature k : keyboard::pitch::allKeySignatures) {
                if (scale == 2 && k.count() % 2 == 1) {
                    continue;  // at twice the size, every other key is enough
                }
                SCOPED_TRACE(testing::Message() << scale << "x " << clefName(clef) << " " << k.fifths());
                const art::Engraver e = art::notepicture::engraver();
                const qreal column = e.noteColumn(k);
                const QImage staff = keyStaff(scale, clef, k);
                const Lines lines = findLines(staff);
                ASSERT_EQ(lines.y.size(), 5U);
                const keyboard::pitch::KeyRange range = keyboard::pitch::clefRange(clef);
                std::optional<double> previousStep;
                for (int note = range.lowest; note <= range.highest; ++note) {
                    if (!k.contains(note)) {
                        continue;
                    }
                    const QImage withNote = drawn(scale, [&](QPainter& p, art::Engraver& eng) {
                        eng.drawStaff(p, art::notepicture::staffLines, clef, k);
                        ASSERT_TRUE(eng.drawNoteInKey(p, clef, k, note, column));
                    });
                    const FoundNote found = findNote(withNote, staff, e, column, e.signatureEnd(clef, k));
                    const double step = lines.stepOf(found.centreY);
                    EXPECT_NEAR(step, std::round(step), 0.25) << note;
                    if (previousStep) {
                        EXPECT_NEAR(step - *previousStep, 1.0, 0.25) << note;
                    }
                    previousStep = step;
                    const bool onMiddleCsLetter = note == 60 || (note == 61 && !k.contains(60));
                    if (onMiddleCsLetter) {
                        EXPECT_NEAR(step, middleCLine(clef), 0.25) << note;
                    }
                    const int whole = static_cast<int>(std::round(step));
                    const int ledgers = whole < 0 ? -whole / 2 : (whole > 8 ? (whole - 8) / 2 : 0);
                    EXPECT_EQ(found.ledgerLines, ledgers) << note;
                    EXPECT_EQ(found.inkBeforeLedgers, 0) << note;
                    const std::optional<QPointF> at = e.notePositionInKey(clef, k, note, column);
                    ASSERT_TRUE(at);
                    EXPECT_NEAR(at->y() * scale, found.centreY, 1.0 * scale) << note;
                }
            }
        }
    }
}

// The same reading finds the sharp a plain staff draws before a black key,
// and a note outside the key is not drawn on a staff with the signature.
TEST_F(KeyStaff, SignsAppearOnlyWhereTheSignatureGivesNone)
{
    const art::Engraver e = art::notepicture::engraver();
    const qreal column = e.noteColumn();
    const QImage staff =
        drawn(1, [](QPainter& p, art::Engraver& eng) { eng.drawStaff(p, art::notepicture::staffLines, Clef::Treble); });
    const QImage sharp = drawn(1, [&](QPainter& p, art::Engraver& eng) {
        eng.drawStaff(p, art::notepicture::staffLines, Clef::Treble);
        eng.drawNoteAt(p, Clef::Treble, 66, Accidental::Sharp, column);
    });
    EXPECT_GT(findNote(sharp, staff, e, column, e.clefEnd(Clef::Treble)).inkBeforeLedgers, 100);

    const KeySignature g = key(1);
    const QImage inG = keyStaff(1, StaffClef::Treble, g);
    QImage outside = inG.copy();
    {
        QPainter p(&outside);
        p.setRenderHint(QPainter::Antialiasing);
        art::Engraver eng = art::notepicture::engraver();
        EXPECT_FALSE(eng.drawNoteInKey(p, StaffClef::Treble, g, 65, eng.noteColumn(g)));  // F natural
    }
    EXPECT_EQ(outside, inG);
    EXPECT_FALSE(e.notePositionInKey(StaffClef::Treble, g, 65, column));
    EXPECT_FALSE(e.noteBoundsInKey(StaffClef::Treble, g, 65, column));
    EXPECT_TRUE(e.noteBoundsInKey(StaffClef::Treble, g, 66, column));
}

// The note pictures of a key: the panel's size at either scale, the same
// staff as the exercise's pictures, the note where the engraver puts it.
TEST_F(KeyStaff, NotePicturesInAKeyAtBothScales)
{
    const KeySignature k = key(-3);
    for (const int scale : scales) {
        SCOPED_TRACE(testing::Message() << scale << "x");
        QImage paper(page * scale, QImage::Format_RGB32);
        paper.fill(Qt::white);
        paper.setDevicePixelRatio(scale);
        const QImage exercise = art::notepicture::render(Clef::Treble, 67, Accidental::None, paper);
        const QImage picture = art::notepicture::renderInKey(StaffClef::Alto, k, 63, paper);  // E flat 4
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), page * scale);
        EXPECT_EQ(picture.devicePixelRatio(), scale);
        const Lines lines = findLines(picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        const Lines exerciseLines = findLines(exercise.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        ASSERT_EQ(lines.y.size(), 5U);
        for (std::size_t i = 0; i < lines.y.size(); ++i) {
            EXPECT_NEAR(lines.y[i], exerciseLines.y[i], 0.1);
        }
        EXPECT_TRUE(art::notepicture::renderInKey(StaffClef::Alto, k, 64, paper).isNull());  // E natural
    }
}
