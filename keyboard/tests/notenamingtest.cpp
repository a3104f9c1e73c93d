#include "keyboard/notenaming.h"

#include <gtest/gtest.h>

namespace {

using keyboard::naming::namingFor;
using keyboard::pitch::Accidental;

struct Named {
    const char* language;
    int note;
    Accidental accidental;
    const char* panel;  // the note-name panel's name
    const char* words;  // what a screen reader says
    const char* signs;
};

// Middle C and its neighbours, the ends of the keyboard and the black keys
// both ways, in every language.
const Named named[] = {
    {"fr", 60, Accidental::None, "do", "do 3", "do3"},
    {"fr", 61, Accidental::Sharp, "do", "do dièse 3", "do\u266f3"},
    {"fr", 70, Accidental::Flat, "si", "si bémol 3", "si\u266d3"},
    {"fr", 36, Accidental::None, "do", "do 1", "do1"},
    {"fr", 89, Accidental::None, "fa", "fa 5", "fa5"},
    {"it", 62, Accidental::None, "re", "re 3", "re3"},
    {"it", 66, Accidental::Sharp, "fa", "fa diesis 3", "fa\u266f3"},
    {"it", 63, Accidental::Flat, "mi", "mi bemolle 3", "mi\u266d3"},
    {"es", 67, Accidental::None, "sol", "sol 3", "sol3"},
    {"es", 68, Accidental::Sharp, "sol", "sol sostenido 3", "sol\u266f3"},
    {"es", 58, Accidental::Flat, "si", "si bemol 2", "si\u266d2"},
    {"pt", 60, Accidental::None, "dó", "dó 3", "dó3"},
    {"pt", 65, Accidental::None, "fá", "fá 3", "fá3"},
    {"pt", 69, Accidental::None, "lá", "lá 3", "lá3"},
    {"pt", 73, Accidental::Sharp, "dó", "dó sustenido 4", "dó\u266f4"},
    {"en", 60, Accidental::None, "C", "C 4", "C4"},
    {"en", 61, Accidental::Sharp, "C", "C sharp 4", "C\u266f4"},
    {"en", 70, Accidental::Flat, "B", "B flat 4", "B\u266d4"},
    {"en", 36, Accidental::None, "C", "C 2", "C2"},
    {"en", 59, Accidental::None, "B", "B 3", "B3"},
    {"de", 60, Accidental::None, "C", "c1", "c1"},
    {"de", 59, Accidental::None, "H", "h", "h"},
    {"de", 70, Accidental::Flat, "B", "b1", "b1"},
    {"de", 61, Accidental::Sharp, "Cis", "cis1", "cis1"},
    {"de", 61, Accidental::Flat, "Des", "des1", "des1"},
    {"de", 63, Accidental::Flat, "Es", "es1", "es1"},
    {"de", 68, Accidental::Flat, "As", "as1", "as1"},
    {"de", 42, Accidental::Sharp, "Fis", "Fis", "Fis"},
    {"de", 36, Accidental::None, "C", "C", "C"},
    {"de", 24, Accidental::None, "C", "C1", "C1"},
    {"de", 12, Accidental::None, "C", "C2", "C2"},
    {"de", 89, Accidental::None, "F", "f3", "f3"},
    {"nl", 71, Accidental::None, "B", "b1", "b1"},
    {"nl", 70, Accidental::Flat, "Bes", "bes1", "bes1"},
    {"nl", 70, Accidental::Sharp, "Ais", "ais1", "ais1"},
    {"nl", 54, Accidental::Sharp, "Fis", "fis", "fis"},
    {"nl", 56, Accidental::Flat, "As", "as", "as"},
};

TEST(NoteNaming, EachLanguageNamesKeysAsItsTeachersDo)
{
    for (const Named& n : named) {
        const auto& naming = namingFor(n.language);
        EXPECT_EQ(keyboard::naming::pitchName(n.note, n.accidental, naming), n.panel) << n.language << n.note;
        EXPECT_EQ(keyboard::naming::noteName(n.note, n.accidental, naming), n.words) << n.language << n.note;
        EXPECT_EQ(keyboard::naming::noteName(n.note, n.accidental, naming, true), n.signs) << n.language << n.note;
    }
}

TEST(NoteNaming, EveryNameReadsBackAsItsKey)
{
    for (const auto& naming : keyboard::naming::namings()) {
        for (int note = 0; note <= 127; ++note) {
            for (const Accidental a : {Accidental::Sharp, Accidental::Flat}) {
                for (const bool signs : {false, true}) {
                    const std::string name = keyboard::naming::noteName(note, a, naming, signs);
                    EXPECT_EQ(keyboard::naming::parseNoteName(name, naming), note) << naming.language << " " << name;
                }
            }
        }
    }
}

TEST(NoteNaming, NamesAreReadAsTyped)
{
    struct Typed {
        const char* language;
        const char* text;
        std::optional<int> note;
    };
    const Typed typed[] = {
        {"fr", "re3", 62},
        {"fr", "do#3", 61},
        {"fr", "sib2", 58},
        {"fr", "Sol 3", 67},
        {"pt", "do3", 60},
        {"pt", "fa3", 65},
        {"it", "Do3", 60},
        {"es", "mib3", 63},
        {"en", "c4", 60},
        {"en", "C#4", 61},
        {"en", "Bb3", 58},
        {"en", "A4", 69},
        {"de", "c1", 60},
        {"de", "C", 36},
        {"de", "h", 59},
        {"de", "b", 58},
        {"nl", "bes", 58},
        {"nl", "b", 59},
        {"de", "H1", 35},
        {"de", "x1", std::nullopt},
        {"en", "H4", std::nullopt},
        {"fr", "do", std::nullopt},
        {"en", "C", std::nullopt},
    };
    for (const Typed& t : typed) {
        EXPECT_EQ(keyboard::naming::parseNoteName(t.text, namingFor(t.language)), t.note)
            << t.language << " " << t.text;
    }
}

TEST(NoteNaming, UnknownLanguagesNameInFrench)
{
    EXPECT_EQ(namingFor("ja").language, "fr");
    EXPECT_EQ(namingFor("").language, "fr");
    EXPECT_EQ(namingFor("de").language, "de");
}

}  // namespace
