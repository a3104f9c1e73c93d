#pragma once

#include <algorithm>
#include <cstdint>

namespace exercise {

constexpr std::int16_t slowestSpeed = 1;
constexpr std::int16_t fastestSpeed = 5;
constexpr std::int16_t answerMarginMs = 200;  // the answer timer fires this long before the next note

// Period of the note tick for a speed-bar value: 6000 ms at 1 down to 2000 ms at 5.
constexpr std::int16_t intervalForSpeed(std::int16_t v)
{
    return static_cast<std::int16_t>((7 - v) * 1000);
}

// How long a note waits for its answer, from its tick. By ear a missed
// note is drawn when its time runs out, and stays up a quarter of the period
// (at least the drill's margin) before the next one comes, long enough to
// see where the sound was written; otherwise the drill's answer time.
// The period is a note's, or a phrase's (past the int16 of a note's at the
// slow speeds).
constexpr int answerTimeMs(int interval, bool byEar)
{
    const int margin = byEar ? std::max<int>(answerMarginMs, interval / 4) : answerMarginMs;
    return interval - margin;
}

}  // namespace exercise
