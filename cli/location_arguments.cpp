#include "cli/location_arguments.h"

#include "model/location_grid.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

namespace cli {
namespace {

// Digits with an optional sign and blanks around: a number, if too large.
bool isDecimal(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    std::string_view digits = text.substr(first, last - first + 1);
    if (digits.front() == '+' || digits.front() == '-')
        digits.remove_prefix(1);
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

const std::set<std::string>& locationOptions() {
    static const std::set<std::string> options = {"--root", "--map", "--location"};
    return options;
}

std::string displayPath(const std::string& text) {
    return cp1251::toUtf8(fsys::displayText(text));
}

std::string configProblemText(const model::ConfigReading& reading) {
    const auto& problem = reading.problem;
    if (!problem)
        return {};
    switch (problem->kind) {
    case model::ConfigProblem::Kind::NotANumber:
        return problem->key + " = \"" + cp1251::toUtf8(problem->value) + "\"" +
               (isDecimal(problem->value) ? " is out of range (0 to 2147483647)"
                                          : " is not a whole number");
    case model::ConfigProblem::Kind::Negative:
        return problem->key + " = \"" + cp1251::toUtf8(problem->value) + "\" is negative";
    case model::ConfigProblem::Kind::TooLarge:
        return "a grid of Width = " + cp1251::toUtf8(reading.widthText) +
               ", Height = " + cp1251::toUtf8(reading.heightText) + " is too large to hold";
    case model::ConfigProblem::Kind::Unreadable:
        return "cannot be read: " + problem->error.message();
    }
    return {};
}

LocationArguments openLocation(const CommandLine& line) {
    if (const auto root = line.value("--root")) {
        appfolder::setNative(*root);
        if (!fsys::isFolder(mdlMain::ApplicationFolder()))
            throw Failure{"the folder " + *root + " given by --root does not exist"};
    }
    LocationArguments args;
    args.map = cp1251::fromUtf8(line.required("--map"));
    args.location = cp1251::fromUtf8(line.value("--location").value_or("main"));
    args.files = model::locationFiles(args.map, args.location);
    const std::string name = "location \"" + cp1251::toUtf8(args.location) + "\"";

    std::string config = args.files.config;
    if (!mdlMain::FileExists(config))
        throw Failure{name + ": configuration file " + displayPath(config) + " not found"};
    std::string grid = args.files.grid;
    if (!mdlMain::FileExists(grid))
        throw Failure{name + ": grid file " + displayPath(grid) + " not found"};

    const model::ConfigReading reading = model::readLocationConfig(config);
    if (reading.problem)
        throw Failure{name + ": configuration file " + displayPath(config) + ": " +
                      configProblemText(reading)};
    args.size = *reading.size;
    args.expectedGridBytes = static_cast<std::uint64_t>(
        model::LocationGrid::gridBytes(args.size.width, args.size.height));
    return args;
}

} // namespace cli
