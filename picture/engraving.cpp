#include "picture/engraving.h"

#include "picture/fonts.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>

namespace art {

namespace {

// Glyph sizes measured on Noto Music, in staff spaces; the layout uses them so
// that positions can be worked out without loading any font.
namespace extent {
constexpr qreal gClefWidth = 2.44;
constexpr qreal fClefWidth = 2.77;
constexpr qreal cClefWidth = 2.70;
constexpr qreal wholeHeadWidth = 1.66;
constexpr qreal blackHeadWidth = 1.19;
constexpr qreal headHeight = 1.0;
constexpr qreal sharpWidth = 1.0;
constexpr qreal sharpAbove = 1.4;  // from the head centre up to the top of the sharp
constexpr qreal sharpBelow = 1.4;
constexpr qreal flatWidth = 0.95;
constexpr qreal flatAbove = 1.75;
constexpr qreal flatBelow = 0.7;
constexpr qreal naturalWidth = 0.7;
constexpr qreal naturalAbove = 1.4;
constexpr qreal naturalBelow = 1.4;
}  // namespace extent

// Music glyphs are traced at this em size and scaled, so that any staff size
// gets the exact outline rather than one rounded to a whole pixel size.
constexpr int tracingEm = 400;

qreal accidentalWidth(Accidental accidental)
{
    switch (accidental) {
    case Accidental::Sharp:
        return extent::sharpWidth;
    case Accidental::Flat:
        return extent::flatWidth;
    case Accidental::None:
        break;
    }
    return 0.0;
}

Sign signOf(Accidental accidental)
{
    switch (accidental) {
    case Accidental::Sharp:
        return Sign::Sharp;
    case Accidental::Flat:
        return Sign::Flat;
    case Accidental::None:
        break;
    }
    return Sign::None;
}

// A sign's box about a head centred at 0, in staff spaces: its width, and
// how far it reaches above and below.
struct SignExtent {
    qreal width = 0.0;
    qreal above = 0.0;
    qreal below = 0.0;
};

SignExtent extentOf(Sign sign)
{
    switch (sign) {
    case Sign::Sharp:
        return {extent::sharpWidth, extent::sharpAbove, extent::sharpBelow};
    case Sign::Flat:
        return {extent::flatWidth, extent::flatAbove, extent::flatBelow};
    case Sign::Natural:
        return {extent::naturalWidth, extent::naturalAbove, extent::naturalBelow};
    case Sign::None:
        break;
    }
    return {};
}

}  // namespace

namespace pitch {

std::vector<int> ledgerSteps(Clef clef, int midiNote, Accidental preferred)
{
    return keyboard::pitch::ledgerStepsOf(staffStep(clef, midiNote, preferred));
}

}  // namespace pitch

QPainterPath musicGlyph(char32_t codePoint, qreal staffSpace, QPointF origin)
{
    QPainterPath traced;
    traced.addText(0.0, 0.0, fonts::music(tracingEm), QString::fromUcs4(&codePoint, 1));
    const qreal scale = 4.0 * staffSpace / tracingEm;
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.scale(scale, scale);
    return t.map(traced);
}

QPainterPath sharpShape(qreal s, qreal right, qreal y)
{
    // Drawn in staff spaces from the top-left corner of the sharp's box, which
    // is sharpAbove over the head centre; two thin uprights, two thick beams
    // rising to the right, the line or space of the note between the beams.
    const qreal left = right - extent::sharpWidth * s;
    const qreal top = y - extent::sharpAbove * s;
    auto at = [&](qreal u, qreal v) { return QPointF(left + u * s, top + v * s); };
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr qreal stem = 0.1;
    // Left upright reaches lower, the right one higher, following the slant.
    path.addRect(QRectF(at(0.24, 0.22), at(0.24 + stem, 2.8)));
    path.addRect(QRectF(at(0.66, 0.0), at(0.66 + stem, 2.58)));
    constexpr qreal beam = 0.42;  // vertical thickness
    constexpr qreal rise = 0.32;  // over the full width
    for (qreal centre : {1.4 - 0.5, 1.4 + 0.5}) {
        QPainterPath b;
        b.moveTo(at(0.0, centre + rise / 2 - beam / 2));
        b.lineTo(at(1.0, centre - rise / 2 - beam / 2));
        b.lineTo(at(1.0, centre - rise / 2 + beam / 2));
        b.lineTo(at(0.0, centre + rise / 2 + beam / 2));
        b.closeSubpath();
        path.addPath(b);
    }
    return path;
}

QPainterPath flatShape(qreal s, qreal right, qreal y)
{
    // In staff spaces from the head centre, x from the left of the stem; the
    // bowl hangs from the stem with its belly on the note's line or space and
    // narrows to a point at the foot of the stem.
    const qreal left = right - extent::flatWidth * s;
    auto at = [&](qreal u, qreal v) { return QPointF(left + u * s, y + v * s); };
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr qreal stem = 0.14;
    path.addRect(QRectF(at(0.0, -extent::flatAbove), at(stem, extent::flatBelow)));
    QPainterPath bowl;
    bowl.setFillRule(Qt::OddEvenFill);
    bowl.moveTo(at(0.07, -0.2));
    bowl.cubicTo(at(0.3, -0.6), at(0.8, -0.72), at(0.95, -0.36));
    bowl.cubicTo(at(1.08, -0.02), at(0.72, 0.35), at(0.07, extent::flatBelow));
    bowl.closeSubpath();
    bowl.moveTo(at(stem, 0.42));
    bowl.cubicTo(at(0.5, 0.2), at(0.7, -0.02), at(0.64, -0.25));
    bowl.cubicTo(at(0.57, -0.48), at(0.3, -0.32), at(stem, -0.1));
    bowl.closeSubpath();
    path.addPath(bowl.simplified());
    return path;
}

QPainterPath naturalShape(qreal s, qreal right, qreal y)
{
    // In staff spaces from the top-left corner of its box, naturalAbove over
    // the head centre: the left upright from the top down to the lower beam,
    // the right one from the upper beam to the foot, two thick beams rising
    // to the right with the line or space of the note between them.
    const qreal left = right - extent::naturalWidth * s;
    const qreal top = y - extent::naturalAbove * s;
    auto at = [&](qreal u, qreal v) { return QPointF(left + u * s, top + v * s); };
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    constexpr qreal stem = 0.12;
    path.addRect(QRectF(at(0.0, 0.0), at(stem, 2.2)));
    path.addRect(QRectF(at(extent::naturalWidth - stem, 0.6), at(extent::naturalWidth, 2.8)));
    constexpr qreal beam = 0.34;  // vertical thickness
    constexpr qreal rise = 0.2;   // over the full width
    for (qreal centre : {1.4 - 0.5, 1.4 + 0.5}) {
        QPainterPath b;
        b.moveTo(at(0.0, centre + rise / 2 - beam / 2));
        b.lineTo(at(extent::naturalWidth, centre - rise / 2 - beam / 2));
        b.lineTo(at(extent::naturalWidth, centre - rise / 2 + beam / 2));
        b.lineTo(at(0.0, centre + rise / 2 + beam / 2));
        b.closeSubpath();
        path.addPath(b);
    }
    return path;
}

Sign signBeside(KeySignature key, int midiNote, Accidental preferred)
{
    const Accidental written = pitch::spelling(midiNote, preferred);
    if (key.spelling(midiNote) == written) {
        return Sign::None;
    }
    return written == Accidental::None ? Sign::Natural : signOf(written);
}

Engraver::Engraver(QRectF lines) : m_lines(lines)
{
}

void Engraver::setStaffLines(QRectF lines)
{
    m_lines = lines;
}

void Engraver::setNoteColumn(qreal x)
{
    m_noteColumn = x;
}

qreal Engraver::noteColumn() const
{
    if (m_noteColumn >= 0.0) {
        return m_noteColumn;
    }
    // Halfway between the wider clef and the end of the lines, so that the
    // treble and bass pictures put their notes in the same column.
    return (clefEnd(Clef::Bass) + m_lines.right()) / 2.0;
}

qreal Engraver::stepY(int step) const
{
    return m_lines.bottom() - step * staffSpace() / 2.0;
}

qreal Engraver::clefEnd(Clef clef) const
{
    const qreal width = clef == Clef::Treble ? extent::gClefWidth : extent::fClefWidth;
    return m_lines.left() + (proportion::clefIndent + width) * staffSpace();
}

qreal Engraver::accidentalEdge(int step, qreal x, NoteHead head) const
{
    // Clear of the head, and of the ledger lines' overhang when there are any.
    const qreal s = staffSpace();
    qreal clearance = proportion::accidentalGap * s;
    if (!keyboard::pitch::ledgerStepsOf(step).empty()) {
        clearance += proportion::ledgerOverhang * s;
    }
    return x - headWidth(head) / 2.0 - clearance;
}

qreal Engraver::headWidth(NoteHead head) const
{
    return (head == NoteHead::Whole ? extent::wholeHeadWidth : extent::blackHeadWidth) * staffSpace();
}

void Engraver::drawStaff(QPainter& painter, QRectF area, Clef clef, QColor ink, bool closingBar)
{
    drawLines(painter, area, ink, closingBar);
    drawClef(painter, clef, ink);
}

void Engraver::drawLines(QPainter& painter, QRectF area, QColor ink, bool closingBar)
{
    setStaffLines(area);
    const qreal s = staffSpace();
    const qreal line = proportion::staffLine * s;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (int step = 0; step <= 8; step += 2) {
        painter.drawRect(QRectF(m_lines.left(), stepY(step) - line / 2.0, m_lines.width(), line));
    }
    if (closingBar) {
        const qreal bar = proportion::barLine * s;
        painter.drawRect(QRectF(m_lines.right() - bar, stepY(8) - line / 2.0, bar, m_lines.height() + line));
    }
    painter.restore();
}

void Engraver::drawClef(QPainter& painter, Clef clef, QColor ink) const
{
    const qreal s = staffSpace();
    QPainterPath path =
        musicGlyph(clef == Clef::Treble ? glyph::gClef : glyph::fClef, s, QPointF(0.0, m_lines.bottom()));
    // The font places the clef on the staff vertically; horizontally its ink
    // starts at the indent.
    path.translate(m_lines.left() + proportion::clefIndent * s - path.boundingRect().left(), 0.0);
    painter.fillPath(path, ink);
}

QPointF Engraver::notePosition(Clef clef, int midiNote, Accidental preferred) const
{
    return notePosition(clef, midiNote, preferred, noteColumn());
}

QPointF Engraver::notePosition(Clef clef, int midiNote, Accidental preferred, qreal x) const
{
    return {x, stepY(pitch::staffStep(clef, midiNote, preferred))};
}

void Engraver::drawNote(QPainter& painter, Clef clef, int midiNote, Accidental preferred, QColor ink,
                        NoteHead head) const
{
    drawNoteAt(painter, clef, midiNote, preferred, noteColumn(), ink, head);
}

void Engraver::drawNoteAt(QPainter& painter, Clef clef, int midiNote, Accidental preferred, qreal x, QColor ink,
                          NoteHead head) const
{
    drawHead(painter, pitch::staffStep(clef, midiNote, preferred), signOf(pitch::spelling(midiNote, preferred)), x, ink,
             head);
}

void Engraver::drawHead(QPainter& painter, int step, Sign drawn, qreal x, QColor ink, NoteHead head) const
{
    const qreal s = staffSpace();
    const QPointF centre(x, stepY(step));
    const qreal halfHead = headWidth(head) / 2.0;

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal ledger = proportion::ledgerLine * s;
    const qreal reach = halfHead + proportion::ledgerOverhang * s;
    for (int ledgerStep : keyboard::pitch::ledgerStepsOf(step)) {
        painter.drawRect(QRectF(x - reach, stepY(ledgerStep) - ledger / 2.0, 2.0 * reach, ledger));
    }
    painter.restore();

    QPainterPath headPath = musicGlyph(head == NoteHead::Whole ? glyph::wholeNote : glyph::blackNotehead, s, QPointF());
    headPath.translate(centre - headPath.boundingRect().center());
    painter.fillPath(headPath, ink);

    const qreal accidentalRight = accidentalEdge(step, x, head);
    switch (drawn) {
    case Sign::Sharp:
        painter.fillPath(sharpShape(s, accidentalRight, centre.y()), ink);
        break;
    case Sign::Flat:
        painter.fillPath(flatShape(s, accidentalRight, centre.y()), ink);
        break;
    case Sign::Natural:
        painter.fillPath(naturalShape(s, accidentalRight, centre.y()), ink);
        break;
    case Sign::None:
        break;
    }
}

QRectF Engraver::noteBounds(Clef clef, int midiNote, Accidental preferred, qreal x, NoteHead head) const
{
    return headBounds(pitch::staffStep(clef, midiNote, preferred), signOf(pitch::spelling(midiNote, preferred)), x,
                      head);
}

QRectF Engraver::headBounds(int step, Sign drawn, qreal x, NoteHead head) const
{
    const qreal s = staffSpace();
    const QPointF centre(x, stepY(step));
    const qreal halfHead = headWidth(head) / 2.0;
    QRectF bounds(centre.x() - halfHead, centre.y() - extent::headHeight * s / 2.0, 2.0 * halfHead,
                  extent::headHeight * s);
    const qreal reach = halfHead + proportion::ledgerOverhang * s;
    const qreal ledger = proportion::ledgerLine * s;
    for (int ledgerStep : keyboard::pitch::ledgerStepsOf(step)) {
        bounds = bounds.united(QRectF(x - reach, stepY(ledgerStep) - ledger / 2.0, 2.0 * reach, ledger));
    }
    if (drawn != Sign::None) {
        const qreal right = accidentalEdge(step, x, head);
        const SignExtent e = extentOf(drawn);
        bounds =
            bounds.united(QRectF(right - e.width * s, centre.y() - e.above * s, e.width * s, (e.above + e.below) * s));
    }
    return bounds;
}

qreal Engraver::clefEnd(StaffClef clef) const
{
    if (const std::optional<Clef> plain = keyboard::pitch::exerciseClef(clef)) {
        return clefEnd(*plain);
    }
    return m_lines.left() + (proportion::clefIndent + extent::cClefWidth) * staffSpace();
}

qreal Engraver::signatureEnd(StaffClef clef, KeySignature key) const
{
    const int count = key.count();
    if (count == 0) {
        return clefEnd(clef);
    }
    const qreal width = accidentalWidth(key.sign()) * count + proportion::signatureGap * (count - 1);
    return clefEnd(clef) + (proportion::signatureIndent + width) * staffSpace();
}

qreal Engraver::noteColumn(KeySignature key) const
{
    if (m_noteColumn >= 0.0) {
        return m_noteColumn;
    }
    qreal widest = clefEnd(Clef::Bass);
    for (const StaffClef clef : keyboard::pitch::allStaffClefs) {
        widest = std::max(widest, signatureEnd(clef, key));
    }
    return (widest + m_lines.right()) / 2.0;
}

void Engraver::drawStaff(QPainter& painter, QRectF area, StaffClef clef, KeySignature key, QColor ink, bool closingBar)
{
    drawLines(painter, area, ink, closingBar);
    drawClef(painter, clef, ink);
    drawKeySignature(painter, clef, key, ink);
}

void Engraver::drawClef(QPainter& painter, StaffClef clef, QColor ink) const
{
    if (const std::optional<Clef> plain = keyboard::pitch::exerciseClef(clef)) {
        drawClef(painter, *plain, ink);
        return;
    }
    // The font draws the C clef centred on the middle line when its baseline
    // is on the bottom line, which is the alto clef; another C clef moves it
    // by the steps between the middle line and middle C's line.
    const qreal s = staffSpace();
    const int shift = keyboard::pitch::middleCStep(clef) - keyboard::pitch::middleCStep(StaffClef::Alto);
    QPainterPath path = musicGlyph(glyph::cClef, s, QPointF(0.0, stepY(shift)));
    path.translate(m_lines.left() + proportion::clefIndent * s - path.boundingRect().left(), 0.0);
    painter.fillPath(path, ink);
}

void Engraver::drawKeySignature(QPainter& painter, StaffClef clef, KeySignature key, QColor ink) const
{
    const qreal s = staffSpace();
    const qreal width = accidentalWidth(key.sign()) * s;
    qreal right = clefEnd(clef) + proportion::signatureIndent * s + width;
    for (const int step : keyboard::pitch::signatureSteps(clef, key)) {
        const qreal y = stepY(step);
        painter.fillPath(key.sign() == Accidental::Sharp ? sharpShape(s, right, y) : flatShape(s, right, y), ink);
        right += width + proportion::signatureGap * s;
    }
}

QPointF Engraver::notePosition(StaffClef clef, int midiNote, Accidental preferred, qreal x) const
{
    return {x, stepY(keyboard::pitch::staffStep(clef, midiNote, preferred))};
}

void Engraver::drawNoteAt(QPainter& painter, StaffClef clef, int midiNote, Accidental preferred, qreal x, QColor ink,
                          NoteHead head) const
{
    drawHead(painter, keyboard::pitch::staffStep(clef, midiNote, preferred),
             signOf(pitch::spelling(midiNote, preferred)), x, ink, head);
}

std::optional<QPointF> Engraver::notePositionInKey(StaffClef clef, KeySignature key, int midiNote, qreal x) const
{
    const std::optional<int> step = keyboard::pitch::staffStepInKey(clef, key, midiNote);
    if (!step) {
        return std::nullopt;
    }
    return QPointF(x, stepY(*step));
}

bool Engraver::drawNoteInKey(QPainter& painter, StaffClef clef, KeySignature key, int midiNote, qreal x, QColor ink,
                             NoteHead head) const
{
    const std::optional<int> step = keyboard::pitch::staffStepInKey(clef, key, midiNote);
    if (!step) {
        return false;
    }
    drawHead(painter, *step, Sign::None, x, ink, head);
    return true;
}

void Engraver::drawNoteAt(QPainter& painter, StaffClef clef, KeySignature key, int midiNote, Accidental preferred,
                          qreal x, QColor ink, NoteHead head) const
{
    drawHead(painter, keyboard::pitch::staffStep(clef, midiNote, preferred), signBeside(key, midiNote, preferred), x,
             ink, head);
}

QRectF Engraver::noteBounds(StaffClef clef, KeySignature key, int midiNote, Accidental preferred, qreal x,
                            NoteHead head) const
{
    return headBounds(keyboard::pitch::staffStep(clef, midiNote, preferred), signBeside(key, midiNote, preferred), x,
                      head);
}

std::optional<QRectF> Engraver::noteBoundsInKey(StaffClef clef, KeySignature key, int midiNote, qreal x,
                                                NoteHead head) const
{
    const std::optional<int> step = keyboard::pitch::staffStepInKey(clef, key, midiNote);
    if (!step) {
        return std::nullopt;
    }
    return headBounds(*step, Sign::None, x, head);
}

}  // namespace art
