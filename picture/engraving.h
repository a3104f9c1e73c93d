#pragma once

#include "keyboard/keysignature.h"
#include "keyboard/pitch.h"
#include "keyboard/staffclef.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;

// Music engraving with QPainter: a five-line staff, the treble and bass clefs
// (and the alto and tenor C clefs, with a key signature after the clef),
// note heads with their ledger lines and accidentals, placed from MIDI note
// numbers. The generator draws the note pictures with it, and the progress
// report draws its staves with it, so the same pitch always lands on the same
// line or space. Positions need no font; drawing needs fonts::load() first.
namespace art {

// The clefs and the signs are those of the pitch rules (keyboard/pitch.h).
using Clef = keyboard::pitch::Clef;
using Accidental = keyboard::pitch::Accidental;
// The four clefs a staff may open with, and the key signatures after them.
using StaffClef = keyboard::pitch::StaffClef;
using KeySignature = keyboard::pitch::KeySignature;

enum class NoteHead { Whole, Black };

// The sign drawn beside a note head: a natural only where a key signature
// alters the letter of a white key outside the key.
enum class Sign { None, Sharp, Flat, Natural };

// The sign beside a note written with preferred (a black key's sharp or
// flat) on a staff with the key's signature: none for a note of the key
// written as the signature writes it, its own sharp or flat otherwise, and
// a natural for a white key outside the key (the signature alters every
// letter such a key is written on).
Sign signBeside(KeySignature key, int midiNote, Accidental preferred);

// Printer's black on warm paper: a little brown, never pure black.
constexpr QColor engravingInk(0x1f, 0x1a, 0x16);

// How a note is written (black keys, spelling, written key, staff step):
// the rules of keyboard/pitch.h, under the engraving's names.
namespace pitch {

using keyboard::pitch::diatonicIndex;
using keyboard::pitch::isBlackKey;
using keyboard::pitch::middleC;
using keyboard::pitch::spelling;
using keyboard::pitch::staffStep;
using keyboard::pitch::writtenKey;

// Steps of the ledger lines the note needs, nearest the staff first
// (e.g. treble E3 needs -2, -4, -6: C4, A3 and F3).
std::vector<int> ledgerSteps(Clef clef, int midiNote, Accidental preferred);
using keyboard::pitch::ledgerSteps;  // in any of the four clefs

}  // namespace pitch

// Music-font characters the engraving uses.
namespace glyph {
constexpr char32_t gClef = 0x1D11E;
constexpr char32_t fClef = 0x1D122;
constexpr char32_t cClef = 0x1D121;
constexpr char32_t wholeNote = 0x1D15D;
constexpr char32_t blackNotehead = 0x1D158;
}  // namespace glyph

// Outline of a music-font character on a staff with the given space (px):
// the font is drawn one em to four spaces, with its baseline on the bottom
// line, so origin is the point of the bottom line where the glyph starts.
QPainterPath musicGlyph(char32_t codePoint, qreal staffSpace, QPointF origin);

// Outlines of the accidentals, drawn as shapes in the proportions of engraved
// music (the text sharp and flat of the font are sized for words, not staves):
// right edge at right, vertically placed for a head centred at y.
QPainterPath sharpShape(qreal staffSpace, qreal right, qreal y);
QPainterPath flatShape(qreal staffSpace, qreal right, qreal y);
QPainterPath naturalShape(qreal staffSpace, qreal right, qreal y);

// Proportions in staff spaces (the distance between two adjacent lines),
// close to those of hand-engraved plates.
namespace proportion {
constexpr double staffLine = 0.13;       // thickness of a staff line
constexpr double ledgerLine = 0.17;      // thickness of a ledger line
constexpr double ledgerOverhang = 0.38;  // a ledger line reaches this far past the head on each side
constexpr double barLine = 0.16;         // thickness of a thin bar line
constexpr double clefIndent = 0.6;       // from the start of the lines to the clef
constexpr double accidentalGap = 0.25;   // between an accidental and its note head or ledger lines
constexpr double signatureIndent = 0.5;  // from the clef to the key signature's first sign
constexpr double signatureGap = 0.2;     // between two signs of a key signature
}  // namespace proportion

class Engraver {
public:
    // lines: the rectangle the five lines span; its top edge is the top line,
    // its bottom edge the bottom line, so its height is four staff spaces.
    explicit Engraver(QRectF lines = QRectF(0.0, 0.0, 200.0, 60.0));

    void setStaffLines(QRectF lines);
    QRectF staffLines() const { return m_lines; }
    qreal staffSpace() const { return m_lines.height() / 4.0; }

    // The x of the note heads' centres when no other is given; by default
    // halfway along the staff between the clef and the end of the lines.
    void setNoteColumn(qreal x);
    qreal noteColumn() const;

    // Vertical centre of a staff step (see pitch::staffStep), in pixels.
    qreal stepY(int step) const;

    // Right edge of the clef drawn by drawStaff, where notes may start.
    qreal clefEnd(Clef clef) const;

    // Sets the lines to area and draws them with the clef at their start and,
    // if asked, a thin bar line closing them.
    void drawStaff(QPainter& painter, QRectF area, Clef clef, QColor ink = engravingInk, bool closingBar = true);
    void drawClef(QPainter& painter, Clef clef, QColor ink = engravingInk) const;

    // Centre of the note head, at the note column or at x.
    QPointF notePosition(Clef clef, int midiNote, Accidental preferred) const;
    QPointF notePosition(Clef clef, int midiNote, Accidental preferred, qreal x) const;

    // The same for a staff in any of the four clefs, with a key signature
    // after its clef. In C major, a treble or bass staff is the one above,
    // pixel for pixel.
    qreal clefEnd(StaffClef clef) const;
    // Right edge of the key signature after the clef (the clef's end when
    // the key has no sign).
    qreal signatureEnd(StaffClef clef, KeySignature key) const;
    // The note column of a staff with a key signature, when no other is
    // given: halfway between the signature after the widest clef and the
    // end of the lines, so that every clef in a key puts its notes in one
    // column (in C major, noteColumn()).
    qreal noteColumn(KeySignature key) const;
    void drawStaff(QPainter& painter, QRectF area, StaffClef clef, KeySignature key = {}, QColor ink = engravingInk,
                   bool closingBar = true);
    void drawClef(QPainter& painter, StaffClef clef, QColor ink = engravingInk) const;
    void drawKeySignature(QPainter& painter, StaffClef clef, KeySignature key, QColor ink = engravingInk) const;
    QPointF notePosition(StaffClef clef, int midiNote, Accidental preferred, qreal x) const;
    // A note with the sign its black key carries, as drawNoteAt draws it,
    // on a staff in any of the four clefs (one with no signature).
    void drawNoteAt(QPainter& painter, StaffClef clef, int midiNote, Accidental preferred, qreal x,
                    QColor ink = engravingInk, NoteHead head = NoteHead::Whole) const;

    // A note of the key on a staff with its signature: on the line or space
    // of its letter, with no accidental, since the signature gives every
    // sign a note of the key carries. Nothing (and nothing drawn) for a note
    // outside the key, which would want a sign of its own (a natural, or a
    // sharp or flat the signature lacks).
    std::optional<QPointF> notePositionInKey(StaffClef clef, KeySignature key, int midiNote, qreal x) const;
    bool drawNoteInKey(QPainter& painter, StaffClef clef, KeySignature key, int midiNote, qreal x,
                       QColor ink = engravingInk, NoteHead head = NoteHead::Whole) const;
    std::optional<QRectF> noteBoundsInKey(StaffClef clef, KeySignature key, int midiNote, qreal x,
                                          NoteHead head = NoteHead::Whole) const;

    // Any note, on a staff with the key's signature: written with
    // preferred's sign, on its letter's line or space, with the sign
    // signBeside gives (none for a note of the key as the signature writes
    // it, as drawNoteInKey draws it).
    void drawNoteAt(QPainter& painter, StaffClef clef, KeySignature key, int midiNote, Accidental preferred, qreal x,
                    QColor ink = engravingInk, NoteHead head = NoteHead::Whole) const;
    QRectF noteBounds(StaffClef clef, KeySignature key, int midiNote, Accidental preferred, qreal x,
                      NoteHead head = NoteHead::Whole) const;

    // Ledger lines, accidental and head, at the note column or at x.
    void drawNote(QPainter& painter, Clef clef, int midiNote, Accidental preferred, QColor ink = engravingInk,
                  NoteHead head = NoteHead::Whole) const;
    void drawNoteAt(QPainter& painter, Clef clef, int midiNote, Accidental preferred, qreal x,
                    QColor ink = engravingInk, NoteHead head = NoteHead::Whole) const;

    // What drawNoteAt covers (accidental, head and ledger lines), for layout.
    QRectF noteBounds(Clef clef, int midiNote, Accidental preferred, qreal x, NoteHead head = NoteHead::Whole) const;

    // Width of a note head in pixels at this staff size.
    qreal headWidth(NoteHead head) const;

private:
    // Right edge of the accidental of a note head on step.
    qreal accidentalEdge(int step, qreal x, NoteHead head) const;
    // A head on step with its ledger lines and the sign drawn beside it.
    void drawHead(QPainter& painter, int step, Sign drawn, qreal x, QColor ink, NoteHead head) const;
    QRectF headBounds(int step, Sign drawn, qreal x, NoteHead head) const;
    void drawLines(QPainter& painter, QRectF area, QColor ink, bool closingBar);

    QRectF m_lines;
    qreal m_noteColumn = -1.0;  // negative: use the default column
};

}  // namespace art
