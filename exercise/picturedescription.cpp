#include "exercise/picturedescription.h"

#include "exercise/notechoice.h"
#include "keyboard/pitch.h"

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
    using keyboard::pitch::Accidental;
    using keyboard::pitch::Clef;
    std::string text =
        writing->clef == Clef::Treble ? "Note sur la portée : clef de sol" : "Note sur la portée : clef de fa";
    switch (keyboard::pitch::spelling(note, writing->preferred)) {
    case Accidental::Sharp:
        text += ", avec un dièse";
        break;
    case Accidental::Flat:
        text += ", avec un bémol";
        break;
    case Accidental::None:
        break;
    }
    return text;
}

}  // namespace

std::string notePanelDescription(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    const std::string_view file =
        slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1);
    if (file == "001s.jpg") {
        return "Bienvenue";
    }
    if (file == "start50.jpg") {
        return "Début de l'exercice : 50 notes";
    }
    if (file == "end.jpg") {
        return "Fin de l'exercice";
    }
    return describeNote(file);
}

}  // namespace exercise
