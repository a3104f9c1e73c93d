#include "picture/artwork.h"

#include "keyboard/pitch.h"
#include "platform/version.h"

#include "picture/fonts.h"
#include "picture/notepicture.h"
#include "picture/texture.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace art {

namespace {

// Seeds of the surfaces; changing one changes every picture cut from it.
namespace seed {
constexpr std::uint64_t nameSheet = 0x7a5e11a1;
constexpr std::uint64_t windowSurface = 0x7a5e11a2;
constexpr std::uint64_t logoSurface = 0x7a5e11a3;
}  // namespace seed

namespace colour {
constexpr QColor ink = engravingInk;
constexpr QColor rubric(0x8a, 0x7b, 0x68);    // captions and small print on paper
constexpr QColor ornament(0xb0, 0x93, 0x5c);  // faded gilt rules on paper
constexpr QColor signInk(0x86, 0x24, 0x1c);   // the signs are printed in red, as in a school primer
constexpr QColor surface(0x2c, 0x25, 0x20);   // dark brushed case of the window
constexpr QColor goldLight(0xf3, 0xe0, 0xa6);
constexpr QColor goldMid(0xd1, 0xac, 0x5e);
constexpr QColor goldDark(0x8f, 0x6b, 0x2c);
constexpr QColor stripBlue(0x25, 0x2a, 0x39);
}  // namespace colour

constexpr QSize panelSize(250, 250);

QBrush goldBrush(qreal top, qreal bottom)
{
    QLinearGradient g(0.0, top, 0.0, bottom);
    g.setColorAt(0.0, colour::goldLight);
    g.setColorAt(0.45, colour::goldMid);
    g.setColorAt(0.55, colour::goldMid.darker(108));
    g.setColorAt(1.0, colour::goldDark);
    return QBrush(g);
}

QPainterPath textPath(const QFont& font, const QString& text)
{
    QPainterPath path;
    path.addText(0.0, 0.0, font, text);
    return path;
}

// Moves a text path so that its advance box is centred on x with its
// baseline on baseline (the ink box would shift with every accent).
QPainterPath centredText(const QFont& font, const QString& text, qreal x, qreal baseline)
{
    const QFontMetricsF metrics(font);
    QPainterPath path = textPath(font, text);
    path.translate(x - metrics.horizontalAdvance(text) / 2.0, baseline);
    return path;
}

// Gilt on a dark surface: a soft dark shadow below, the gold, a faint light
// edge above, the way stamped gold leaf catches the light.
void fillGilt(QPainter& painter, const QPainterPath& path)
{
    const QRectF box = path.boundingRect();
    painter.fillPath(path.translated(0.0, 1.3), QColor(0, 0, 0, 150));
    painter.fillPath(path.translated(0.0, -0.5), QColor(0xff, 0xf4, 0xd0, 70));
    painter.fillPath(path, goldBrush(box.top(), box.bottom()));
}

// A symmetric rule: a small lozenge in the middle, a gentle wave out to each
// side ending in a curl. size is the height of the waves in px.
QPainterPath flourish(QPointF centre, qreal halfWidth, qreal size)
{
    QPainterPath path;
    for (const qreal side : {-1.0, 1.0}) {
        auto at = [&](qreal u, qreal v) { return centre + QPointF(side * u * halfWidth, v * size); };
        path.moveTo(at(0.06, 0.0));
        path.cubicTo(at(0.25, -0.55), at(0.45, 0.55), at(0.68, 0.0));
        path.cubicTo(at(0.8, -0.35), at(0.97, -0.55), at(1.0, -0.05));
        path.cubicTo(at(1.02, 0.4), at(0.9, 0.55), at(0.86, 0.2));
        path.cubicTo(at(0.84, 0.0), at(0.9, -0.12), at(0.93, -0.02));
    }
    return path;
}

QPainterPath lozenge(QPointF centre, qreal halfWidth, qreal halfHeight)
{
    QPainterPath path;
    path.moveTo(centre + QPointF(-halfWidth, 0.0));
    path.lineTo(centre + QPointF(0.0, -halfHeight));
    path.lineTo(centre + QPointF(halfWidth, 0.0));
    path.lineTo(centre + QPointF(0.0, halfHeight));
    path.closeSubpath();
    return path;
}

void drawRule(QPainter& painter, QPointF centre, qreal halfWidth, qreal size, QColor colour, qreal width)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(flourish(centre, halfWidth, size));
    painter.fillPath(lozenge(centre, size * 0.45, size * 0.45), colour);
    painter.restore();
}

// A panel message page: paper and the painter ready to write on it.
struct Page {
    QImage image;
    QPainter painter;
    explicit Page(int scale) : image(notepicture::paper(scale)), painter(&image)
    {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
    }
    QImage finish()
    {
        painter.end();
        return image;
    }
};

void writeCentred(QPainter& painter, const QFont& font, const QString& text, qreal baseline, QColor colour)
{
    painter.fillPath(centredText(font, text, panelSize.width() / 2.0, baseline), colour);
}

}  // namespace

QString noteName(int degree)
{
    const std::string_view name = keyboard::pitch::frenchLetters[static_cast<std::size_t>(((degree % 7) + 7) % 7)];
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QImage nameSheet(int scale)
{
    return paperTexture(panelSize, seed::nameSheet, scale);
}

QImage namePicture(const QString& name, bool roomForSign, int scale)
{
    QImage image = nameSheet(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The name starts a little right of the sign area and sits with the middle
    // of its small letters on the middle of the sign (y 125), so that sign
    // and name read together as "do#" would in print.
    const qreal left = roomForSign ? 96.0 : 86.0;
    const qreal right = 236.0;
    qreal pixelSize = 118.0;
    QFont font = fonts::serif(pixelSize);
    while (QFontMetricsF(font).horizontalAdvance(name) > right - left && pixelSize > 40.0) {
        pixelSize -= 2.0;
        font = fonts::serif(pixelSize);
    }
    const QFontMetricsF metrics(font);
    const qreal baseline = std::round(125.0 + metrics.xHeight() / 2.0);
    QPainterPath path = textPath(font, name);
    path.translate(left - path.boundingRect().left(), baseline);
    painter.fillPath(path, colour::ink);

    // A thin gilt rule under the name, well below the sign area.
    const qreal width = path.boundingRect().width();
    drawRule(painter, QPointF(left + width / 2.0, baseline + 34.0), std::max(width / 2.0, 40.0), 5.0, colour::ornament,
             1.1);
    painter.end();
    return image;
}

QImage signPicture(Accidental accidental, int scale)
{
    QImage image = nameSheet(scale).copy(QRect(signArea.topLeft() * scale, signArea.size() * scale));
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Sized like the accidental of a note whose staff space is the height of
    // the names' small letters; centred on the middle of those letters.
    constexpr qreal space = 27.0;
    const qreal y = 50.0;
    if (accidental == Accidental::Flat) {
        painter.fillPath(flatShape(space, 22.0 + 0.45 * space, y + 0.1 * space), colour::signInk);
    } else if (accidental == Accidental::Sharp) {
        painter.fillPath(sharpShape(space, 22.0 + 0.5 * space, y), colour::signInk);
    }
    painter.end();
    return image;
}

QImage startPicture(int noteCount, int scale, const PanelWords& words)
{
    Page page(scale);
    QPainter& p = page.painter;
    writeCentred(p, fonts::serif(88, true), QString::number(noteCount), 104.0, colour::ink);
    writeCentred(p, fonts::serif(30, false, true), words.notes, 138.0, colour::ink);
    drawRule(p, QPointF(125.0, 158.0), 62.0, 6.0, colour::ornament, 1.1);
    writeCentred(p, fonts::serif(28, true), words.ready, 196.0, colour::ink);
    writeCentred(p, fonts::serif(17, false, true), words.firstNote, 224.0, colour::rubric);
    return page.finish();
}

QImage endPicture(int scale, const PanelWords& words)
{
    Page page(scale);
    QPainter& p = page.painter;
    // The last bar of a piece: a held chord and the final double bar.
    const QRectF lines(62.0, 40.0, 126.0, 36.0);
    Engraver staff(lines);
    staff.drawStaff(p, lines, Clef::Treble, colour::ink, false);
    for (int note : {64, 67, 72}) {
        staff.drawNoteAt(p, Clef::Treble, note, Accidental::None, 148.0, colour::ink);
    }
    const qreal lineWidth = proportion::staffLine * staff.staffSpace();
    const QRectF barSpan(0.0, lines.top() - lineWidth / 2.0, 0.0, lines.height() + lineWidth);
    p.fillRect(QRectF(lines.right() - 3.6, barSpan.top(), 3.6, barSpan.height()), colour::ink);
    p.fillRect(QRectF(lines.right() - 3.6 - 2.6 - 1.3, barSpan.top(), 1.3, barSpan.height()), colour::ink);
    writeCentred(p, fonts::serif(27), words.done, 128.0, colour::ink);
    drawRule(p, QPointF(125.0, 150.0), 62.0, 6.0, colour::ornament, 1.1);
    writeCentred(p, fonts::serif(52, true, true), words.bravo, 206.0, colour::ink);
    return page.finish();
}

QImage welcomePicture(int scale, const PanelWords& words)
{
    Page page(scale);
    QPainter& p = page.painter;
    // A treble clef as the page's initial.
    QPainterPath clef = musicGlyph(glyph::gClef, 10.0, QPointF());
    clef.translate(QPointF(125.0, 62.0) - clef.boundingRect().center());
    p.fillPath(clef, colour::ornament);
    writeCentred(p, fonts::serif(44, false, true), words.welcome, 142.0, colour::ink);
    drawRule(p, QPointF(125.0, 162.0), 62.0, 6.0, colour::ornament, 1.1);
    writeCentred(p, fonts::serif(18), words.choose, 196.0, colour::rubric);
    writeCentred(p, fonts::serif(18), words.right, 220.0, colour::rubric);
    return page.finish();
}

QImage logoPicture(int scale)
{
    constexpr QSize size(300, 230);
    QImage image = brushedTexture(size, seed::logoSurface, colour::surface, 6.0, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A soft light from above, then a double gilt frame.
    QRadialGradient glow(QPointF(150.0, 40.0), 220.0);
    glow.setColorAt(0.0, QColor(255, 230, 190, 34));
    glow.setColorAt(1.0, QColor(255, 230, 190, 0));
    p.fillRect(QRect(QPoint(), size), glow);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::goldMid, 1.2));
    p.drawRect(QRectF(7.5, 7.5, size.width() - 15.0, size.height() - 15.0));
    p.setPen(QPen(colour::goldDark, 0.8));
    p.drawRect(QRectF(11.5, 11.5, size.width() - 23.0, size.height() - 23.0));
    for (const QPointF corner :
         {QPointF(11.5, 11.5), QPointF(288.5, 11.5), QPointF(11.5, 218.5), QPointF(288.5, 218.5)}) {
        p.fillPath(lozenge(corner, 4.0, 4.0), colour::goldMid);
    }

    fillGilt(p, centredText(fonts::serif(44, false, true), QStringLiteral("Tavelin"), 150.0, 66.0));
    fillGilt(p, centredText(fonts::serif(44, false, true), QStringLiteral("Piano"), 150.0, 108.0));
    p.setPen(QPen(colour::goldMid, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(flourish(QPointF(150.0, 124.0), 70.0, 5.0));
    p.fillPath(lozenge(QPointF(150.0, 124.0), 2.6, 2.6), colour::goldMid);
    fillGilt(p, centredText(fonts::serif(19), QString::fromLatin1(platform::versionNumber), 150.0, 149.0));

    // A short keyboard across the foot: two octaves in ivory and ebony.
    const QRectF keys(40.0, 162.0, 220.0, 44.0);
    const int whiteCount = 14;
    const qreal whiteWidth = keys.width() / whiteCount;
    QLinearGradient ivory(0.0, keys.top(), 0.0, keys.bottom());
    ivory.setColorAt(0.0, QColor(0xe9, 0xe1, 0xcf));
    ivory.setColorAt(1.0, QColor(0xfb, 0xf7, 0xec));
    p.setPen(Qt::NoPen);
    p.setBrush(ivory);
    p.drawRoundedRect(keys, 2.0, 2.0);
    p.setPen(QPen(QColor(0x7a, 0x6d, 0x5a), 0.8));
    for (int k = 1; k < whiteCount; ++k) {
        p.drawLine(QPointF(keys.left() + k * whiteWidth, keys.top()),
                   QPointF(keys.left() + k * whiteWidth, keys.bottom()));
    }
    p.setPen(Qt::NoPen);
    QLinearGradient ebony(0.0, keys.top(), 0.0, keys.top() + 28.0);
    ebony.setColorAt(0.0, QColor(0x1a, 0x16, 0x14));
    ebony.setColorAt(1.0, QColor(0x3b, 0x33, 0x2d));
    p.setBrush(ebony);
    // Black keys follow the white keys C D F G A of each octave.
    for (int k = 0; k < whiteCount - 1; ++k) {
        const int degree = k % 7;
        if (degree == 2 || degree == 6) {
            continue;
        }
        const qreal x = keys.left() + (k + 1) * whiteWidth - whiteWidth * 0.3;
        p.drawRoundedRect(QRectF(x, keys.top(), whiteWidth * 0.6, 27.0), 1.2, 1.2);
    }
    p.fillRect(QRectF(keys.left(), keys.top(), keys.width(), 2.5), QColor(0x6e, 0x1f, 0x1a));  // the felt strip
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::goldDark, 1.0));
    p.drawRoundedRect(keys.adjusted(-0.5, -0.5, 0.5, 0.5), 2.0, 2.0);
    p.end();
    return image;
}

QImage backgroundPicture(int scale, const QString& tagline)
{
    constexpr QSize size(1024, 548);
    const QImage surface = brushedTexture(size, seed::windowSurface, colour::surface, 7.0, scale);
    QImage image = surface;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A warm light over the upper left, where the title is.
    QRadialGradient glow(QPointF(180.0, 110.0), 330.0);
    glow.setColorAt(0.0, QColor(255, 220, 170, 26));
    glow.setColorAt(1.0, QColor(255, 220, 170, 0));
    p.fillRect(QRect(QPoint(), size), glow);

    // Title.
    fillGilt(p, centredText(fonts::serif(52, false, true), QStringLiteral("Tavelin Piano"), 185.0, 74.0));
    p.setPen(QPen(colour::goldMid, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flourish(QPointF(185.0, 96.0), 120.0, 7.0));
    p.fillPath(lozenge(QPointF(185.0, 96.0), 3.4, 3.4), colour::goldMid);

    // A staff in gilt with a treble clef and a rising arpeggio, its lines
    // fading out at both ends like a vignette in an old method book.
    const QRectF lines(26.0, 148.0, 320.0, 48.0);
    const qreal space = lines.height() / 4.0;
    Engraver staff(lines);
    QLinearGradient fade(lines.left(), 0.0, lines.right(), 0.0);
    QColor lineGold = colour::goldMid;
    fade.setColorAt(0.0, QColor(lineGold.red(), lineGold.green(), lineGold.blue(), 0));
    fade.setColorAt(0.12, lineGold);
    fade.setColorAt(0.85, lineGold);
    fade.setColorAt(1.0, QColor(lineGold.red(), lineGold.green(), lineGold.blue(), 0));
    for (int step = 0; step <= 8; step += 2) {
        const QRectF line(lines.left(), staff.stepY(step) - 0.6, lines.width(), 1.2);
        p.fillRect(line.translated(0.0, 1.0), QColor(0, 0, 0, 110));
        p.fillRect(line, QBrush(fade));
    }
    QPainterPath clef = musicGlyph(glyph::gClef, space, QPointF(0.0, lines.bottom()));
    clef.translate(lines.left() + 1.6 * space - clef.boundingRect().left(), 0.0);
    fillGilt(p, clef);
    // C E G C E G C, black heads with stems: up below the middle line, down from it.
    const std::array<int, 7> arpeggio = {60, 64, 67, 72, 76, 79, 84};
    for (std::size_t i = 0; i < arpeggio.size(); ++i) {
        const int note = arpeggio[i];
        const qreal x = lines.left() + 5.6 * space + static_cast<qreal>(i) * 3.0 * space;
        const QPointF centre = staff.notePosition(Clef::Treble, note, Accidental::None, x);
        QPainterPath head = musicGlyph(glyph::blackNotehead, space, QPointF());
        head.translate(centre - head.boundingRect().center());
        const qreal halfHead = head.boundingRect().width() / 2.0;
        const bool stemUp = pitch::staffStep(Clef::Treble, note, Accidental::None) < 4;
        const qreal stemX = stemUp ? centre.x() + halfHead - 0.6 : centre.x() - halfHead + 0.6;
        const qreal stemEnd = stemUp ? centre.y() - 3.5 * space : centre.y() + 3.5 * space;
        QPainterPath stem;
        stem.addRect(QRectF(QPointF(stemX - 0.6, std::min(centre.y(), stemEnd)),
                            QPointF(stemX + 0.6, std::max(centre.y(), stemEnd))));
        for (int step : pitch::ledgerSteps(Clef::Treble, note, Accidental::None)) {
            stem.addRect(QRectF(centre.x() - halfHead - 4.0, staff.stepY(step) - 0.6, 2.0 * halfHead + 8.0, 1.2));
        }
        fillGilt(p, head.united(stem));
    }

    // A last flourish to close the vignette.
    p.setPen(QPen(colour::goldMid, 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flourish(QPointF(185.0, 252.0), 150.0, 9.0));
    p.fillPath(lozenge(QPointF(185.0, 252.0), 4.0, 4.0), colour::goldMid);
    p.setFont(fonts::serif(15, false, true));
    p.setPen(QColor(0xc9, 0xb2, 0x83));
    p.drawText(QRectF(0.0, 262.0, 370.0, 24.0), Qt::AlignCenter, tagline);

    drawGrandPiano(p, surface, QRectF(645.0, 14.0, 242.0, 232.0));
    p.end();
    return image;
}

QImage iconPicture(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    if (pixels != iconSide) {
        // Scaled by the painter: an image's device pixel ratio below 1 is
        // not honoured when painting.
        p.scale(static_cast<qreal>(pixels) / iconSide, static_cast<qreal>(pixels) / iconSide);
    }
    drawIcon(p);
    p.end();
    return image;
}

void drawIcon(QPainter& p)
{
    constexpr int side = iconSide;
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF tile(1.0, 1.0, 46.0, 46.0);
    QLinearGradient wood(0.0, 0.0, 0.0, side);
    wood.setColorAt(0.0, QColor(0x4a, 0x3b, 0x31));
    wood.setColorAt(1.0, QColor(0x24, 0x1d, 0x19));
    p.setPen(QPen(colour::goldMid, 1.2));
    p.setBrush(wood);
    p.drawRoundedRect(tile.adjusted(0.6, 0.6, -0.6, -0.6), 8.0, 8.0);

    // Five white keys and three black ones along the bottom.
    const QRectF keys(6.0, 24.0, 36.0, 18.0);
    const qreal whiteWidth = keys.width() / 5.0;
    p.setPen(QPen(QColor(0x6a, 0x5c, 0x4c), 0.8));
    p.setBrush(QColor(0xf7, 0xf1, 0xe3));
    for (int k = 0; k < 5; ++k) {
        p.drawRoundedRect(QRectF(keys.left() + k * whiteWidth, keys.top(), whiteWidth, keys.height()), 1.2, 1.2);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x16, 0x14));
    for (int k : {1, 2, 4}) {
        p.drawRoundedRect(QRectF(keys.left() + k * whiteWidth - 2.3, keys.top(), 4.6, 11.0), 0.8, 0.8);
    }
    p.fillRect(QRectF(keys.left(), keys.top(), keys.width(), 1.6), QColor(0x8e, 0x24, 0x1c));

    // A gilt note above them.
    QPainterPath head = musicGlyph(glyph::blackNotehead, 5.6, QPointF());
    head.translate(QPointF(20.0, 17.0) - head.boundingRect().center());
    const QRectF box = head.boundingRect();
    QPainterPath note = head;
    QPainterPath stem;
    stem.addRect(QRectF(box.right() - 1.3, 4.5, 1.3, box.center().y() - 4.5));
    note = note.united(stem);
    QPainterPath hook;
    hook.moveTo(box.right() - 0.2, 4.5);
    hook.cubicTo(box.right() + 1.0, 8.5, box.right() + 8.0, 9.0, box.right() + 5.0, 15.5);
    hook.cubicTo(box.right() + 6.0, 10.5, box.right() + 1.0, 10.0, box.right() - 0.2, 8.5);
    hook.closeSubpath();
    note = note.united(hook);
    p.fillPath(note, goldBrush(4.0, 20.0));
}

QImage nameStripPicture(int scale, const QStringList& names)
{
    constexpr QSize size(1022, 49);
    constexpr int cell = 32;
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(colour::stripBlue);
    image.setDevicePixelRatio(scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QFont font = fonts::serif(19);
    const QFontMetricsF metrics(font);
    // Small letters centred on the strip's middle row.
    const qreal baseline = std::round(size.height() / 2.0 + metrics.xHeight() / 2.0);
    for (int k = 0; k < 32; ++k) {
        const QString name = names.size() == 7 ? names[k % 7] : noteName(k);
        p.fillPath(centredText(font, name, k * cell + cell / 2.0, baseline), Qt::white);
    }
    p.end();
    return image;
}

}  // namespace art
