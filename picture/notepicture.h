#pragma once

#include "picture/engraving.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

// The note pictures: one note on a staff, on workbook paper, as the note panel
// shows them (picture/<clef and spelling><MIDI note>.jpg).
namespace art::notepicture {

constexpr QSize size(250, 250);

// Every note picture has its staff in the same place, in both clefs, so that
// the page stays still from note to note and only the note moves. The lines
// sit a little above the centre to leave room for the caption; from the
// lowest note (E3 in treble, three ledger lines down) to the highest (F6,
// three up) there are twelve staff spaces, and one space is 15 px.
constexpr qreal staffSpace = 15.0;
constexpr QRectF staffLines(18.0, 90.0, 214.0, 4.0 * staffSpace);

// The paper every note picture and panel message is printed on; at scale 2
// with twice the pixels each way, for screens of device pixel ratio 2.
constexpr std::uint64_t paperSeed = 0x7a5e11a0;
QImage paper(int scale = 1);

// The engraver with that staff.
Engraver engraver();

// The file-name prefix of a clef and spelling: 1 treble sharps, 2 treble flats,
// 3 bass sharps, 4 bass flats.
int prefix(Clef clef, Accidental spelling);

// The file name of a note picture, e.g. "152.jpg" or "446.jpg".
QString fileName(Clef clef, Accidental spelling, int midiNote);

// Draws the picture of midiNote (a black key written with the given
// accidental) on a copy of paper, which must be at least size (logical
// pixels); the picture has the paper's device pixel ratio. The caption is
// the question along its foot, in the window's language.
QImage render(Clef clef, int midiNote, Accidental spelling, const QImage& paper,
              const QString& caption = QStringLiteral("Quelle est cette note\u202F?"));

// The same picture for a note of a key, on the same staff in any of the four
// clefs with the key's signature after the clef, the note without a sign of
// its own. A null image for a note outside the key.
QImage renderInKey(StaffClef clef, KeySignature key, int midiNote, const QImage& paper,
                   const QString& caption = QStringLiteral("Quelle est cette note\u202F?"));

// The picture of render in any of the four clefs: a note with the sign its
// black key carries, on the staff of renderInKey without a signature. In
// the treble and bass clefs, render's picture pixel for pixel.
QImage renderInClef(StaffClef clef, int midiNote, Accidental spelling, const QImage& paper,
                    const QString& caption = QStringLiteral("Quelle est cette note\u202F?"));

// The staff of renderInKey with its clef and signature and no note: the page
// while a note is heard and not yet shown.
QImage renderStaff(StaffClef clef, KeySignature key, const QImage& paper,
                   const QString& caption = QStringLiteral("\u00C9coutez\u2026"));

// A phrase: up to mostPhraseNotes notes of a key side by side on one staff,
// in the order they are played, on the same page. Eight notes with their
// ledger lines do not fit after a four-sign signature at the page's staff
// space (they would want some 290 px, and 87 are left), so a phrase has a
// staff of its own, centred where the page's staff is, with the largest
// whole-pixel space at which that many filled heads with their ledger lines
// fit after the widest clef's four signs, and the marker above the caption:
// 10 px for four notes, 7 px for eight. Filled heads are a quarter narrower
// than whole notes. The room left after the key's signature is shared out
// evenly between the notes, in the same columns for every clef of the key;
// the staff depends on the count alone, so it stays still through a run.
constexpr int mostPhraseNotes = 8;

struct PhraseLayout {
    QRectF lines;                // the staff's five lines, as Engraver takes them
    std::vector<qreal> columns;  // the heads' centres, left to right (logical px)
};

// The layout of a phrase of count notes in the key; no columns for a count
// outside 1 to mostPhraseNotes.
PhraseLayout phraseLayout(KeySignature key, int count);

// Draws the phrase on a copy of paper, with a small red wedge under the note
// at index current, a space under the staff or clear under the note's
// ledger lines (none when current is outside the phrase, e.g. once it is
// played). A null image for an empty phrase, one longer than
// mostPhraseNotes, or one with a note outside the key.
QImage renderPhrase(StaffClef clef, KeySignature key, const std::vector<int>& midiNotes, int current,
                    const QImage& paper, const QString& caption = QStringLiteral("Jouez-les\u2026"));

}  // namespace art::notepicture
