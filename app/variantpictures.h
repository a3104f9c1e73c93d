#pragma once

#include "keyboard/keysignature.h"
#include "keyboard/staffclef.h"

#include <QHash>
#include <QImage>
#include <QPixmap>

// The note panel's pictures of the variants, which no file holds: a note of
// a key under its signature, and the staff alone while a note is heard
// before it is seen. Drawn by the program at the window's scale, in the
// window's language, each once.
namespace app {

class VariantPictures {
public:
    explicit VariantPictures(int scale) : m_scale(scale) {}

    // A note of the key in the clef; a null pixmap for a note outside it.
    QPixmap note(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key, int midiNote);
    // The staff with its clef and signature, no note.
    QPixmap staff(keyboard::pitch::StaffClef clef, keyboard::pitch::KeySignature key);

private:
    const QImage& paper();

    int m_scale;
    QImage m_paper;
    QHash<QString, QPixmap> m_drawn;
};

}  // namespace app
