#include "exercise/picturedescription.h"

#include <gtest/gtest.h>
#include <set>

using exercise::notePanelDescription;

TEST(NotePanelDescription, SaysWhatThePictureIsAndNeverWhichNote)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/t/picture/001s.jpg", "Bienvenue"},
        {"/opt/t/picture/start50.jpg", "Début de l'exercice : 50 notes"},
        {"/opt/t/picture/end.jpg", "Fin de l'exercice"},
        {"/opt/t/picture/152.jpg", "Note sur la portée : clef de sol"},
        {"/opt/t/picture/289.jpg", "Note sur la portée : clef de sol"},
        {"/opt/t/picture/336.jpg", "Note sur la portée : clef de fa"},
        {"/opt/t/picture/166.jpg", "Note sur la portée : clef de sol, avec un dièse"},
        {"/opt/t/picture/266.jpg", "Note sur la portée : clef de sol, avec un bémol"},
        {"/opt/t/picture/337.jpg", "Note sur la portée : clef de fa, avec un dièse"},
        {"C:\\t\\picture\\470.jpg", "Note sur la portée : clef de fa, avec un bémol"},
        {"152.jpg", "Note sur la portée : clef de sol"},
        // Anything else is no picture of the panel: nothing is said.
        {"", ""},
        {"/opt/t/picture/", ""},
        {"/opt/t/picture/552.jpg", ""},  // no such prefix
        {"/opt/t/picture/135.jpg", ""},  // below the keyboard
        {"/opt/t/picture/190.jpg", ""},  // above it
        {"/opt/t/picture/1.jpg", ""},
        {"/opt/t/picture/16x.jpg", ""},
        {"/opt/t/picture/152.png", ""},
        {"/opt/t/picture/do.jpg", ""},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(notePanelDescription(path), expected) << path;
    }
    // A note's description cannot tell one note from another of its clef
    // and sign: one description for all the white keys of a prefix, one for
    // all its black keys.
    for (int prefix = 1; prefix <= 4; ++prefix) {
        std::set<std::string> white;
        std::set<std::string> black;
        for (int note = 36; note <= 89; ++note) {
            const std::string d = notePanelDescription(std::to_string(prefix) + std::to_string(note) + ".jpg");
            ASSERT_FALSE(d.empty());
            const int pc = note % 12;
            (pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10 ? black : white).insert(d);
        }
        EXPECT_EQ(white.size(), 1U) << prefix;
        EXPECT_EQ(black.size(), 1U) << prefix;
    }
}
