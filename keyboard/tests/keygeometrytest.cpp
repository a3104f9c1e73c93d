#include "keyboard/keygeometry.h"

#include <gtest/gtest.h>

using keyboard::keyRect;
using keyboard::Rect;

TEST(KeyGeometry, WhiteKeysTouchFromLeftToRight)
{
    constexpr int whites[32] = {36, 38, 40, 41, 43, 45, 47, 48, 50, 52, 53, 55, 57, 59, 60, 62,
                                64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84, 86, 88, 89};
    for (int k = 0; k < 32; ++k) {
        EXPECT_EQ(keyRect(whites[k]), (Rect{32 * k, 296, 32, 173})) << "white key " << whites[k];
        EXPECT_EQ(keyboard::whiteIndex(whites[k]), k);
    }
}

TEST(KeyGeometry, BlackKeysStraddleTheirWhiteNeighbours)
{
    constexpr int blacks[22] = {37, 39, 42, 44, 46, 49, 51, 54, 56, 58, 61, 63, 66, 68, 70, 73, 75, 78, 80, 82, 85, 87};
    constexpr int lefts[22] = {23,  55,  119, 151, 183, 247, 279, 343, 375, 407, 471,
                               503, 567, 599, 631, 695, 727, 791, 823, 855, 919, 951};
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(keyRect(blacks[i]), (Rect{lefts[i], 296, 18, 93})) << "black key " << blacks[i];
    }
    int black = 0;
    for (int n = keyboard::firstKey; n <= keyboard::lastKey; ++n) {
        black += keyboard::isBlack(n) ? 1 : 0;
    }
    EXPECT_EQ(black, 22);
    EXPECT_EQ(keyboard::keyCount, 54);
}

TEST(KeyGeometry, TheLastKeyIsCutByTheWindowEdge)
{
    constexpr int clientWidth = 1018;
    const Rect r = keyRect(89);
    EXPECT_EQ(clientWidth - r.x, 26);
    EXPECT_EQ(r.x + r.w, 1024);
    EXPECT_EQ(keyRect(35), Rect{});
    EXPECT_EQ(keyRect(90), Rect{});
}
