#include "exercise/picturedescription.h"

#include "exercise/notechoice.h"
#include "keyboard/pitch.h"

#include <QtGlobal>

#include <charconv>
#include <string_view>

namespace exercise {

namespace {

// "1" treble with sharps, "2" treble with flats, "3" bass with sharps,
// "4" bass with flats, followed by the key's MIDI note: "152.jpg".
std::string describeNote(std::string_view file)
{
    constexpr std::string_view extension = ".jpg";
    if (file.size() < 1 + 2 + extension.size() || file.substr(file.size() - extension.size()) != extension) {
        return {};
    }
    const auto writing = keyboard::pitch::writingOfPrefix(file.substr(0, 1));
    if (!writing) {
        return {};
    }
    const std::string_view digits = file.substr(1, file.size() - 1 - extension.size());
    int note = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), note);
    if (error != std::errc() || end != digits.data() + digits.size() || !keyboard::isKey(note)) {
        return {};
    }
    // Whole sentences, so that the window can translate each (context "NotePanel").
    const bool treble = writing->clef == keyboard::pitch::Clef::Treble;
    switch (keyboard::pitch::spelling(note, writing->preferred)) {
    case keyboard::pitch::Accidental::Sharp:
        return treble ? QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de sol, avec un dièse")
                      : QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de fa, avec un dièse");
    case keyboard::pitch::Accidental::Flat:
        return treble ? QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de sol, avec un bémol")
                      : QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de fa, avec un bémol");
    case keyboard::pitch::Accidental::None:
        break;
    }
    return treble ? QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de sol")
                  : QT_TRANSLATE_NOOP("NotePanel", "Note sur la portée : clef de fa");
}

}  // namespace

std::string notePanelDescription(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view file =
        slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
    if (file == "001s.jpg") {
        return QT_TRANSLATE_NOOP("NotePanel", "Bienvenue");
    }
    if (file == "start50.jpg") {
        return QT_TRANSLATE_NOOP("NotePanel", "Début de l'exercice : 50 notes");
    }
    if (file == "end.jpg") {
        return QT_TRANSLATE_NOOP("NotePanel", "Fin de l'exercice");
    }
    return describeNote(file);
}

}  // namespace exercise
