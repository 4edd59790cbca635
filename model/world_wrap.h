#pragma once
// The world wraps around at both edges: a column or row outside the location
// is brought into it by whole turns of the world, however far outside it is.
// Positions already inside are unchanged.

#include <cstdint>

namespace model {

// `position` brought into 0..period - 1; period must be at least 1.
inline std::int32_t wrapIntoWorld(std::int64_t position, std::int32_t period) {
    const std::int64_t wrapped = position % period;
    return static_cast<std::int32_t>(wrapped < 0 ? wrapped + period : wrapped);
}

} // namespace model
