#include "cli/grid_arguments.h"

#include "cli/command_line.h"
#include "cli/location_arguments.h"
#include "model/grid_records.h"
#include "support/cp1251.h"

#include <filesystem>

namespace cli {

model::LocationSize parseGridSize(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    const auto bad = [&] {
        return Failure{"the size must be WIDTHxHEIGHT, such as 120x120, not \"" + text + "\""};
    };
    if (x == std::string::npos)
        throw bad();
    const std::string widthText = text.substr(0, x);
    const std::string heightText = text.substr(x + 1);
    const auto digitsOnly = [](const std::string& t) {
        return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
    };
    if (!digitsOnly(widthText) || !digitsOnly(heightText))
        throw bad();
    const auto width = model::parseWholeNumber(widthText);
    const auto height = model::parseWholeNumber(heightText);
    if (!width || !height)
        throw Failure{"the size " + text + " is out of range (0 to 2147483647)"};
    return {*width, *height};
}

std::string sizeText(const model::LocationSize& size) {
    return std::to_string(size.width) + "x" + std::to_string(size.height);
}

std::uint64_t gridFileBytes(const model::LocationSize& size) {
    return model::records::recordBytes(size.width) * (static_cast<std::uint64_t>(size.height) + 1);
}

std::string configOfGrid(const std::string& grid) {
    std::string text = fsys::toText(std::filesystem::path(grid));
    const std::string ending = ".map";
    if (text.size() <= ending.size())
        return {};
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = text[text.size() - ending.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != ending[i])
            return {};
    }
    text.resize(text.size() - ending.size());
    return text + ".config";
}

std::optional<model::LocationSize> sizeFromConfig(const std::string& config) {
    if (config.empty() || fsys::probe(config) == fsys::Probe::Missing)
        return std::nullopt;
    const model::ConfigReading reading = model::readLocationConfig(config);
    if (reading.problem)
        throw Failure{"configuration file " + displayPath(config) + ": " +
                      configProblemText(reading)};
    return *reading.size;
}

fsys::File openGridFile(const std::string& native, std::uint64_t& bytes) {
    fsys::File file;
    std::error_code ec;
    if (!file.openNative(std::filesystem::path(native), fsys::File::Mode::Read, ec))
        throw Failure{"cannot read grid file " + native + ": " + ec.message()};
    bytes = file.size(ec);
    if (ec)
        throw Failure{"cannot read grid file " + native + ": " + ec.message()};
    return file;
}

} // namespace cli
