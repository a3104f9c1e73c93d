#pragma once

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

}  // namespace exercise
