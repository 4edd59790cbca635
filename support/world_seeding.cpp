#include "support/world_seeding.h"

#include "support/folder_choice.h"

#include <system_error>

namespace fs = std::filesystem;

namespace appfolder {
namespace {

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

void fail(SeedResult& result, const fs::path& p, const std::error_code& ec) {
    result.failures.push_back(p.string() + ": " + ec.message());
}

} // namespace

SeedResult copyMissing(const fs::path& from, const fs::path& into) {
    SeedResult result;
    std::error_code ec;
    fs::recursive_directory_iterator it(from, ec);
    if (ec) {
        fail(result, from, ec);
        return result;
    }
    for (const fs::recursive_directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            fail(result, from, ec);
            break;
        }
        const fs::path relative = it->path().lexically_relative(from);
        const fs::path target = into / relative;
        std::error_code typeError;
        const fs::file_type type = it->symlink_status(typeError).type();
        if (type == fs::file_type::directory) {
            if (present(target) && !fs::is_directory(target, typeError)) {
                // A file of the user's stands where the sample has a folder:
                // it stays, and nothing of the sample goes below it.
                ++result.kept;
                it.disable_recursion_pending();
            } else if (!present(target) && !fs::create_directory(target, typeError)) {
                fail(result, target, typeError);
                it.disable_recursion_pending();
            }
            continue;
        }
        if (type != fs::file_type::regular)
            continue;
        if (present(target)) {
            ++result.kept;
            continue;
        }
        std::error_code copyError;
        if (fs::copy_file(it->path(), target, fs::copy_options::none, copyError))
            ++result.copied;
        else if (copyError == std::errc::file_exists)
            ++result.kept;
        else
            fail(result, target, copyError);
    }
    return result;
}

SeedResult seedFirstStart(const fs::path& sample, const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        SeedResult result;
        fail(result, folder, ec);
        return result;
    }
    if (holdsWorld(folder) || !fs::is_directory(sample, ec))
        return {};
    SeedResult result = copyMissing(sample, folder);
    result.seeded = true;
    return result;
}

} // namespace appfolder
