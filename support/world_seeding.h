#pragma once
// The first start in the user's own folder: the installed sample world is
// copied in, file by file, and nothing that is already there is replaced.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace appfolder {

struct SeedResult {
    bool seeded = false;               // the folder was empty of a world and got the sample
    std::size_t copied = 0;            // files copied
    std::size_t kept = 0;              // files already there, left as they were
    std::vector<std::string> failures; // one line each: what could not be copied and why
};

// Copies every regular file below `from` into the same place below `into`,
// creating folders on the way. An entry that exists in `into` (a file, a
// folder, a link) is never replaced. Links and special files in `from` are
// skipped.
SeedResult copyMissing(const std::filesystem::path& from, const std::filesystem::path& into);

// Creates `folder` when missing and, when it holds no world yet (see
// holdsWorld) and `sample` is a folder, copies the sample in with copyMissing.
SeedResult seedFirstStart(const std::filesystem::path& sample, const std::filesystem::path& folder);

} // namespace appfolder
