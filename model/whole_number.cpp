#include "model/whole_number.h"

#include "model/location_config.h"

namespace managers {

std::optional<std::int32_t> wholeNumberIn(std::string_view text, std::int32_t low,
                                          std::int32_t high) {
    const std::optional<std::int32_t> value = model::parseWholeNumber(text);
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

} // namespace managers
