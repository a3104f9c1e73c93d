#pragma once

#include "keyboard/notenaming.h"
#include "picture/artwork.h"

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <optional>

// The pictures that carry words or note names, in the window's language. The
// picture files are the French ones of the design; in another language the
// window draws these pictures itself, with the same drawings, and shows them
// in the files' stead.
namespace app {

// The note naming of the window's language, which its translation names.
const keyboard::naming::Naming& noteNaming();

// The words of the note panel's messages in the window's language.
art::PanelWords panelWords();

class LanguagePictures {
public:
    // Draws nothing for French: the files are shown.
    LanguagePictures(const keyboard::naming::Naming& naming, int scale);

    // The picture drawn in place of a file of the picture folder ("end.jpg",
    // "536.jpg", "152.jpg", "background.jpg"); nothing when the file is
    // shown as it is. A note picture is drawn when first asked for.
    std::optional<QPixmap> instead(const QString& fileName) const;

    // For a naming whose black keys have names of their own (Cis, Des): the
    // name picture of a black key and the blank that covers the sign's place.
    // Nothing for a white key or a naming that shows a sign beside the name.
    struct BlackKeyName {
        QPixmap name;
        QPixmap sign;
    };
    std::optional<BlackKeyName> blackKeyName(int note, keyboard::pitch::Accidental accidental) const;

private:
    std::optional<QPixmap> notePicture(const QString& fileName) const;

    const keyboard::naming::Naming& m_naming;
    int m_scale;
    bool m_french = true;
    QHash<QString, QPixmap> m_drawn;
    mutable QHash<QString, QPixmap> m_notes;  // the note pictures drawn so far
    mutable QImage m_paper;                   // the paper they are drawn on
};

}  // namespace app
