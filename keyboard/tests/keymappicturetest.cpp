// The picture of the computer keyboard's piano keys: drawn from the map the
// program plays, one set of caps per layout, and the manual's copy is the
// one the tool draws.

#include "keyboard/keymappicture.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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
    EXPECT_GT(centre(9, 3).lightness(), 200);     // Z
    EXPECT_LT(centre(7 + 4, 2).lightness(), 80);  // S
    EXPECT_LT(centre(4 + 4, 0).lightness(), 80);  // 2
    EXPECT_GT(centre(6, 1).lightness(), 200);     // Q
}

TEST(ComputerKeyboard, TheMapShowsTheCapsOfTheLocalesKeyboard)
{
    using keyboard::CapsLayout;
    const std::pair<const char*, CapsLayout> cases[] = {
        {"fr-FR", CapsLayout::Azerty}, {"fr", CapsLayout::Azerty},    {"fr-BE", CapsLayout::Azerty},
        {"nl-BE", CapsLayout::Azerty}, {"fr-CA", CapsLayout::Qwerty}, {"fr-CH", CapsLayout::Qwertz},
        {"de-DE", CapsLayout::Qwertz}, {"de-CH", CapsLayout::Qwertz}, {"cs-CZ", CapsLayout::Qwertz},
        {"en-US", CapsLayout::Qwerty}, {"nl-NL", CapsLayout::Qwerty}, {"en_GB", CapsLayout::Qwerty},
        {"C", CapsLayout::Qwerty},     {"", CapsLayout::Qwerty},      {"frr", CapsLayout::Qwerty},
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

namespace {

// What two drawings of the map must share, whatever the system's font
// rendering: the same size, and every pixel of each found in the other at
// most 1 px away (a glyph or a line of text placed a pixel off) with each
// colour channel within this many levels of 255 (edges smoothed otherwise).
// Debian 13's drawing matches Debian 12's so to the last pixel, even within
// 16 levels (it sets the legend's second line 1 px higher); one cap, one
// note name, one key's face or one small mark changed leaves dozens of
// pixels unmatched.
constexpr int channelTolerance = 40;

bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= channelTolerance && std::abs(qGreen(a) - qGreen(b)) <= channelTolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= channelTolerance;
}

// The pixels of `from` with no near pixel within 1 px in `to` (same size).
int unmatchedIn(const QImage& from, const QImage& to)
{
    int unmatched = 0;
    for (int y = 0; y < from.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        for (int x = 0; x < from.width(); ++x) {
            bool found = false;
            for (int ty = std::max(0, y - 1); ty <= std::min(to.height() - 1, y + 1) && !found; ++ty) {
                const auto* other = reinterpret_cast<const QRgb*>(to.constScanLine(ty));
                for (int tx = std::max(0, x - 1); tx <= std::min(to.width() - 1, x + 1) && !found; ++tx) {
                    found = near(row[x], other[tx]);
                }
            }
            unmatched += found ? 0 : 1;
        }
    }
    return unmatched;
}

// Both ways: a mark added to either picture counts.
int unmatchedPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    return unmatchedIn(left, right) + unmatchedIn(right, left);
}

}  // namespace

TEST(ComputerKeyboard, TheReadmePictureIsTheOneTheToolDraws)
{
    // docs/keyboard-map.png is written by tavelin-keyboardmap; after a change
    // to the map or its drawing, run it again (see docs/contributing.md).
    const QImage readme(QStringLiteral(TAVELIN_SOURCE_DIR "/docs/keyboard-map.png"));
    ASSERT_FALSE(readme.isNull());
    const QImage drawn = keyboard::drawKeyboardMap();
    ASSERT_EQ(drawn.size(), readme.size());
    EXPECT_EQ(unmatchedPixels(drawn, readme), 0);
}

TEST(ComputerKeyboard, TheReadmePictureComparisonSeesTheMapsContentOnly)
{
    const QImage map = keyboard::drawKeyboardMap().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(unmatchedPixels(map, map), 0);

    // Everything drawn a pixel to the right, as a font's other placement does: the same map.
    QImage shifted(map.size(), QImage::Format_RGB32);
    shifted.fill(map.pixel(0, 0));
    QPainter(&shifted).drawImage(1, 0, map);
    EXPECT_EQ(unmatchedPixels(map, shifted), 0);

    // Another map: other caps on the same keys, one key's face another
    // colour, one mark of 6 x 6 px on a key.
    EXPECT_GT(unmatchedPixels(map, keyboard::drawKeyboardMap(keyboard::CapsLayout::Qwerty)), 200);
    const QRect zKey(20 + 9 * 60 / 4 + 2, 20 + 44 + 3 * 60 + 2, 60 - 5, 60 - 5);
    QImage grey = map;
    {
        QPainter p(&grey);
        p.fillRect(zKey.adjusted(8, 8, -8, -8), QColor(0xC8, 0xC5, 0xBE));
    }
    EXPECT_GT(unmatchedPixels(map, grey), 200);
    QImage marked = map;
    QPainter(&marked).fillRect(QRect(zKey.center(), QSize(6, 6)), Qt::black);
    EXPECT_GE(unmatchedPixels(map, marked), 36);
}
