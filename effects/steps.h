#pragma once

#include <cstdint>

// The arithmetic of the two reading-aid animations. Both slow down linearly:
// the first step is the largest and the last one moves nothing.
namespace effects {

// Sliding the note and name panels apart or together: 17 steps of
// 16, 15, ..., 1, 0 px, each followed by a 16 ms wait: 136 px in all.
constexpr int slideSteps = 17;
constexpr int slideStepWaitMs = 16;
constexpr int slideStep(int i)
{
    return slideSteps - i;
}  // i = 1 .. 17
constexpr int slideTotal()
{
    return slideSteps * (slideSteps - 1) / 2;
}

// Growing or shrinking the window: 40 steps of 39, 38, ..., 1, 0 twips, each
// followed by an 8 ms wait: 780 twips (52 px) in all.
constexpr int growSteps = 40;
constexpr int growStepWaitMs = 8;
constexpr int growStep(int i)
{
    return growSteps - i;
}  // i = 1 .. 40
constexpr int growTotal()
{
    return growSteps * (growSteps - 1) / 2;
}

static_assert(slideTotal() == 136);
static_assert(growTotal() == 780);

// A height kept in twips, shown in whole pixels. Fractions of a pixel are never
// lost: the pixel height is always the rounded twips height, so any sequence of
// steps that adds up to 0 twips returns to the same pixel height.
class TwipsHeight {
public:
    explicit TwipsHeight(int twips) : m_twips(twips) {}
    int twips() const { return m_twips; }
    void setTwips(int twips) { m_twips = twips; }
    int pixels() const { return (m_twips + 7) / 15; }

private:
    int m_twips;
};

}  // namespace effects
