#pragma once

#include <array>
#include <cstdint>

// The shape a key shows during its flash, so that the answer does not rest on
// telling red from green: a tick on a right answer's green flash, a cross on
// a missed note's red one. The key draws it whenever its face has one of the
// two flash colours, which no other moment gives it, so the shape comes and
// goes with the colour.
namespace keyboard {

namespace flashcolour {
constexpr std::uint32_t right = 65280;  // green, red in the low byte
constexpr std::uint32_t missed = 255;   // red
}  // namespace flashcolour

enum class FlashMark { None, Tick, Cross };

constexpr FlashMark flashMarkFor(std::uint32_t faceColour)
{
    return faceColour == flashcolour::right    ? FlashMark::Tick
           : faceColour == flashcolour::missed ? FlashMark::Cross
                                               : FlashMark::None;
}

struct PointF {
    double x;
    double y;
};

struct Stroke {
    PointF from;
    PointF to;
};

// Where the mark stands in a key of the given size, in the key's own pixels:
// a square centred across the key, on a white key low in the part that the
// black keys leave free, on a black key near its tip.
struct MarkBox {
    double left;
    double top;
    double side;
};
MarkBox flashMarkBox(int keyWidth, int keyHeight, bool black);

// The mark's two strokes inside its box (a tick's short and long arms, or a
// cross's two bars), and the width of the dark line that draws them.
std::array<Stroke, 2> flashMarkStrokes(FlashMark mark, const MarkBox& box);
double flashMarkPenWidth(bool black);

}  // namespace keyboard
