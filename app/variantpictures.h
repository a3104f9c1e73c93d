#pragma once

#include "keyboard/keysignature.h"
#include "keyboard/staffclef.h"

#include <QHash>
#include <QImage>
#include <QPixmap>

#include <vector>

// The note panel's pictures of the variants, which no file holds: a note of
// a key under its signature or in a C clef, a phrase, and the staff alone
// while a note is heard before it is seen. Drawn by the program at the window's scale, in the
// window's language, each note and staff once.
namespace app {

class VariantPictures {
public:
    explicit VariantPictures(int scale) : m_scale(scale) {}

    // A note of the key in the clef; a null pixmap for a note outside it.
    QPixmap note(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key, int midiNote);
    // A note of the drill (a black key with its sign) in any of the four clefs.
    QPixmap written(keyboard::pitch::StaffClef clef, int midiNote, keyboard::pitch::Accidental spelling);
    // A phrase of the key with the marker under the note at current (none
    // once every note is played).
    QPixmap phrase(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key, const std::vector<int>& notes,
                   int current);
    // The staff with its clef and signature, no note.
    QPixmap staff(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key);

private:
    const QImage& paper();

    int m_scale;
    QImage m_paper;
    QHash<QString, QPixmap> m_drawn;
};

}  // namespace app
