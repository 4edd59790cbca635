#include "model/location_config.h"

#include "model/location_grid.h"
#include "support/file_system.h"
#include "support/mdl_ini.h"

#include <limits>

namespace model {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<ConfigProblem> checkValue(const std::string& key, const std::string& text,
                                        std::int32_t& out) {
    const auto number = parseWholeNumber(text);
    if (!number)
        return ConfigProblem{ConfigProblem::Kind::NotANumber, key, text};
    if (*number < 0)
        return ConfigProblem{ConfigProblem::Kind::Negative, key, text};
    out = *number;
    return std::nullopt;
}

} // namespace

std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
    std::size_t pos = 0;
    std::size_t end = text.size();
    while (pos < end && isBlank(text[pos]))
        ++pos;
    while (end > pos && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == end)
        return std::nullopt;
    std::int64_t value = 0;
    for (; pos < end; ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max() ||
        value < std::numeric_limits<std::int32_t>::min())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

ConfigReading readLocationConfig(std::string_view configFile) {
    ConfigReading reading;
    if (const std::error_code error = mdlINI::IniReadProblem(configFile)) {
        std::error_code sizeEc;
        const std::uint64_t size = fsys::fileSize(configFile, sizeEc);
        reading.problem = ConfigProblem{ConfigProblem::Kind::Unreadable, "", "",
                                        static_cast<std::int64_t>(size), error};
        return reading;
    }
    reading.widthText = mdlINI::ReadIni(configFile, "CONFIG", "Width", "120");
    reading.heightText = mdlINI::ReadIni(configFile, "CONFIG", "Height", "120");
    LocationSize size;
    if ((reading.problem = checkValue("Width", reading.widthText, size.width)))
        return reading;
    if ((reading.problem = checkValue("Height", reading.heightText, size.height)))
        return reading;
    if (!usableGridSize(size.width, size.height)) {
        const std::int64_t bytes = LocationGrid::gridBytes(size.width, size.height);
        reading.problem = ConfigProblem{ConfigProblem::Kind::TooLarge, "", "", bytes};
        return reading;
    }
    reading.size = size;
    return reading;
}

bool usableGridSize(std::int64_t width, std::int64_t height) {
    if (width < 0 || height < 0 || width > std::numeric_limits<std::int32_t>::max() ||
        height > std::numeric_limits<std::int32_t>::max())
        return false;
    const std::int64_t bytes = LocationGrid::gridBytes(width, height);
    return bytes >= 0 && static_cast<std::uint64_t>(bytes) <= LocationGrid::maxGridBytes() &&
           width * 2 <= std::numeric_limits<std::int32_t>::max();
}

bool writeLocationConfig(std::string_view configFile, std::string_view width,
                         std::string_view height, bool notRound, std::error_code& ec,
                         bool replace) {
    // One save for all keys: a configuration is never seen with only some of
    // them, since its presence is what makes a location exist.
    const mdlINI::IniValue values[] = {{"Width", width}, {"Height", height}, {"Round", "1"}};
    const std::span<const mdlINI::IniValue> stored(values, notRound ? 3 : 2);
    return replace ? mdlINI::ReplaceIniValues(configFile, "CONFIG", stored, ec)
                   : mdlINI::WriteIniValues(configFile, "CONFIG", stored, ec);
}

} // namespace model
