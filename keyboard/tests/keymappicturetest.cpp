// The picture of the computer keyboard's piano keys: drawn from the map the
// program plays, one set of caps per layout, and the README's copy is the
// one the tool draws.

#include "keyboard/keymappicture.h"

#include <QImage>

#include <gtest/gtest.h>

#include <utility>

TEST(ComputerKeyboard, TheMapPictureIsDrawn)
{
    const QImage map = keyboard::drawKeyboardMap();
    ASSERT_FALSE(map.isNull());
    EXPECT_GT(map.width(), 800);
    // The bottom row's first key (Z, C3) is a white face, the home row's
    // second (S, C#3) a black one: the picture follows the map.
    const int unit = 60;
    const int margin = 20;
    const int title = 44;
    const auto centre = [&](int quarters, int row) {
        return map.pixelColor(margin + quarters * unit / 4 + unit / 2, margin + title + row * unit + unit / 2 + 8);
    };
    EXPECT_GT(centre(9, 3).lightness(), 200);        // Z
    EXPECT_LT(centre(7 + 4, 2).lightness(), 80);     // S
    EXPECT_LT(centre(4 + 4, 0).lightness(), 80);     // 2
    EXPECT_GT(centre(6, 1).lightness(), 200);        // Q
}

TEST(ComputerKeyboard, TheMapShowsTheCapsOfTheLocalesKeyboard)
{
    using keyboard::CapsLayout;
    const std::pair<const char*, CapsLayout> cases[] = {
        {"fr-FR", CapsLayout::Azerty}, {"fr", CapsLayout::Azerty},     {"fr-BE", CapsLayout::Azerty},
        {"nl-BE", CapsLayout::Azerty}, {"fr-CA", CapsLayout::Qwerty},  {"fr-CH", CapsLayout::Qwertz},
        {"de-DE", CapsLayout::Qwertz}, {"de-CH", CapsLayout::Qwertz},  {"cs-CZ", CapsLayout::Qwertz},
        {"en-US", CapsLayout::Qwerty}, {"nl-NL", CapsLayout::Qwerty},  {"en_GB", CapsLayout::Qwerty},
        {"C", CapsLayout::Qwerty},     {"", CapsLayout::Qwerty},       {"frr", CapsLayout::Qwerty},
    };
    for (const auto& [name, layout] : cases) {
        EXPECT_EQ(keyboard::capsLayoutFor(name), layout) << name;
    }
    // Each layout draws its own caps: the three pictures differ, where the
    // keys and notes are the same.
    const QImage azerty = keyboard::drawKeyboardMap(CapsLayout::Azerty);
    const QImage qwerty = keyboard::drawKeyboardMap(CapsLayout::Qwerty);
    const QImage qwertz = keyboard::drawKeyboardMap(CapsLayout::Qwertz);
    EXPECT_EQ(azerty.size(), qwerty.size());
    EXPECT_NE(azerty, qwerty);
    EXPECT_NE(qwerty, qwertz);
    EXPECT_NE(azerty, qwertz);
}

TEST(ComputerKeyboard, TheReadmePictureIsTheOneTheToolDraws)
{
    // docs/keyboard-map.png is written by tavelin-keyboardmap; after a change
    // to the map or its drawing, run it again (see the README).
    const QImage readme(QStringLiteral(TAVELIN_SOURCE_DIR "/docs/keyboard-map.png"));
    ASSERT_FALSE(readme.isNull());
    EXPECT_EQ(keyboard::drawKeyboardMap().convertToFormat(QImage::Format_RGB32),
              readme.convertToFormat(QImage::Format_RGB32));
}
