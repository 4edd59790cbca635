#pragma once
// The crash-safe writer: every file the program writes (grid files,
// configurations, notes, map descriptions, INI values) is written through it.
//
// A save goes to a temporary file in the target's folder; only when all its
// bytes are written and on the disk does a rename put it in the target's
// place. A rename within a folder is atomic, so whenever the program, or the
// machine, stops, the target holds its complete old or its complete new
// content. A save that fails or is abandoned removes its temporary file and
// leaves the target untouched; one left behind by a killed program is replaced
// by the next save of the same target, which leaves none.
//
// The temporary file is hidden (its name starts with "."), so listings of the
// program never show it: "." + the target's name + ".saving", or for names too
// long to take the additions, ".saving-" and a hash of the name.

#include "support/file_system.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

namespace fsys {

class CrashSafeWriter {
public:
    CrashSafeWriter() = default;
    // An unfinished save is abandoned: its temporary file goes.
    ~CrashSafeWriter();
    CrashSafeWriter(const CrashSafeWriter&) = delete;
    CrashSafeWriter& operator=(const CrashSafeWriter&) = delete;

    // Starts a save of `target` (a program path text) in its existing folder.
    // Refused for a folder, a special file or a file the program may not
    // write, as writing it in place would be.
    bool begin(std::string_view target, std::error_code& ec);
    // The same for a native path the user named (an output file of the
    // command-line tools), taken as it is.
    bool beginNative(const std::filesystem::path& target, std::error_code& ec);

    // Sets aside room on the disk for `bytes` in all, when the system can:
    // a disk too full for the save fails here, before anything is written,
    // and the written bytes need no block allocation when the rename comes.
    bool reserve(std::uint64_t bytes, std::error_code& ec);

    bool write(const void* data, std::size_t size, std::error_code& ec);
    bool writeGather(std::span<const ConstSlice> slices, std::error_code& ec);

    // Appends the target's present bytes past the number written so far:
    // nothing when the target is missing or not longer. A save that replaces
    // a file's start this way keeps the rest of it.
    bool keepOldTail(std::error_code& ec);

    // Makes the written bytes the target's content (see above). After a
    // failure the target is as it was and the temporary file is gone.
    bool commit(std::error_code& ec);

    std::uint64_t bytesWritten() const { return m_written; }
    // The target's size when the save began; 0 when it did not exist.
    std::uint64_t oldSize() const { return m_oldSize; }

    // The temporary file's name for a target file's native name.
    static std::filesystem::path temporaryName(const std::filesystem::path& targetName);

private:
    void abandon();
    bool copyOldTail(std::error_code& ec);

    File m_file;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::uint64_t m_written = 0;
    std::uint64_t m_oldSize = 0;
    bool m_targetExists = false;
};

// Replaces the whole content of `target` with `bytes` through the writer.
bool replaceFile(std::string_view target, std::string_view bytes, std::error_code& ec);
bool replaceNativeFile(const std::filesystem::path& target, std::string_view bytes,
                       std::error_code& ec);

} // namespace fsys
