#include "keyboard/keygeometry.h"

namespace keyboard {

namespace {

constexpr int keyTopTwips = 4440;
constexpr int whiteWidthTwips = 480;
constexpr int whiteHeightTwips = 2600;
constexpr int blackWidthTwips = 270;
constexpr int blackHeightTwips = 1400;
constexpr int blackOverhangTwips = 135;  // a black key starts this far left of its white neighbour's right edge

// The pixel rectangle of a twips rectangle, by its edges, so that touching
// keys still touch after rounding.
Rect fromTwips(int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

}  // namespace

int whiteIndex(int whiteNote)
{
    return pitch::diatonicIndex(whiteNote) - pitch::diatonicIndex(firstKey);
}

Rect keyRect(int note)
{
    if (!isKey(note)) {
        return {};
    }
    if (isBlack(note)) {
        const int w = whiteIndex(note - 1);
        return fromTwips(whiteWidthTwips * (w + 1) - blackOverhangTwips, keyTopTwips, blackWidthTwips,
                         blackHeightTwips);
    }
    return fromTwips(whiteWidthTwips * whiteIndex(note), keyTopTwips, whiteWidthTwips, whiteHeightTwips);
}

}  // namespace keyboard
