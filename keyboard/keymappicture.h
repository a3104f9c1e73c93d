#pragma once

#include <QString>

#include <functional>
#include <string>

class QImage;

// The picture of the computer keyboard's piano keys, drawn from the same map
// the program plays: the help window shows it for the user's layout, and
// tavelin-keyboardmap writes it for the manual (docs/keyboard-map.png).
namespace keyboard {

// The layouts whose caps the map can show.
enum class CapsLayout { Azerty, Qwerty, Qwertz };

// The layout most keyboards have where people speak the locale's language,
// as a BCP 47 name ("fr-FR", "de-CH", "en-US"): AZERTY for French (but not
// in Canada or Switzerland) and Belgian Dutch; QWERTZ for German, Swiss,
// Czech, Slovak, Hungarian and the South Slavic languages; QWERTY elsewhere.
CapsLayout capsLayoutFor(const std::string& bcp47);

// The map's words and the names of its notes: the French ones unless the
// window speaks another language.
struct MapWords {
    QString title = QStringLiteral("Jouer au clavier de l'ordinateur");
    // %1 the large caps' layout, %2 the small ones'.
    QString legend = QStringLiteral(
        "En grand : la touche d'un clavier %1 ; en petit : la même touche en %2. "
        "En bas : la note et son numéro MIDI (60 = do du milieu), sans décalage d'octave. Touches grises : aucune "
        "note.");
    // A key's note as its cap shows it ("Do#"); none: the French letter, capitalised.
    std::function<QString(int note)> noteName;
};

// The picture of the map: the four rows in their places, each key with its
// caps on the given layout in large (and on QWERTY in small, or on AZERTY
// when the layout is QWERTY), and the note it plays.
QImage drawKeyboardMap(CapsLayout layout = CapsLayout::Azerty, const MapWords& words = {});

}  // namespace keyboard
