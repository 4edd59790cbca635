#include "checker/map_check.h"

#include "checker/check_text.h"
#include "checker/location_check.h"
#include "checker/resource_check.h"
#include "model/action_files.h"
#include "model/location_files.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

#include <algorithm>
#include <array>
#include <map>

namespace checker {
namespace {

using detail::ru;

// Kinds in the order their findings are listed within a location.
int kindRank(const std::string& kind) {
    static const std::array<const char*, 8> order = {
        "resources.", "catalogue.", "picture.", "palette.", "location.", "action.", "cell.", ""};
    for (std::size_t i = 0; i < order.size(); ++i)
        if (kind.rfind(order[i], 0) == 0)
            return static_cast<int>(i);
    return static_cast<int>(order.size());
}

std::string folded(std::string_view name) {
    std::string out(name);
    for (char& c : out)
        c = static_cast<char>(cp1251::foldCase(static_cast<unsigned char>(c)));
    return out;
}

// The locations of the map folder: every name with a configuration, a grid
// or a notes file, by name without regard to case.
std::vector<detail::LocationFilesFound> listLocations(const std::string& folder) {
    std::map<std::string, detail::LocationFilesFound> byName;
    const struct {
        std::int32_t type;
        bool detail::LocationFilesFound::*present;
    } kinds[] = {{model::kConfigFile, &detail::LocationFilesFound::config},
                 {model::kGridFile, &detail::LocationFilesFound::grid},
                 {model::kNotesFile, &detail::LocationFilesFound::notes}};
    for (const auto& kind : kinds) {
        const std::string extension = "." + model::GetFileType(kind.type);
        std::error_code ec;
        for (const std::string& file :
             fsys::listFolder(folder, "*" + extension, fsys::EntryKind::Files, ec)) {
            const std::string name = file.substr(0, file.size() - extension.size());
            if (name.empty())
                continue;
            auto& found = byName[folded(name)];
            if (found.name.empty() || kind.type == model::kConfigFile)
                found.name = name;
            found.*kind.present = true;
        }
    }
    std::vector<detail::LocationFilesFound> locations;
    for (auto& [key, found] : byName)
        locations.push_back(std::move(found));
    return locations;
}

void refuse(CheckResult& result, std::string russian, std::string english) {
    result.ran = false;
    result.failure = std::move(russian);
    result.failureEnglish = std::move(english);
}

} // namespace

std::size_t CheckResult::errors() const {
    return static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.severity == Severity::Error; }));
}

std::size_t CheckResult::warnings() const {
    return findings.size() - errors();
}

CheckResult checkMap(const CheckRequest& request,
                     const std::function<bool(const CheckProgress&)>& progress) {
    CheckResult result;
    const std::string maps = mdlMain::ApplicationFolder() + "Maps\\";
    if (!managers::staysInMapFolder(request.map) || !fsys::isFolder(maps + request.map)) {
        refuse(result,
               ru("Карта \"") + request.map + ru("\" не найдена в ") + detail::shownFile(maps) +
                   ".",
               "There is no map \"" + request.map + "\" in " + detail::shownFile(maps) + ".");
        return result;
    }
    const std::string folder = mdlMain::NormalizeFolder(maps + request.map);
    std::vector<detail::LocationFilesFound> locations = listLocations(folder);
    if (!request.location.empty()) {
        const auto wanted = std::find_if(locations.begin(), locations.end(), [&](const auto& l) {
            return cp1251::sameNameIgnoringCase(l.name, request.location);
        });
        if (wanted == locations.end()) {
            refuse(result,
                   ru("В карте \"") + request.map + ru("\" нет локации \"") + request.location +
                       "\".",
                   "The map \"" + request.map + "\" has no location \"" + request.location + "\".");
            return result;
        }
        locations = {*wanted};
    }

    CheckProgress state;
    state.stage = "resources";
    for (const auto& location : locations) {
        std::error_code ec;
        if (location.config && location.grid)
            state.total +=
                fsys::fileSize(model::locationFile(folder, location.name, model::kGridFile), ec);
    }
    if (progress && !progress(state)) {
        result.cancelled = true;
        return result;
    }

    const detail::ResourceFacts resources =
        detail::checkResources(folder, request.map, result.findings);
    for (const auto& location : locations) {
        const std::uint64_t before = state.done;
        state.stage = "location " + cp1251::toUtf8(location.name);
        const auto step = [&](std::uint64_t bytes) {
            state.done = before + bytes;
            return !progress || progress(state);
        };
        if (!step(0) ||
            !detail::checkLocation(folder, location, resources, result.findings, step)) {
            result.cancelled = true;
            break;
        }
    }

    // Map-wide findings first, then each location's in the order checked; kinds
    // in their order; findings of one kind as they were found.
    std::map<std::string, std::size_t> order{{"", 0}};
    for (const auto& location : locations)
        order.emplace(location.name, order.size());
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [&](const Finding& a, const Finding& b) {
                         const std::size_t la = order[a.location], lb = order[b.location];
                         if (la != lb)
                             return la < lb;
                         return kindRank(a.kind) < kindRank(b.kind);
                     });
    return result;
}

} // namespace checker
