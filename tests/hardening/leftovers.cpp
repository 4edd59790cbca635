#include "hardening/leftovers.h"

#include <algorithm>

namespace hardening {

std::vector<std::string> leftovers(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.empty() && name[0] == '.')
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace hardening
