// mapedit ini get tells a file that is missing (the default is the answer)
// from one that exists but cannot be read (an error, not a default).

#include "test_support/process.h"
#include "test_support/temp_folder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

namespace {

testing_support::ProcessResult get(const fs::path& file) {
    return testing_support::runProcess(MAPEDIT_CLI, {"ini", "get", file.string(), "S", "k", "D"},
                                       std::chrono::seconds(20));
}

TEST(IniGet, AFileThatCannotBeReadIsNamedWithItsReason) {
    TempFolder root;
    fs::create_directory(root.path() / "folder.ini");
    const fs::path large = root.write("large.ini", "[S]\r\nk=v\r\n");
    fs::resize_file(large, std::uint64_t{40} << 20); // past the most an INI file may hold
    for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
             {"folder.ini", "not a regular file: folder"}, {"large.ini", "File too large"}}) {
        SCOPED_TRACE(name);
        const testing_support::ProcessResult result = get(root.path() / name);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "mapedit ini: cannot read " + (root.path() / name).string() + ": " +
                                  reason + "\n");
    }

    // A missing file and a readable one still answer.
    EXPECT_EQ(get(root.path() / "missing.ini").out, "D");
    root.write("small.ini", "[S]\r\nk=v\r\n");
    const testing_support::ProcessResult small = get(root.path() / "small.ini");
    EXPECT_EQ(small.exitCode, 0) << small.err;
    EXPECT_EQ(small.out, "v");
}

} // namespace
