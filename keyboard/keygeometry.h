#pragma once

#include "keyboard/pitch.h"

// Where the 54 keys of the on-screen piano lie, in window pixels. The key
// index is the MIDI note it plays (36 to 89). Design values are in twips
// (15 twips = 1 pixel at 96 dpi) and convert to the nearest pixel.
namespace keyboard {

constexpr int firstKey = 36;
constexpr int lastKey = 89;
constexpr int keyCount = lastKey - firstKey + 1;  // 54: 32 white, 22 black

constexpr int twipsPerPixel = 15;
constexpr int toPixels(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    constexpr bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
    bool operator==(const Rect&) const = default;
};

// The key's colour: black for C#, D#, F#, G# and A# (pitch::isBlackKey).
constexpr bool isBlack(int note)
{
    return pitch::isBlackKey(note);
}

constexpr bool isKey(int note)
{
    return note >= firstKey && note <= lastKey;
}

// Position of a white key among the white keys (0 to 31), counting from 36.
int whiteIndex(int whiteNote);

// The key's rectangle in pixels; white keys touch, black keys straddle the
// boundary between their white neighbours.
Rect keyRect(int note);

}  // namespace keyboard
