#include "keyboard/keymappicture.h"

#include "keyboard/computerkeyboard.h"
#include "keyboard/keygeometry.h"
#include "keyboard/pitch.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <array>
#include <optional>
#include <utility>

namespace keyboard {

namespace {

namespace mapdrawing {
constexpr int unit = 60;          // px per key width (a standard key is 1 unit)
constexpr int gap = 5;            // px between keys
constexpr int margin = 20;        // px around the picture
constexpr int titleHeight = 44;   // px
constexpr int legendHeight = 64;  // px
constexpr int pageKeysAt = 57;    // quarter units from the left: the Page keys' column
}  // namespace mapdrawing

// One row as the picture draws it: where its first key starts (in quarter
// units from the left edge), its first key code, and the caps of each key.
struct DrawnRow {
    int startQuarters;
    int firstCode;
    std::array<const char*, 12> azerty;
    std::array<const char*, 12> qwerty;
    std::array<const char*, 12> qwertz;
    int keys;
    const char* leftCap;  // the key at the row's left end, drawn for orientation
    int leftQuarters;     // its width
};

constexpr std::array<DrawnRow, 4> drawnRows = {{
    {4,
     keycodes::digitRowFirst,
     {"&", "é", "\"", "'", "(", "-", "è", "_", "ç", "à", ")", "="},
     {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "="},
     {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "ß", "´"},
     keycodes::digitRowKeys,
     "²",
     4},
    {6,
     keycodes::topRowFirst,
     {"A", "Z", "E", "R", "T", "Y", "U", "I", "O", "P", "^", "$"},
     {"Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]"},
     {"Q", "W", "E", "R", "T", "Z", "U", "I", "O", "P", "Ü", "+"},
     keycodes::topRowKeys,
     "Tab",
     6},
    {7,
     keycodes::homeRowFirst,
     {"Q", "S", "D", "F", "G", "H", "J", "K", "L", "M", "ù", ""},
     {"A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'", ""},
     {"A", "S", "D", "F", "G", "H", "J", "K", "L", "Ö", "Ä", ""},
     keycodes::homeRowKeys,
     "Verr.",
     7},
    {9,
     keycodes::bottomRowFirst,
     {"W", "X", "C", "V", "B", "N", ",", ";", ":", "!", "", ""},
     {"Z", "X", "C", "V", "B", "N", "M", ",", ".", "/", "", ""},
     {"Y", "X", "C", "V", "B", "N", "M", ",", ".", "-", "", ""},
     keycodes::bottomRowKeys,
     "Maj",
     9},
}};

// "Do", "Do#", "Ré" ... "Si": the letter of the key (a black key's as a sharp), capitalised.
QString frenchName(int note)
{
    QString name =
        QString::fromUtf8(pitch::frenchLetter(note).data(), static_cast<qsizetype>(pitch::frenchLetter(note).size()));
    name[0] = name[0].toUpper();
    return pitch::isBlackKey(note) ? name + QLatin1Char('#') : name;
}

QFont sans(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void drawKey(QPainter& p, const QRect& r, const QColor& face, const QColor& ink)
{
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(r, 6, 6);
    p.setPen(ink);
}

const std::array<const char*, 12>& capsOf(const DrawnRow& row, CapsLayout layout)
{
    switch (layout) {
    case CapsLayout::Azerty:
        return row.azerty;
    case CapsLayout::Qwertz:
        return row.qwertz;
    case CapsLayout::Qwerty:
        break;
    }
    return row.qwerty;
}

const char* nameOf(CapsLayout layout)
{
    switch (layout) {
    case CapsLayout::Azerty:
        return "AZERTY";
    case CapsLayout::Qwertz:
        return "QWERTZ";
    case CapsLayout::Qwerty:
        break;
    }
    return "QWERTY";
}

}  // namespace

CapsLayout capsLayoutFor(const std::string& bcp47)
{
    const std::string language = bcp47.substr(0, bcp47.find_first_of("-_"));
    const std::string region = bcp47.size() > language.size() ? bcp47.substr(language.size() + 1, 2) : std::string();
    if (language == "fr") {
        return region == "CA" ? CapsLayout::Qwerty : region == "CH" ? CapsLayout::Qwertz : CapsLayout::Azerty;
    }
    if (language == "nl" && region == "BE") {
        return CapsLayout::Azerty;
    }
    for (const char* qwertz : {"de", "gsw", "cs", "sk", "hu", "sl", "hr", "bs", "sr", "lb", "rm"}) {
        if (language == qwertz) {
            return CapsLayout::Qwertz;
        }
    }
    return CapsLayout::Qwerty;
}

namespace {

using namespace mapdrawing;

QRect keyRect(int quarters, int row, int widthQuarters)
{
    return QRect(margin + quarters * unit / 4 + gap / 2, margin + titleHeight + row * unit + gap / 2,
                 widthQuarters * unit / 4 - gap, unit - gap);
}

// One key of a drawn row: its cap in large on the chosen layout, in small on
// the other, and the note it plays with its MIDI number, if any.
void drawNoteKey(QPainter& p, QRect r, const std::optional<int>& note, const QString& cap, const QString& smallCap,
                 const MapWords& words)
{
    const bool black = note && isBlack(*note);
    const QColor face = !note ? QColor(0xC8, 0xC5, 0xBE) : black ? QColor(0x22, 0x22, 0x22) : QColor(Qt::white);
    const QColor ink = black ? QColor(Qt::white) : QColor(0x20, 0x20, 0x20);
    const QColor faint = black ? QColor(0xAA, 0xAA, 0xAA) : QColor(0x80, 0x80, 0x80);
    drawKey(p, r, face, ink);
    const QRect inside = r.adjusted(6, 3, -5, -3);
    p.setFont(sans(18, true));
    p.drawText(inside, Qt::AlignLeft | Qt::AlignTop, cap);
    p.setPen(faint);
    p.setFont(sans(11));
    p.drawText(inside, Qt::AlignRight | Qt::AlignTop, smallCap);
    if (note) {
        p.setPen(ink);
        p.setFont(sans(13, true));
        p.drawText(inside, Qt::AlignLeft | Qt::AlignBottom, words.noteName ? words.noteName(*note) : frenchName(*note));
        p.setPen(faint);
        p.setFont(sans(10));
        p.drawText(inside, Qt::AlignRight | Qt::AlignBottom, QString::number(*note));
    }
}

void drawRows(QPainter& p, CapsLayout layout, CapsLayout small, const MapWords& words)
{
    const ComputerKeyboardMap map;  // no shift: the notes as the program starts
    for (int row = 0; row < static_cast<int>(drawnRows.size()); ++row) {
        const DrawnRow& d = drawnRows[static_cast<std::size_t>(row)];
        const QRect left = keyRect(0, row, d.leftQuarters);
        drawKey(p, left, QColor(0xDD, 0xDA, 0xD2), QColor(0x77, 0x77, 0x77));
        p.setFont(sans(12));
        p.drawText(left.adjusted(6, 4, -4, -4), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(d.leftCap));
        for (int i = 0; i < d.keys; ++i) {
            const auto k = static_cast<std::size_t>(i);
            drawNoteKey(p, keyRect(d.startQuarters + 4 * i, row, 4), map.noteFor(d.firstCode + i),
                        QString::fromUtf8(capsOf(d, layout)[k]), QString::fromUtf8(capsOf(d, small)[k]), words);
        }
    }
}

void drawPageKeys(QPainter& p)
{
    const std::array<std::pair<const char*, const char*>, 2> pageKeys = {{
        {"Page ↑", "octave +1"},
        {"Page ↓", "octave −1"},
    }};
    for (int i = 0; i < 2; ++i) {
        const QRect r = keyRect(pageKeysAt, 1 + i, 8);
        drawKey(p, r, QColor(0xFF, 0xE8, 0xB0), QColor(0x20, 0x20, 0x20));
        const QRect inside = r.adjusted(6, 3, -5, -3);
        p.setFont(sans(15, true));
        p.drawText(inside, Qt::AlignLeft | Qt::AlignTop,
                   QString::fromUtf8(pageKeys[static_cast<std::size_t>(i)].first));
        p.setFont(sans(12));
        p.drawText(inside, Qt::AlignLeft | Qt::AlignBottom,
                   QString::fromUtf8(pageKeys[static_cast<std::size_t>(i)].second));
    }
}

}  // namespace

QImage drawKeyboardMap(CapsLayout layout, const MapWords& words)
{
    const CapsLayout small = layout == CapsLayout::Qwerty ? CapsLayout::Azerty : CapsLayout::Qwerty;
    const int width = 2 * margin + (pageKeysAt + 10) * unit / 4;
    const int height = 2 * margin + titleHeight + 4 * unit + legendHeight;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF1, 0xEA));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(sans(22, true));
    p.drawText(QRect(margin, margin, width - 2 * margin, titleHeight), Qt::AlignLeft | Qt::AlignTop, words.title);
    drawRows(p, layout, small, words);
    drawPageKeys(p);

    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setFont(sans(14));
    p.drawText(QRect(margin, margin + titleHeight + 4 * unit + 10, width - 2 * margin, legendHeight - 10),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QString(words.legend).arg(QString::fromLatin1(nameOf(layout)), QString::fromLatin1(nameOf(small))));
    p.end();
    return image;
}

}  // namespace keyboard
