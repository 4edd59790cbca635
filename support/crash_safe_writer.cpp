#include "support/crash_safe_writer.h"

#include "support/link_confinement.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace fsys {
namespace {

// Durability: the temporary file's data reaches the disk before the rename,
// and the folder's new entry after it, so a save the program has reported
// survives a crash of the machine as well as of the program (see
// docs/crash-safe-saving.md for the measured cost).
constexpr bool kFlushToDisk = true;

// The longest file name the common file systems take, in native units.
constexpr std::size_t kMaxNameLength = 255;

constexpr std::size_t kTailChunk = std::size_t{1} << 20;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

template <class Units> std::uint64_t nameHash(const Units& name) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (auto unit : name) {
        hash ^= static_cast<std::uint64_t>(unit);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string hex(std::uint64_t value) {
    static const char digits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = digits[value & 15];
    return out;
}

bool writable(const fs::path& file, std::error_code& ec) {
#ifdef _WIN32
    if (_waccess(file.c_str(), 2) != 0) {
#else
    if (::access(file.c_str(), W_OK) != 0) {
#endif
        ec = lastError();
        return false;
    }
    return true;
}

// Puts a folder's entries on the disk: the rename is durable once this is
// done. Best effort, as the new content is in place whatever it says.
void flushFolder(const fs::path& folder) {
#ifndef _WIN32
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    (void)folder;
#endif
}

} // namespace

fs::path CrashSafeWriter::temporaryName(const fs::path& targetName) {
    const fs::path::string_type& name = targetName.native();
    fs::path::string_type candidate;
    candidate += fs::path::value_type('.');
    candidate += name;
    candidate += fs::path(".saving").native();
    if (candidate.size() <= kMaxNameLength)
        return fs::path(candidate);
    return fs::path(".saving-" + hex(nameHash(name)));
}

CrashSafeWriter::~CrashSafeWriter() {
    abandon();
}

void CrashSafeWriter::abandon() {
    m_file.close();
    if (!m_temporary.empty()) {
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
        m_temporary.clear();
    }
}

bool CrashSafeWriter::begin(std::string_view target, std::error_code& ec) {
    abandon();
    const fs::path native = resolve(target, ec);
    if (ec)
        return false;
    return beginNative(native, ec);
}

bool CrashSafeWriter::beginNative(const fs::path& target, std::error_code& ec) {
    abandon();
    ec.clear();
    m_written = 0;
    m_oldSize = 0;
    m_target = target;
    if (m_target.empty() || !m_target.has_filename()) {
        ec = std::make_error_code(std::errc::is_a_directory);
        return false;
    }
    // A link is followed, as a write in place would follow it: the file it
    // leads to is replaced, or created when missing, and the link stays.
    // Below the application folder, resolve() let only links through that
    // lead inside it.
    std::error_code statEc;
    if (fs::is_symlink(fs::symlink_status(m_target, statEc))) {
        m_target = followLinks(m_target, ec);
        if (ec)
            return false;
    }
    // Only the entry's type is asked for: nothing is opened that could wait.
    const fs::file_status status = fs::status(m_target, statEc);
    m_targetExists = fs::exists(status);
    unsigned permissions = 0666;
    if (m_targetExists) {
        if ((ec = noRegularFileError(status.type())))
            return false;
        if (!writable(m_target, ec))
            return false;
        permissions = static_cast<unsigned>(status.permissions() & fs::perms::mask);
        m_oldSize = fs::file_size(m_target, statEc);
        if (statEc)
            m_oldSize = 0;
    }

    const fs::path temporary = m_target.parent_path() / temporaryName(m_target.filename());
    std::error_code ignored;
    fs::remove(temporary, ignored); // left behind by a save that was killed
    if (!m_file.openNative(temporary, File::Mode::CreateNew, ec, permissions))
        return false;
    m_temporary = temporary;
    if (m_targetExists) // the process's mask may have taken some bits away
        fs::permissions(m_temporary, static_cast<fs::perms>(permissions), ignored);
    return true;
}

bool CrashSafeWriter::reserve(std::uint64_t bytes, std::error_code& ec) {
    if (!m_file.isOpen()) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    if (!m_file.reserve(bytes, ec)) {
        abandon();
        return false;
    }
    return true;
}

bool CrashSafeWriter::write(const void* data, std::size_t size, std::error_code& ec) {
    const ConstSlice slice{data, size};
    return writeGather(std::span<const ConstSlice>(&slice, 1), ec);
}

bool CrashSafeWriter::writeGather(std::span<const ConstSlice> slices, std::error_code& ec) {
    if (!m_file.isOpen()) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    if (!m_file.writeGather(slices, ec)) {
        abandon();
        return false;
    }
    for (const ConstSlice& slice : slices)
        m_written += slice.size;
    return true;
}

bool CrashSafeWriter::keepOldTail(std::error_code& ec) {
    if (!m_file.isOpen()) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    if (m_targetExists && !copyOldTail(ec)) {
        abandon();
        return false;
    }
    return true;
}

bool CrashSafeWriter::copyOldTail(std::error_code& ec) {
    File old;
    if (!old.openNative(m_target, File::Mode::Read, ec))
        return false;
    const std::uint64_t size = old.size(ec);
    if (ec)
        return false;
    std::vector<char> buffer;
    for (std::uint64_t offset = m_written; offset < size;) {
        buffer.resize(kTailChunk);
        const auto want =
            static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - offset));
        std::size_t got = 0;
        if (!old.readAt(offset, buffer.data(), want, got, ec))
            return false;
        if (got == 0)
            break; // the old file got shorter meanwhile
        if (!write(buffer.data(), got, ec))
            return false;
        offset += got;
    }
    return true;
}

bool CrashSafeWriter::commit(std::error_code& ec) {
    if (!m_file.isOpen()) {
        ec = std::make_error_code(std::errc::bad_file_descriptor);
        return false;
    }
    if ((kFlushToDisk && !m_file.flushToDisk(ec)) || !m_file.closeReporting(ec)) {
        abandon();
        return false;
    }
    fs::rename(m_temporary, m_target, ec);
    if (ec) {
        abandon();
        return false;
    }
    m_temporary.clear();
    if (kFlushToDisk)
        flushFolder(m_target.parent_path());
    return true;
}

bool replaceFile(std::string_view target, std::string_view bytes, std::error_code& ec) {
    CrashSafeWriter writer;
    return writer.begin(target, ec) && writer.reserve(bytes.size(), ec) &&
           writer.write(bytes.data(), bytes.size(), ec) && writer.commit(ec);
}

bool replaceNativeFile(const fs::path& target, std::string_view bytes, std::error_code& ec) {
    CrashSafeWriter writer;
    return writer.beginNative(target, ec) && writer.reserve(bytes.size(), ec) &&
           writer.write(bytes.data(), bytes.size(), ec) && writer.commit(ec);
}

} // namespace fsys
