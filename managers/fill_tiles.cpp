#include "managers/fill_tiles.h"

#include "model/whole_number.h"
#include "support/ini_snapshot.h"
#include "support/mdl_main.h"

#include <cstdint>

namespace managers {

std::string editorResourceFolder() {
    return mdlMain::ApplicationFolder() + "Resources\\";
}

std::vector<std::string> fillTileNames() {
    const ini::IniSnapshot catalogue(editorResourceFolder() + "level0.ini");
    const std::optional<std::int32_t> count =
        wholeNumberIn(catalogue.read("DATA", "Count", "-1"), INT16_MIN, INT16_MAX);
    std::vector<std::string> names;
    if (!count || *count < 0)
        return names;
    names.reserve(static_cast<std::size_t>(*count) + 1);
    for (std::int32_t i = 0; i <= *count; ++i)
        names.push_back(catalogue.read("OBJ-" + std::to_string(i), "Name", "Unknown"));
    return names;
}

} // namespace managers
