#pragma once
// The reasons the file-system boundary gives when it refuses a path on its
// own, before or instead of asking the system.

#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>

namespace fsys {

enum class PathError {
    // A path below the application folder climbs out of it through "..".
    OutsideApplicationFolder = 1,
    // A path below the application folder passes a symbolic link (or a chain
    // of them) that leads out of it.
    LinkLeavesApplicationFolder,
    // Read or written as a file, the path names something else. Such an entry
    // is never opened, as opening it may wait for a writer or a reader.
    NamedPipeIsNoFile,
    SocketIsNoFile,
    DeviceIsNoFile,
    // Also compares equal to std::errc::is_a_directory.
    FolderIsNoFile,
    OtherEntryIsNoFile,
};

const std::error_category& pathErrorCategory();
std::error_code make_error_code(PathError error);

// The refusal for an entry of this type read or written as a file; none for
// a regular file, a missing entry or one whose type cannot be told (opening
// it then says why).
std::error_code noRegularFileError(std::filesystem::file_type type);

// Whether `ec` refuses an entry for not being a regular file.
bool isNoRegularFile(const std::error_code& ec);

// The last refusal for a link leading out of the application folder: the
// link (a native path as the system spells it) and where it leads. The
// message of LinkLeavesApplicationFolder names both, as recorded by the
// latest such refusal; the program refuses and reports on one thread.
struct LinkRefusal {
    std::string link;
    std::string target;
};
void recordLinkRefusal(LinkRefusal refusal);
LinkRefusal lastLinkRefusal();

} // namespace fsys

template <> struct std::is_error_code_enum<fsys::PathError> : std::true_type {};
