#include "exercise/randomnote.h"

#include <cmath>

namespace exercise {

std::int16_t RandomNote::randomnote()
{
    std::uniform_real_distribution<float> unit(0.0F, 1.0F);
    constexpr auto count = static_cast<std::int16_t>(trebleWhiteKeys.size());
    for (;;) {
        // r in [0, 1); the clamp guards the one float rounding that could give 23.
        const float r = unit(m_rng);
        auto i = static_cast<std::int16_t>(std::floor(r * static_cast<float>(count)));
        if (i >= count) {
            i = count - 1;
        }
        if (i != lastpick) {
            lastpick = i;
            return trebleWhiteKeys[static_cast<std::size_t>(i)];
        }
    }
}

}  // namespace exercise
