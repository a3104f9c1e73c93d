// Staves in the four clefs with key signatures, drawn with the real fonts and
// read back from the pixels: the staff lines are found in the ink, and each
// sign, clef and note head is placed by where its own ink lies between them.

#include "picture/engraving.h"
#include "picture/fonts.h"
#include "picture/notepicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

using art::Accidental;
using art::Clef;
using art::KeySignature;
using art::StaffClef;
using keyboard::pitch::allKeySignatures;
using keyboard::pitch::allStaffClefs;

constexpr int scales[] = {1, 2};

class KeyStaff : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        QString error;
        ASSERT_TRUE(art::fonts::load(&error)) << error.toStdString();
    }
};

QImage blank(int scale)
{
    QImage image(art::notepicture::size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    image.setDevicePixelRatio(scale);
    return image;
}

// The note panel's staff on white with its clef, the key's signature and, if
// given, a note of the key in the key's note column.
QImage keyStaff(int scale, StaffClef clef, KeySignature key, std::optional<int> note = std::nullopt)
{
    QImage image = blank(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    art::Engraver e = art::notepicture::engraver();
    e.drawStaff(painter, art::notepicture::staffLines, clef, key);
    if (note) {
        EXPECT_TRUE(e.drawNoteInKey(painter, clef, key, *note, e.noteColumn(key))) << *note;
    }
    return image;
}

int darkness(const QImage& image, int x, int y)
{
    const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    return 255 - (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// The staff lines' middles in device pixels, top first: the runs of rows that
// are dark along a stretch near the end of the lines, where nothing else is.
struct Lines {
    std::vector<double> y;
    double space() const { return (y.back() - y.front()) / 4.0; }
    double stepOf(double atY) const { return (y.back() - atY) / (space() / 2.0); }
    bool near(double atY, double reach) const
    {
        return std::any_of(y.begin(), y.end(), [&](double line) { return std::abs(line - atY) < reach; });
    }
};

Lines findLines(const QImage& image)
{
    const int ratio = static_cast<int>(image.devicePixelRatio());
    Lines lines;
    double weight = 0.0;
    double sum = 0.0;
    for (int y = 0; y <= image.height(); ++y) {
        double d = 0.0;
        for (int x = 212 * ratio; y < image.height() && x < 226 * ratio; ++x) {
            d += darkness(image, x, y);
        }
        if (d > 30.0 * 14 * ratio) {
            weight += d;
            sum += d * (y + 0.5);  // a row's middle
        } else if (weight > 0.0) {
            lines.y.push_back(sum / weight);
            weight = sum = 0.0;
        }
    }
    return lines;
}

// The pixels of area clearly darker in one picture than in the other.
std::vector<QPoint> added(const QImage& with, const QImage& without, QRect area)
{
    std::vector<QPoint> ink;
    const QRect r = area.intersected(with.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (darkness(with, x, y) - darkness(without, x, y) > 100) {
                ink.emplace_back(x, y);
            }
        }
    }
    return ink;
}

// The boxes of the ink's parts that bare columns keep apart, left to right.
std::vector<QRect> partsApart(std::vector<QPoint> ink)
{
    std::sort(ink.begin(), ink.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    std::vector<QRect> parts;
    for (std::size_t i = 0; i < ink.size(); ++i) {
        if (i == 0 || ink[i].x() > ink[i - 1].x() + 1) {
            parts.emplace_back();
        }
        parts.back() = parts.back().united(QRect(ink[i], QSize(1, 1)));
    }
    return parts;
}

// A note head in the ink its note adds to the staff: the middle of the rows
// the head's left side covers, less the rows of ledger lines, which reach on
// past the head; the ledger lines counted; the ink between leftOf (logical)
// and the ledger lines, where an accidental would stand.
struct FoundNote {
    double centreY = 0.0;
    int ledgerLines = 0;
    std::size_t inkBefore = 0;
};

FoundNote findNote(const QImage& with, const QImage& without, qreal column, qreal leftOf)
{
    const art::Engraver e = art::notepicture::engraver();
    const int ratio = static_cast<int>(with.devicePixelRatio());
    const qreal x = column * ratio;
    const qreal headLeft = x - e.headWidth(art::NoteHead::Whole) / 2.0 * ratio;
    const qreal ledgerLeft = headLeft - art::proportion::ledgerOverhang * e.staffSpace() * ratio;
    std::set<int> ledgerRows;
    for (const QPoint& p : added(with, without, QRect(qRound(ledgerLeft) + 2, 0, 3, with.height()))) {
        ledgerRows.insert(p.y());
    }
    FoundNote found;
    int top = with.height();
    int bottom = -1;
    for (const QPoint& p :
         added(with, without, QRect(qRound(headLeft) + 2, 0, qRound(x - headLeft) / 2, with.height()))) {
        if (ledgerRows.count(p.y()) == 0) {
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
    }
    found.centreY = (top + bottom + 1) / 2.0;
    for (const int row : ledgerRows) {
        found.ledgerLines += ledgerRows.count(row - 1) == 0 ? 1 : 0;
    }
    const int left = qRound(leftOf * ratio) + 2;
    found.inkBefore = added(with, without, QRect(left, 0, qRound(ledgerLeft) - 2 - left, with.height())).size();
    return found;
}

// Middle C's step in each clef: the first ledger line under the treble staff
// and over the bass staff, the alto's middle line, the tenor's fourth.
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

}  // namespace

// In C major a treble or bass staff of the four-clef engraving is the
// exercise's staff, with its notes, pixel for pixel.
TEST_F(KeyStaff, TrebleAndBassInCMajorAreTheExercisesStaves)
{
    for (const int scale : scales) {
        const std::pair<Clef, int> notes[] = {
            {Clef::Treble, 52}, {Clef::Treble, 84}, {Clef::Bass, 36}, {Clef::Bass, 62}};
        for (const auto& [clef, note] : notes) {
            QImage exercise = blank(scale);
            QPainter painter(&exercise);
            painter.setRenderHint(QPainter::Antialiasing);
            art::Engraver e = art::notepicture::engraver();
            e.drawStaff(painter, art::notepicture::staffLines, clef);
            e.drawNote(painter, clef, note, Accidental::Sharp);
            painter.end();
            EXPECT_EQ(keyStaff(scale, keyboard::pitch::staffClef(clef), KeySignature(), note), exercise) << note;
        }
    }
}

// Every signature in every clef at both scales: as many signs as the key
// has, apart from each other between the clef and the notes, each on the
// line or space engravers give it; a sharp as tall above its place as below,
// a flat's bowl ending 0.7 of a space under it and its stem rising well above.
TEST_F(KeyStaff, SignsStandOnTheirLinesAndSpaces)
{
    struct Places {
        StaffClef clef;
        std::array<int, 4> sharps;  // fa do sol ré, as steps from the bottom line
        std::array<int, 4> flats;   // si mi la ré
    };
    const Places places[] = {{StaffClef::Treble, {8, 5, 9, 6}, {4, 7, 3, 6}},
                             {StaffClef::Bass, {6, 3, 7, 4}, {2, 5, 1, 4}},
                             {StaffClef::Alto, {7, 4, 8, 5}, {3, 6, 2, 5}},
                             {StaffClef::Tenor, {2, 6, 3, 7}, {5, 8, 4, 7}}};
    const art::Engraver e = art::notepicture::engraver();
    for (const int scale : scales) {
        for (const Places& p : places) {
            const QImage bare = keyStaff(scale, p.clef, KeySignature());
            const Lines lines = findLines(bare);
            ASSERT_EQ(lines.y.size(), 5U);
            const double s = lines.space();
            for (const KeySignature k : allKeySignatures) {
                SCOPED_TRACE(testing::Message() << scale << "x clef " << static_cast<int>(p.clef) << " " << k.fifths());
                const std::vector<QRect> signs = partsApart(added(keyStaff(scale, p.clef, k), bare, bare.rect()));
                ASSERT_EQ(static_cast<int>(signs.size()), k.count());
                for (std::size_t i = 0; i < signs.size(); ++i) {
                    EXPECT_GT(signs[i].left(), e.clefEnd(p.clef) * scale);
                    EXPECT_LT(signs[i].right(), (e.noteColumn(k) - e.headWidth(art::NoteHead::Whole)) * scale);
                    const bool sharp = k.sign() == Accidental::Sharp;
                    const double placeY = lines.y.back() - (sharp ? p.sharps[i] : p.flats[i]) * s / 2.0;
                    const double above = placeY - signs[i].top();
                    const double below = signs[i].bottom() + 1 - placeY;
                    if (sharp) {
                        EXPECT_NEAR(above, below, 0.25 * s) << "sign " << i;
                    } else {
                        EXPECT_NEAR(below, 0.7 * s, 0.125 * s) << "sign " << i;
                        EXPECT_GT(above, 2.0 * below) << "sign " << i;
                    }
                }
            }
        }
    }
}

// The C clef's two halves meet on middle C's line and it is as tall as the
// staff, before the clef's end that the layout gives; middle C drawn on the
// staff stands on that line.
TEST_F(KeyStaff, CClefsCentreOnMiddleCsLine)
{
    const art::Engraver e = art::notepicture::engraver();
    for (const int scale : scales) {
        for (const StaffClef clef : {StaffClef::Alto, StaffClef::Tenor}) {
            SCOPED_TRACE(testing::Message() << scale << "x clef " << static_cast<int>(clef));
            const QImage staff = keyStaff(scale, clef, KeySignature());
            const Lines lines = findLines(staff);
            ASSERT_EQ(lines.y.size(), 5U);
            // The clef's ink: everything dark before its end, off the lines.
            QRect box;
            for (int y = 0; y < staff.height(); ++y) {
                for (int x = 0; x < qRound(e.clefEnd(StaffClef::Treble) * scale) + 4 * scale; ++x) {
                    if (darkness(staff, x, y) > 100 && !lines.near(y + 0.5, 2.0 * scale)) {
                        box = box.united(QRect(x, y, 1, 1));
                    }
                }
            }
            const double middle = (box.top() + box.bottom() + 1) / 2.0;
            EXPECT_NEAR(lines.stepOf(middle), middleCLine(clef), 0.25);
            EXPECT_NEAR(box.height() / lines.space(), 4.0, 0.3);
            EXPECT_NEAR(box.left(), (art::notepicture::staffLines.left() + 0.6 * e.staffSpace()) * scale, 1.5 * scale);
            EXPECT_LE(box.right(), e.clefEnd(clef) * scale + 1);
            const FoundNote c =
                findNote(keyStaff(scale, clef, KeySignature(), 60), staff, e.noteColumn(), e.clefEnd(clef));
            EXPECT_NEAR(c.centreY, middle, 0.125 * lines.space());
        }
    }
}

// Every note of every key in each clef's span: the head on its letter's line
// or space (a scale climbs one step a note, and the note on C's letter by
// middle C stands on middle C's line), where the engraver says it is, with
// the ledger lines it needs and no sign of its own. At twice the size every
// other key.
TEST_F(KeyStaff, NotesOfTheKeyOnTheirLinesWithoutSigns)
{
    const art::Engraver e = art::notepicture::engraver();
    for (const int scale : scales) {
        for (const StaffClef clef : allStaffClefs) {
            for (const KeySignature k : allKeySignatures) {
                if (scale == 2 && k.count() % 2 == 1) {
                    continue;
                }
                SCOPED_TRACE(testing::Message() << scale << "x clef " << static_cast<int>(clef) << " " << k.fifths());
                const QImage staff = keyStaff(scale, clef, k);
                const Lines lines = findLines(staff);
                ASSERT_EQ(lines.y.size(), 5U);
                std::optional<double> previous;
                const keyboard::pitch::KeyRange range = keyboard::pitch::clefRange(clef);
                for (int note = range.lowest; note <= range.highest; ++note) {
                    if (!k.contains(note)) {
                        continue;
                    }
                    const FoundNote found =
                        findNote(keyStaff(scale, clef, k, note), staff, e.noteColumn(k), e.signatureEnd(clef, k));
                    const double step = lines.stepOf(found.centreY);
                    EXPECT_NEAR(step, std::round(step), 0.25) << note;
                    EXPECT_NEAR(step - previous.value_or(step - 1.0), 1.0, 0.25) << note;
                    previous = step;
                    if (note == 60 || (note == 61 && !k.contains(60))) {
                        EXPECT_NEAR(step, middleCLine(clef), 0.25) << note;
                    }
                    const auto whole = static_cast<int>(std::round(step));
                    EXPECT_EQ(found.ledgerLines, whole < 0 ? -whole / 2 : std::max(0, (whole - 8) / 2)) << note;
                    EXPECT_EQ(found.inkBefore, 0U) << note;
                    EXPECT_NEAR(e.notePositionInKey(clef, k, note, 0.0).value().y() * scale, found.centreY, scale)
                        << note;
                }
            }
        }
    }
}

// The same reading finds the sharp a plain staff draws before a black key; a
// note outside the key is not drawn; the note pictures of a key have the
// exercise's staff at either scale.
TEST_F(KeyStaff, SignsOnlyWhereTheSignatureGivesNoneAndThePictures)
{
    const art::Engraver e = art::notepicture::engraver();
    const QImage staff = keyStaff(1, StaffClef::Treble, KeySignature());
    QImage outside = staff.copy();
    {
        QPainter painter(&outside);
        EXPECT_FALSE(e.drawNoteInKey(painter, StaffClef::Treble, KeySignature(), 66, e.noteColumn()));
    }
    EXPECT_EQ(outside, staff);
    EXPECT_FALSE(e.noteBoundsInKey(StaffClef::Treble, KeySignature(), 66, 0.0));
    QImage sharp = staff.copy();
    {
        QPainter painter(&sharp);
        painter.setRenderHint(QPainter::Antialiasing);
        e.drawNoteAt(painter, Clef::Treble, 66, Accidental::Sharp, e.noteColumn());
    }
    EXPECT_GT(findNote(sharp, staff, e.noteColumn(), e.clefEnd(Clef::Treble)).inkBefore, 100U);

    const KeySignature eFlat = KeySignature::ofFifths(-3).value();
    for (const int scale : scales) {
        QImage paper(art::notepicture::size * scale, QImage::Format_ARGB32_Premultiplied);
        paper.fill(Qt::white);
        paper.setDevicePixelRatio(scale);
        const QImage picture = art::notepicture::renderInKey(StaffClef::Alto, eFlat, 63, paper);
        ASSERT_EQ(picture.size(), art::notepicture::size * scale);
        EXPECT_EQ(picture.devicePixelRatio(), scale);
        const Lines lines = findLines(picture);
        const Lines exercise = findLines(art::notepicture::render(Clef::Treble, 67, Accidental::None, paper));
        ASSERT_EQ(lines.y.size(), 5U);
        for (std::size_t i = 0; i < lines.y.size(); ++i) {
            EXPECT_NEAR(lines.y[i], exercise.y[i], 0.1);
        }
        EXPECT_TRUE(art::notepicture::renderInKey(StaffClef::Alto, eFlat, 64, paper).isNull());  // E natural
    }
}

// A note of any kind on a staff with a signature, as a results file may
// hold one: the sign the key gives is not drawn again; a sharp or flat the
// key lacks is; a white key outside the key gets a natural, narrower than a
// sharp, and stands on its letter's line or space all the same.
TEST_F(KeyStaff, NotesOutsideTheKeyCarryTheirOwnSignOrANatural)
{
    using art::Sign;
    const KeySignature c;
    const KeySignature d = KeySignature::ofFifths(2).value();
    const KeySignature eFlat = KeySignature::ofFifths(-3).value();
    const struct {
        KeySignature key;
        int note;
        Accidental written;
        Sign beside;
    } cases[] = {
        {d, 66, Accidental::Sharp, Sign::None},       {d, 66, Accidental::Flat, Sign::Flat},
        {d, 65, Accidental::None, Sign::Natural},     {d, 60, Accidental::None, Sign::Natural},
        {d, 62, Accidental::None, Sign::None},        {d, 68, Accidental::Sharp, Sign::Sharp},
        {eFlat, 70, Accidental::Flat, Sign::None},    {eFlat, 71, Accidental::None, Sign::Natural},
        {eFlat, 69, Accidental::None, Sign::Natural}, {eFlat, 66, Accidental::Sharp, Sign::Sharp},
        {eFlat, 61, Accidental::Flat, Sign::Flat},    {eFlat, 63, Accidental::Sharp, Sign::Sharp},
        {c, 66, Accidental::Sharp, Sign::Sharp},      {c, 70, Accidental::Flat, Sign::Flat},
        {c, 64, Accidental::None, Sign::None},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(art::signBeside(k.key, k.note, k.written), k.beside) << k.key.fifths() << " " << k.note;
    }

    const art::Engraver e = art::notepicture::engraver();
    const qreal x = e.noteColumn(d);
    const QImage staff = keyStaff(1, StaffClef::Treble, d);
    auto drawn = [&](int note, Accidental written) {
        QImage image = staff.copy();
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        e.drawNoteAt(painter, StaffClef::Treble, d, note, written, x);
        return image;
    };
    EXPECT_EQ(drawn(66, Accidental::Sharp), keyStaff(1, StaffClef::Treble, d, 66)) << "as the key writes it";
    const Lines lines = findLines(staff);
    const qreal edge = x - e.headWidth(art::NoteHead::Whole) / 2.0;
    auto signBox = [&](const QImage& with) {
        const QRect before(qRound(e.signatureEnd(StaffClef::Treble, d)) + 2, 0,
                           qRound(edge - e.signatureEnd(StaffClef::Treble, d)) - 4, with.height());
        QRect box;
        for (const QPoint& p : added(with, staff, before)) {
            box = box.united(QRect(p, QSize(1, 1)));
        }
        return box;
    };
    const QImage natural = drawn(65, Accidental::None);
    const FoundNote f = findNote(natural, staff, x, e.signatureEnd(StaffClef::Treble, d));
    EXPECT_NEAR(lines.stepOf(f.centreY), 1.0, 0.25) << "F, the first space";
    const QRect naturalBox = signBox(natural);
    const QRect sharpBox = signBox(drawn(68, Accidental::Sharp));
    EXPECT_GT(naturalBox.height(), 2.5 * lines.space());
    EXPECT_LT(naturalBox.width(), sharpBox.width() - 0.2 * lines.space());
    EXPECT_GT(naturalBox.width(), 0.5 * lines.space());
}

namespace {

// The phrase's staff on white, with no note.
QImage phraseStaff(int scale, StaffClef clef, KeySignature key, int count)
{
    const art::notepicture::PhraseLayout layout = art::notepicture::phraseLayout(key, count);
    QImage image = blank(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    art::Engraver e(layout.lines);
    e.drawStaff(painter, layout.lines, clef, key);
    return image;
}

// The step a note of the key is written on, worked out letter by letter: a
// black key on the letter below in a sharp key, above in a flat one.
int expectedStep(StaffClef clef, KeySignature key, int note)
{
    auto letters = [](int whiteKey) {
        constexpr int letterOf[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
        return whiteKey / 12 * 7 + letterOf[whiteKey % 12];
    };
    constexpr int blacks[] = {1, 3, 6, 8, 10};
    const bool black = std::find(std::begin(blacks), std::end(blacks), note % 12) != std::end(blacks);
    const int written = !black ? note : key.sign() == Accidental::Sharp ? note - 1 : note + 1;
    const int bottomLine[] = {64, 43, 53, 50};  // E4, G2, F3, D3
    return letters(written) - letters(bottomLine[static_cast<int>(clef)]);
}

// The filled heads a phrase adds to its staff, left to right: each the ink
// its bare columns keep apart; its middle column; the rows of its ledger
// lines, seen where they reach past the head; the middle of the head's rows
// less those.
struct FoundHead {
    double x = 0.0;
    double centreY = 0.0;
    int ledgerLines = 0;
    QRect box;
};

std::vector<FoundHead> findHeads(const QImage& with, const QImage& without, qreal space)
{
    const int ratio = static_cast<int>(with.devicePixelRatio());
    const double halfHead = art::Engraver(QRectF(0, 0, 10, 4 * space)).headWidth(art::NoteHead::Black) / 2.0 * ratio;
    const double overhang = art::proportion::ledgerOverhang * space * ratio;
    const QRect aboveCaption(0, 0, with.width(), 215 * ratio);
    std::vector<FoundHead> heads;
    for (const QRect& box : partsApart(added(with, without, aboveCaption))) {
        FoundHead head;
        head.box = box;
        head.x = (box.left() + box.right() + 1) / 2.0;
        std::set<int> ledgerRows;
        for (const double beyond : {-1.0, 1.0}) {
            const auto column = static_cast<int>(std::floor(head.x + beyond * (halfHead + overhang / 2.0)));
            for (const QPoint& p : added(with, without, QRect(column, box.top(), 1, box.height()))) {
                ledgerRows.insert(p.y());
            }
        }
        const auto left = static_cast<int>(std::round(head.x - halfHead / 2.0));
        int top = with.height();
        int bottom = -1;
        for (const QPoint& p : added(with, without, QRect(left, box.top(), qRound(halfHead), box.height()))) {
            if (ledgerRows.count(p.y()) == 0) {
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
            }
        }
        head.centreY = (top + bottom + 1) / 2.0;
        for (const int row : ledgerRows) {
            head.ledgerLines += ledgerRows.count(row - 1) == 0 ? 1 : 0;
        }
        heads.push_back(head);
    }
    return heads;
}

// Phrases of four and eight notes that put each clef's lowest and highest
// notes of the key side by side, so that neighbours both carry ledger lines.
std::vector<int> phraseOf(StaffClef clef, KeySignature key, int count)
{
    std::vector<int> inKey;
    for (int note = keyboard::pitch::clefRange(clef).lowest; note <= keyboard::pitch::clefRange(clef).highest; ++note) {
        if (key.contains(note)) {
            inKey.push_back(note);
        }
    }
    const std::size_t last = inKey.size() - 1;
    const std::size_t mid = last / 2;
    const std::vector<std::size_t> picks =
        count == 4 ? std::vector<std::size_t>{last, 0, mid, 2}
                   : std::vector<std::size_t>{0, last, 3, last - 2, mid, 1, last - 1, mid + 1};
    std::vector<int> notes(picks.size());
    std::transform(picks.begin(), picks.end(), notes.begin(), [&](std::size_t i) { return inKey[i]; });
    return notes;
}

}  // namespace

// A drill note in any clef: in the treble and bass clefs the drill's own
// picture, a white key in a C clef the note of C major there, and a black
// key with its sign before the head, on the letter the sign goes with.
TEST_F(KeyStaff, DrillNotesInEveryClef)
{
    for (const int scale : scales) {
        const QImage paper = blank(scale);
        EXPECT_EQ(art::notepicture::renderInClef(StaffClef::Treble, 66, Accidental::Flat, paper),
                  art::notepicture::render(Clef::Treble, 66, Accidental::Flat, paper));
        EXPECT_EQ(art::notepicture::renderInClef(StaffClef::Bass, 41, Accidental::None, paper),
                  art::notepicture::render(Clef::Bass, 41, Accidental::None, paper));
        EXPECT_EQ(art::notepicture::renderInClef(StaffClef::Alto, 53, Accidental::None, paper),
                  art::notepicture::renderInKey(StaffClef::Alto, KeySignature(), 53, paper));
    }
    const art::Engraver e = art::notepicture::engraver();
    for (const StaffClef clef : {StaffClef::Alto, StaffClef::Tenor}) {
        const QImage staff = keyStaff(1, clef, KeySignature());
        const Lines lines = findLines(staff);
        for (const auto& [note, sign] : {std::pair{61, Accidental::Sharp}, std::pair{61, Accidental::Flat}}) {
            QImage with = staff.copy();
            {
                QPainter painter(&with);
                painter.setRenderHint(QPainter::Antialiasing);
                e.drawNoteAt(painter, clef, note, sign, e.noteColumn());
            }
            const FoundNote found = findNote(with, staff, e.noteColumn(), e.clefEnd(clef));
            EXPECT_GT(found.inkBefore, 100U) << "the sign before the head";
            const int letter = sign == Accidental::Sharp ? 60 : 62;  // C sharp on C, D flat on D
            EXPECT_NEAR(lines.stepOf(found.centreY), expectedStep(clef, KeySignature(), letter), 0.25)
                << static_cast<int>(clef);
        }
    }
}

// The page heard before it is seen: the key's staff of the note pictures,
// pixel for pixel, with nothing after the signature but the lines.
TEST_F(KeyStaff, StaffPageHasNoNote)
{
    const art::Engraver e = art::notepicture::engraver();
    const KeySignature keys[] = {KeySignature(), KeySignature::ofFifths(3).value(), KeySignature::ofFifths(-4).value()};
    for (const int scale : scales) {
        for (const StaffClef clef : allStaffClefs) {
            for (const KeySignature k : keys) {
                SCOPED_TRACE(testing::Message() << scale << "x clef " << static_cast<int>(clef) << " " << k.fifths());
                const QImage staff = art::notepicture::renderStaff(clef, k, blank(scale), QString());
                EXPECT_EQ(staff, keyStaff(scale, clef, k));
                const Lines lines = findLines(staff);
                ASSERT_EQ(lines.y.size(), 5U);
                int offLines = 0;
                for (int y = 0; y < 215 * scale; ++y) {
                    for (int x = qRound(e.signatureEnd(clef, k) * scale) + 2; x < 226 * scale; ++x) {
                        offLines += darkness(staff, x, y) > 60 && !lines.near(y + 0.5, 1.5 * scale) ? 1 : 0;
                    }
                }
                EXPECT_EQ(offLines, 0);
            }
        }
    }
}

// Four and eight notes in every clef, in a sharp key and a flat one: as many
// heads as notes, apart and left to right where the layout says, after the
// signature and before the bar, each on its letter's line or space with its
// ledger lines; the marker, red, under the current note alone, below its
// head and the staff; none once the phrase is over. At 2x the same layout,
// doubled.
TEST_F(KeyStaff, PhraseHeadsInOrderAndTheMarker)
{
    const KeySignature keys[] = {KeySignature::ofFifths(4).value(), KeySignature::ofFifths(-3).value()};
    for (const StaffClef clef : allStaffClefs) {
        for (const KeySignature k : keys) {
            for (const int count : {4, 8}) {
                const std::vector<int> notes = phraseOf(clef, k, count);
                const art::notepicture::PhraseLayout layout = art::notepicture::phraseLayout(k, count);
                ASSERT_EQ(layout.columns.size(), notes.size());
                const art::Engraver e(layout.lines);
                std::vector<FoundHead> atOne;
                for (const int scale : scales) {
                    SCOPED_TRACE(testing::Message() << scale << "x clef " << static_cast<int>(clef) << " " << k.fifths()
                                                    << " " << count << " notes");
                    const QImage bare = phraseStaff(scale, clef, k, count);
                    const Lines lines = findLines(bare);
                    ASSERT_EQ(lines.y.size(), 5U);
                    EXPECT_NEAR(lines.space(), e.staffSpace() * scale, 0.5);
                    const QImage unmarked = art::notepicture::renderPhrase(clef, k, notes, -1, blank(scale), "");
                    const std::vector<FoundHead> heads = findHeads(unmarked, bare, e.staffSpace());
                    ASSERT_EQ(heads.size(), notes.size());
                    for (std::size_t i = 0; i < heads.size(); ++i) {
                        EXPECT_NEAR(heads[i].x, layout.columns[i] * scale, 1.0) << i;
                        EXPECT_GT(heads[i].box.left(), e.signatureEnd(clef, k) * scale) << i;
                        EXPECT_LT(heads[i].box.right(), layout.lines.right() * scale) << i;
                        const int step = expectedStep(clef, k, notes[i]);
                        EXPECT_NEAR(lines.stepOf(heads[i].centreY), step, 0.25) << i;
                        EXPECT_EQ(heads[i].ledgerLines, step < 0 ? -step / 2 : std::max(0, (step - 8) / 2)) << i;
                        if (scale == 2) {
                            EXPECT_NEAR(heads[i].x, 2.0 * atOne[i].x, 1.5) << i;
                            EXPECT_NEAR(heads[i].centreY, 2.0 * atOne[i].centreY, 1.5) << i;
                        }
                    }
                    atOne = scale == 1 ? heads : atOne;
                    for (int current = 0; current < count; ++current) {
                        const QImage marked = art::notepicture::renderPhrase(clef, k, notes, current, blank(scale), "");
                        const std::vector<QPoint> ink = added(marked, unmarked, marked.rect());
                        const std::vector<QRect> marker = partsApart(ink);
                        ASSERT_EQ(marker.size(), 1U) << current;
                        EXPECT_NEAR((marker[0].left() + marker[0].right() + 1) / 2.0,
                                    layout.columns[static_cast<std::size_t>(current)] * scale, 1.0)
                            << current;
                        EXPECT_GT(marker[0].top(), heads[static_cast<std::size_t>(current)].box.bottom()) << current;
                        EXPECT_GT(marker[0].top(), lines.y.back() + lines.space() / 2.0) << current;
                        EXPECT_LT(marker[0].bottom(), 215 * scale) << current;
                        const QRgb base = marked.pixel(marker[0].center().x(), marker[0].bottom() - scale);
                        EXPECT_GT(qRed(base), qGreen(base) + 60) << current;  // red
                    }
                    EXPECT_EQ(art::notepicture::renderPhrase(clef, k, notes, count, blank(scale), ""), unmarked);
                }
            }
        }
    }
}

// A phrase with a note outside its key, an empty one or one too long is not
// drawn, as a single note outside the key is not.
TEST_F(KeyStaff, PhrasesThatCannotBeWritten)
{
    const KeySignature g = KeySignature::ofFifths(1).value();
    const std::vector<int> phrases[] = {{67, 69, 71, 72}, {67, 69, 71, 65}, {}, std::vector<int>(9, 67)};
    for (std::size_t i = 0; i < std::size(phrases); ++i) {
        EXPECT_EQ(art::notepicture::renderPhrase(StaffClef::Treble, g, phrases[i], 0, blank(1)).isNull(), i > 0) << i;
    }
    EXPECT_TRUE(art::notepicture::phraseLayout(g, 9).columns.empty());
}
