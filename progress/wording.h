#pragma once

#include "exercise/variant.h"
#include "keyboard/staffclef.h"
#include "picture/engraving.h"
#include "progress/mistakes.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

// The words of the reports (the summary --report prints, the report and
// class report pages) in the language of the translation the program has
// loaded, or in the French they are written in when it has loaded none.
// The texts are marked where they stand with QT_TRANSLATE_NOOP("Report", ...)
// (QT_TRANSLATE_N_NOOP for a counted one) and looked up here.
namespace progress::wording {

// "de", "en"...: the loaded translation's language; "fr" when there is none.
std::string language();

// A text marked QT_TRANSLATE_NOOP("Report", ...), as the language says it.
QString say(const char* source);

// A text's %1 filled in with bytes kept as they are (a file's name, which
// need not be UTF-8): "Image : %1" and a path.
std::string withBytes(const QString& text, const std::string& bytes);

// A counted text marked QT_TRANSLATE_N_NOOP("Report", ...): "%1 séance(s)"
// in the form the language gives n, %1 the number as the language writes it.
// In French, "(s)" is the plural's s, from 2 on.
QString counted(const char* source, std::size_t n);

// 1,4 / 1 000 in French, 1.4 / 1,000 in English...: a number rounded as
// printf rounds it, with the language's decimal sign and grouping.
QString number(double value, int decimals);

// "fa dièse 3", "F sharp 3", "fis": a note as the language names it; with
// signs, "fa♯3".
QString noteName(int note, art::Accidental accidental, bool signs = false);

// Middle C as a legend names it: "Do 3" (with a no-break space), "C4", "c1".
QString middleC();

// "clef de sol", "treble clef".
QString clefName(art::Clef clef);

// The exercise a group of notes was asked in, as its heading names it: "À
// l'oreille", "Armure : 2 dièses", "Plusieurs notes", "Clef d'ut 3e ligne
// (alto)", "Armure : 1 bémol · Clef d'ut 4e ligne (ténor)". fifths counts
// for a key only, cClef for the alto and tenor clefs only; the drill in
// its own clefs is named by nothing.
QString variantName(exercise::VariantKind kind, std::optional<int> fifths,
                    std::optional<keyboard::pitch::StaffClef> cClef);

// "octave", "note voisine"...
QString mistakeName(MistakeKind kind);

// A run's start "2024-09-02T..." as the language dates a page: 02/09/2024 in
// French.
QString date(const std::string& started);

}  // namespace progress::wording
