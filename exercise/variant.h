#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the six mode buttons run for a pupil whose settings ask for more than
// the drill: by ear, in a key, in phrases, and whether the C clefs join the
// modes that write notes in more than one clef. A default Variant is the
// drill exactly as designed.
namespace exercise {

enum class VariantKind {
    Drill,   // one note, seen (the design)
    Ear,     // the note sounds first; the staff shows it once answered or missed
    Key,     // notes of a key, under its signature
    Phrase,  // several notes side by side, answered in order
};

struct Variant {
    VariantKind kind = VariantKind::Drill;
    int fifths = 0;              // Key: sharps (1 to 4) or flats (-1 to -4); 0 is C major
    bool newKeyEachRun = false;  // Key: a key drawn anew at every run start
    int phraseNotes = 4;         // Phrase: notes side by side, 4 to 8
    bool cClefs = false;         // the alto and tenor clefs join modes 5 and 6
    bool operator==(const Variant&) const = default;

    bool isDrill() const { return *this == Variant{}; }
};

constexpr int mostFifths = 4;
constexpr int fewestPhraseNotes = 4;
constexpr int mostPhraseNotes = 8;

// The name the results files and the settings give a kind: "", "ear",
// "key", "phrase".
std::string_view variantName(VariantKind kind);
std::optional<VariantKind> variantKindNamed(std::string_view name);

// A variant as --variant and the settings files write it: "ear", "key=-2",
// "key=new", "phrase=6" ("key" alone is C major, "phrase" alone four notes);
// "" or "drill" is the drill. The C clefs are apart (--c-clefs, clefs_ut=).
std::optional<Variant> parseVariant(std::string_view text);
std::string variantText(const Variant& variant);

// Whether the window sounds the note as it comes: the Son box, or by ear,
// which always does.
inline bool soundsFirst(const Variant& variant, bool sonChecked)
{
    return sonChecked || variant.kind == VariantKind::Ear;
}

}  // namespace exercise
