#pragma once
// What the crash-safe writer may leave in a folder when a save is killed:
// its temporary files, hidden entries beside the files they were to replace.

#include <filesystem>
#include <string>
#include <vector>

namespace hardening {

// The names of the hidden entries of a folder, sorted.
std::vector<std::string> leftovers(const std::filesystem::path& folder);

} // namespace hardening
