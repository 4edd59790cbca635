#pragma once
// The one boundary between the program's path texts and the file system.
//
// Paths inside the program are code page 1251 texts with "\" separators, built
// by concatenation. Every open, test, listing, creation and deletion of a file
// or folder goes through this boundary, which turns such a text into a native
// path: "\" becomes "/" on Linux, names become UTF-8, and a component that does
// not exist with its exact spelling is matched without regard to case against
// the entries of its folder (game data is authored on a case-insensitive file
// system).

#include "support/path_errors.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace fsys {

// The native path for a program path text. Fails (invalid_argument) for texts
// that no file system can name, such as texts holding a NUL byte, and for
// texts below the application folder that climb out of it
// (PathError::OutsideApplicationFolder, see path_confinement.h) or pass a link
// leading out of it (PathError::LinkLeavesApplicationFolder, see
// link_confinement.h). A link that stays inside is kept in the path.
std::filesystem::path resolve(std::string_view text, std::error_code& ec);

// A native path back as a program text (code page 1251, "\" separators).
std::string toText(const std::filesystem::path& native);

// A path text as the user's system spells it (native separators, the
// spelling found on disk), still in code page 1251: for messages. A text the
// boundary refuses keeps its spelling, with native separators.
std::string displayText(std::string_view text);

enum class Probe { Exists, Missing, OtherFailure };

// Tries to open a path for reading: Missing when the file or a folder on the
// way does not exist, OtherFailure when the open failed for another reason.
// A folder counts as Exists; anything else that is no regular file (a named
// pipe, a socket, a device) is OtherFailure and is never opened.
Probe probe(std::string_view text);

bool isFolder(std::string_view text);

// Size of a file in bytes.
std::uint64_t fileSize(std::string_view text, std::error_code& ec);

// The most a whole-file read takes unless its caller names another limit.
constexpr std::uint64_t kDefaultReadLimit = std::uint64_t{256} << 20;

// Reads a whole file; a file longer than `maxBytes` is refused (file_too_large)
// before anything is allocated for it.
bool readWholeFile(std::string_view text, std::string& bytes, std::error_code& ec,
                   std::uint64_t maxBytes = kDefaultReadLimit);

// Replaces the file's contents (creating it in an existing folder) through the
// crash-safe writer: the file holds its old or its new bytes, never a mix.
bool writeWholeFile(std::string_view text, std::string_view bytes, std::error_code& ec);

bool removeFile(std::string_view text, std::error_code& ec);

// Creates one folder; an existing folder is not an error.
bool createFolder(std::string_view text, std::error_code& ec);

enum class EntryKind { Files, Folders };

// Names (code page 1251) of the entries of a folder that match a wildcard
// pattern ("*" and "?", without regard to case; "*.*" matches every name),
// sorted. Files: plain files that are not hidden; Folders: folders that are not
// hidden. A missing folder gives an empty list and sets ec.
std::vector<std::string> listFolder(std::string_view folderText, std::string_view pattern,
                                    EntryKind kind, std::error_code& ec);

bool matchesWildcard(std::string_view name, std::string_view pattern);

// A piece of memory taking part in a scatter read or a gather write.
struct Slice {
    void* data;
    std::size_t size;
};
struct ConstSlice {
    const void* data;
    std::size_t size;
};

// An open file, closed when the object goes.
class File {
public:
    enum class Mode {
        Read,
        // Opens for writing from the first byte, creating the file when missing
        // and keeping its length (the old bytes past what is written stay).
        WriteInPlace,
        // Opens for writing and empties the file first.
        WriteTruncate,
        Append,
        // Creates a new file for writing; fails when the name exists.
        CreateNew,
    };

    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;

    // Only a regular file opens, in any mode, and never waits: a folder, a
    // named pipe, a socket or a device is refused unopened with its
    // PathError (see path_errors.h).
    bool open(std::string_view text, Mode mode, std::error_code& ec);
    // Opens a native path as it is, without resolving it; new files get the
    // permission bits `permissions` (less the process's mask).
    bool openNative(const std::filesystem::path& native, Mode mode, std::error_code& ec,
                    unsigned permissions = 0666);
    bool isOpen() const { return m_fd >= 0; }
    void close();
    // Closes the file, reporting what the system says about the written data.
    bool closeReporting(std::error_code& ec);

    // Allocates room on the disk for the file's first `bytes` bytes without
    // changing its length, where the system can. Fails only for a disk
    // without that room.
    bool reserve(std::uint64_t bytes, std::error_code& ec);

    // Waits until the file's data is on the disk, not only in the system's cache.
    bool flushToDisk(std::error_code& ec);

    std::uint64_t size(std::error_code& ec) const;

    // Reads until the slices are full or the file ends; `got` is the number of
    // bytes read. Reaching the end early is not an error.
    bool readScatter(std::span<const Slice> slices, std::size_t& got, std::error_code& ec);
    bool read(void* data, std::size_t size, std::size_t& got, std::error_code& ec);
    bool readAt(std::uint64_t offset, void* data, std::size_t size, std::size_t& got,
                std::error_code& ec);

    bool writeGather(std::span<const ConstSlice> slices, std::error_code& ec);
    bool write(const void* data, std::size_t size, std::error_code& ec);

private:
    int m_fd = -1;
};

} // namespace fsys
