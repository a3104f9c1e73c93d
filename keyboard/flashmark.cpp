#include "keyboard/flashmark.h"

namespace keyboard {

namespace {
constexpr double sideOfWidth = 0.62;  // the square's side, as a share of the key's width
constexpr double whiteCentre = 0.78;  // of a white key's height: below the black keys (they end at 0.54)
constexpr double blackCentre = 0.74;  // of a black key's height
}  // namespace

MarkBox flashMarkBox(int keyWidth, int keyHeight, bool black)
{
    const double side = sideOfWidth * keyWidth;
    const double centreY = (black ? blackCentre : whiteCentre) * keyHeight;
    return MarkBox{(keyWidth - side) / 2.0, centreY - side / 2.0, side};
}

std::array<Stroke, 2> flashMarkStrokes(FlashMark mark, const MarkBox& box)
{
    const auto at = [&box](double u, double v) { return PointF{box.left + u * box.side, box.top + v * box.side}; };
    if (mark == FlashMark::Tick) {
        const PointF corner = at(0.38, 0.86);
        return {Stroke{at(0.08, 0.56), corner}, Stroke{corner, at(0.94, 0.14)}};
    }
    if (mark == FlashMark::Cross) {
        return {Stroke{at(0.12, 0.12), at(0.88, 0.88)}, Stroke{at(0.88, 0.12), at(0.12, 0.88)}};
    }
    return {};
}

double flashMarkPenWidth(bool black)
{
    return black ? 2.5 : 3.5;
}

}  // namespace keyboard
