#include "model/action_files.h"

#include "model/action_types.h"
#include "model/whole_number.h"
#include "support/ini_snapshot.h"
#include "support/mdl_main.h"

#include <algorithm>
#include <optional>

namespace managers {

std::vector<std::string> readActionIndex(std::string_view indexFile) {
    const ini::IniSnapshot index(indexFile);
    const std::optional<std::int32_t> count =
        wholeNumberIn(index.read("ACTIONS", "Count", "-1"), INT32_MIN, INT32_MAX);
    std::vector<std::string> names;
    if (!count || *count < 0)
        return names;
    const std::int32_t last = std::min(*count, kMostActions - 1);
    names.reserve(static_cast<std::size_t>(last) + 1);
    for (std::int32_t i = 0; i <= last; ++i)
        names.push_back(index.read("ACTIONS", "A" + std::to_string(i), "Noname"));
    return names;
}

std::string stepSuffix(std::int32_t k) {
    return k == 0 ? std::string() : std::to_string(k);
}

bool staysInMapFolder(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string_view::npos;
}

ActionFields readActionFields(std::string_view mapFolder, std::string_view name) {
    ActionFields fields;
    if (!staysInMapFolder(name))
        return fields;
    const ini::IniSnapshot action(std::string(mapFolder) + std::string(name));
    const std::int32_t last = std::min(
        wholeNumberIn(action.read("ACTION", "ActionCount", "0"), INT32_MIN, INT32_MAX).value_or(0),
        kMostSteps - 1);
    for (std::int32_t k = 0; k <= last; ++k) {
        const std::string suffix = stepSuffix(k);
        const std::string type =
            normalizedTypeCode(action.read("ACTION", "ActionType" + suffix, "unknown"));
        if (type == "tell") {
            fields.tellText =
                mdlMain::ReplaceAll(action.read("ACTION", "Text" + suffix, ""), "/n", "\r\n");
            fields.tellStyle =
                wholeNumberIn(action.read("ACTION", "Type" + suffix, "0"), INT32_MIN, INT32_MAX)
                    .value_or(-1);
        } else if (type == "question") {
            fields.questionText =
                mdlMain::ReplaceAll(action.read("ACTION", "Text" + suffix, ""), "/n", "\r\n");
            fields.questionOk = action.read("ACTION", "Ok" + suffix, "");
            fields.questionNone = action.read("ACTION", "None" + suffix, "");
        }
    }
    return fields;
}

} // namespace managers
