#include "support/file_system.h"

#include "support/application_folder.h"
#include "support/cp1251.h"
#include "support/crash_safe_writer.h"
#include "support/link_confinement.h"
#include "support/path_confinement.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <io.h>
#else
#include <climits>
#include <sys/uio.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace fsys {
namespace {

std::error_code lastError() {
    return {errno, std::generic_category()};
}

#ifdef _WIN32
std::wstring toWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<wchar_t>(cp1251::toUnicode(static_cast<unsigned char>(c)));
    return out;
}
#endif

fs::path componentPath(std::string_view component) {
#ifdef _WIN32
    return fs::path(toWide(component));
#else
    return fs::path(cp1251::toUtf8(component));
#endif
}

std::string componentText(const fs::path& name) {
    const std::u8string utf8 = name.u8string();
    return cp1251::fromUtf8(std::string(utf8.begin(), utf8.end()));
}

// The entry's own type (a link is not followed); not_found when it cannot be
// told.
fs::file_type entryType(const fs::path& p) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(p, ec).type();
    return ec ? fs::file_type::not_found : type;
}

// The entry of `folder` whose name equals `component` without regard to case;
// the first in name order when several do. Empty when there is none.
fs::path findIgnoringCase(const fs::path& folder, std::string_view component) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec)
        return {};
    fs::path best;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const fs::path name = it->path().filename();
        if (cp1251::sameNameIgnoringCase(componentText(name), component) &&
            (best.empty() || name < best))
            best = name;
    }
    return best;
}

#ifndef _WIN32
fs::file_type typeOfMode(mode_t mode) {
    if (S_ISREG(mode))
        return fs::file_type::regular;
    if (S_ISDIR(mode))
        return fs::file_type::directory;
    if (S_ISFIFO(mode))
        return fs::file_type::fifo;
    if (S_ISSOCK(mode))
        return fs::file_type::socket;
    if (S_ISCHR(mode))
        return fs::file_type::character;
    if (S_ISBLK(mode))
        return fs::file_type::block;
    return fs::file_type::unknown;
}
#endif

int openFlags(File::Mode mode) {
    int flags = 0;
    switch (mode) {
    case File::Mode::Read:
        flags = O_RDONLY;
        break;
    case File::Mode::WriteInPlace:
        flags = O_WRONLY | O_CREAT;
        break;
    case File::Mode::WriteTruncate:
        flags = O_WRONLY | O_CREAT | O_TRUNC;
        break;
    case File::Mode::Append:
        flags = O_WRONLY | O_CREAT | O_APPEND;
        break;
    case File::Mode::CreateNew:
        flags = O_WRONLY | O_CREAT | O_EXCL;
        break;
    }
#ifdef _WIN32
    flags |= O_BINARY;
#else
    flags |= O_CLOEXEC;
#endif
    return flags;
}

#ifdef _WIN32
constexpr std::size_t kMaxSlicesPerCall = 1;
#else
constexpr std::size_t kMaxSlicesPerCall = IOV_MAX;
#endif

#ifndef _WIN32
// Calls visit(component, inside) for each component of a text, in order;
// `inside` when it starts at or past `firstInside` (below the application
// folder).
template <typename Visit>
void forEachComponent(std::string_view text, std::size_t firstInside, Visit&& visit) {
    std::size_t pos = !text.empty() && (text[0] == '\\' || text[0] == '/') ? 1 : 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\\/", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view component = text.substr(pos, end - pos);
        const bool inside = pos >= firstInside;
        pos = end + 1;
        if (!component.empty())
            visit(component, inside);
    }
}

fs::path rootOf(std::string_view text) {
    return !text.empty() && (text[0] == '\\' || text[0] == '/') ? fs::path("/") : fs::path();
}

// The path the text names letter for letter when it exists and no component
// below the application folder is a link; empty otherwise. Most paths name a
// file as it is spelt: one look at the whole path, and one at each folder
// below the application folder, then stand for a look at every component.
fs::path existingExactPath(std::string_view text, std::size_t firstInside) {
    fs::path out = rootOf(text);
    std::vector<fs::path> insideFolders; // the paths of the folders below the application folder
    bool lastInside = false;
    forEachComponent(text, firstInside, [&](std::string_view component, bool inside) {
        if (lastInside)
            insideFolders.push_back(out);
        out /= componentPath(component);
        lastInside = inside && component != "." && component != "..";
    });
    if (!out.has_relative_path())
        return {};
    const fs::file_type type = entryType(out);
    if (type == fs::file_type::not_found || (lastInside && type == fs::file_type::symlink))
        return {};
    for (const fs::path& folder : insideFolders)
        if (entryType(folder) == fs::file_type::symlink)
            return {};
    return out;
}

// The path of the text with each component matched on disk: its exact
// spelling when that exists, else the entry of its folder that equals it
// without regard to case. Fails when a link below the application folder
// leads out of it.
fs::path matchedPath(std::string_view text, std::size_t firstInside, std::error_code& ec) {
    fs::path out = rootOf(text);
    fs::path base;         // the application folder's part of `out`
    bool pastBase = false; // whether `base` is set
    bool linkPastBase = false;
    bool matching = true; // false once a component is missing: the rest cannot exist
    forEachComponent(text, firstInside, [&](std::string_view component, bool inside) {
        if (inside && !pastBase) {
            base = out;
            pastBase = true;
        }
        const fs::path exact = out / componentPath(component);
        if (!matching || component == "." || component == "..") {
            out = exact;
            return;
        }
        fs::file_type type = entryType(exact);
        if (type != fs::file_type::not_found) {
            out = exact;
        } else if (const fs::path found = findIgnoringCase(out, component); !found.empty()) {
            out /= found;
            type = entryType(out);
        } else {
            matching = false;
            out = exact;
        }
        linkPastBase = linkPastBase || (pastBase && type == fs::file_type::symlink);
    });
    if (linkPastBase && !linksStayInside(base, out, ec))
        return {};
    return out;
}
#endif

} // namespace

fs::path resolve(std::string_view text, std::error_code& ec) {
    ec.clear();
    if (text.find('\0') != std::string_view::npos) {
        ec = std::make_error_code(std::errc::invalid_argument);
        return {};
    }
    const std::string folder = appfolder::reported();
    if (leavesFolder(text, folder)) {
        ec = PathError::OutsideApplicationFolder;
        return {};
    }
    // Components past the application folder are checked for links leading
    // out of it; paths elsewhere are the user's own choice.
    const std::size_t folderLength = folderPrefix(text, folder);
    const bool below = folderLength != std::string_view::npos;
#ifdef _WIN32
    const fs::path out(toWide(text));
    if (below && !linksStayInside(fs::path(toWide(text.substr(0, folderLength))), out, ec))
        return {};
    return out;
#else
    const std::size_t firstInside = below ? folderLength + 1 : std::string_view::npos;
    fs::path out = existingExactPath(text, firstInside);
    if (out.empty()) {
        out = matchedPath(text, firstInside, ec);
        if (ec)
            return {};
    }
    // Keep a trailing separator: it marks a folder.
    if (!text.empty() && (text.back() == '\\' || text.back() == '/') && out != "/")
        out += "/";
    return out;
#endif
}

std::string toText(const fs::path& native) {
    std::string text = componentText(native);
    std::replace(text.begin(), text.end(), '/', '\\');
    return text;
}

std::string displayText(std::string_view text) {
    std::error_code ec;
    const fs::path native = resolve(text, ec);
    if (!ec)
        return componentText(native);
    // A refused path still reads with the system's separators.
    std::string shown(text);
#ifndef _WIN32
    std::replace(shown.begin(), shown.end(), '\\', '/');
#endif
    return shown;
}

Probe probe(std::string_view text) {
    std::error_code ec;
    const fs::path p = resolve(text, ec);
    if (ec)
        return Probe::OtherFailure;
    if (p.empty())
        return Probe::Missing;
    // What is neither a file nor a folder is not opened at all.
    const fs::file_type type = fs::status(p, ec).type();
    if (type == fs::file_type::not_found)
        return Probe::Missing;
    if (type != fs::file_type::directory && noRegularFileError(type))
        return Probe::OtherFailure;
#ifdef _WIN32
    const int fd = _wopen(p.c_str(), O_RDONLY | O_BINARY);
#else
    const int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
#endif
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Probe::Missing;
        return Probe::OtherFailure;
    }
#ifdef _WIN32
    _close(fd);
#else
    ::close(fd);
#endif
    return Probe::Exists;
}

bool isFolder(std::string_view text) {
    std::error_code ec;
    const fs::path p = resolve(text, ec);
    return !ec && fs::is_directory(p, ec);
}

std::uint64_t fileSize(std::string_view text, std::error_code& ec) {
    const fs::path p = resolve(text, ec);
    if (ec)
        return 0;
    const auto size = fs::file_size(p, ec);
    return ec ? 0 : size;
}

bool readWholeFile(std::string_view text, std::string& bytes, std::error_code& ec,
                   std::uint64_t maxBytes) {
    bytes.clear();
    File file;
    if (!file.open(text, File::Mode::Read, ec))
        return false;
    const std::uint64_t size = file.size(ec);
    if (ec)
        return false;
    if (size > maxBytes) {
        ec = std::make_error_code(std::errc::file_too_large);
        return false;
    }
    // One byte more than the size tells a file that grew meanwhile.
    bytes.resize(static_cast<std::size_t>(size) + 1);
    std::size_t got = 0;
    if (!file.read(bytes.data(), bytes.size(), got, ec)) {
        bytes.clear();
        return false;
    }
    if (got > maxBytes) {
        bytes.clear();
        ec = std::make_error_code(std::errc::file_too_large);
        return false;
    }
    bytes.resize(got);
    return true;
}

bool writeWholeFile(std::string_view text, std::string_view bytes, std::error_code& ec) {
    return replaceFile(text, bytes, ec);
}

bool removeFile(std::string_view text, std::error_code& ec) {
    const fs::path p = resolve(text, ec);
    if (ec)
        return false;
    return fs::remove(p, ec) && !ec;
}

bool createFolder(std::string_view text, std::error_code& ec) {
    const fs::path p = resolve(text, ec);
    if (ec)
        return false;
    fs::create_directory(p, ec);
    return !ec;
}

bool matchesWildcard(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*")
        return true;
    // Iterative matching with one backtrack point for the last "*".
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' ||
                    cp1251::foldCase(static_cast<unsigned char>(pattern[p])) ==
                        cp1251::foldCase(static_cast<unsigned char>(name[n])))) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::vector<std::string> listFolder(std::string_view folderText, std::string_view pattern,
                                    EntryKind kind, std::error_code& ec) {
    std::vector<std::string> names;
    const fs::path folder = resolve(folderText, ec);
    if (ec)
        return names;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec)
        return names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const std::string name = componentText(it->path().filename());
        if (name.empty() || name[0] == '.')
            continue;
        std::error_code typeEc;
        const bool wanted =
            kind == EntryKind::Files ? it->is_regular_file(typeEc) : it->is_directory(typeEc);
        if (wanted && !typeEc && matchesWildcard(name, pattern))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

File::~File() {
    close();
}

File::File(File&& other) noexcept : m_fd(other.m_fd) {
    other.m_fd = -1;
}

File& File::operator=(File&& other) noexcept {
    if (this != &other) {
        close();
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

bool File::open(std::string_view text, Mode mode, std::error_code& ec) {
    close();
    const fs::path p = resolve(text, ec);
    if (ec)
        return false;
    return openNative(p, mode, ec);
}

bool File::openNative(const fs::path& p, Mode mode, std::error_code& ec, unsigned permissions) {
    close();
    ec.clear();
    // Only regular files are read and written. Anything else is refused
    // before it is opened: opening a named pipe waits for its other end, and
    // opening a device may act on it.
    std::error_code statEc;
    if (const std::error_code refusal = noRegularFileError(fs::status(p, statEc).type())) {
        ec = refusal;
        return false;
    }
#ifdef _WIN32
    (void)permissions;
    m_fd = _wopen(p.c_str(), openFlags(mode), _S_IREAD | _S_IWRITE);
#else
    // Something swapped in meanwhile must not block the open either.
    m_fd = ::open(p.c_str(), openFlags(mode) | O_NONBLOCK, static_cast<mode_t>(permissions));
#endif
    if (m_fd < 0) {
        ec = lastError();
        return false;
    }
#ifndef _WIN32
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        ec = lastError();
        close();
        return false;
    }
    if (const std::error_code refusal = noRegularFileError(typeOfMode(st.st_mode))) {
        close();
        ec = refusal;
        return false;
    }
    const int flags = ::fcntl(m_fd, F_GETFL);
    if (flags < 0 || ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ec = lastError();
        close();
        return false;
    }
#endif
    return true;
}

void File::close() {
    std::error_code ignored;
    closeReporting(ignored);
}

bool File::closeReporting(std::error_code& ec) {
    if (m_fd < 0)
        return true;
#ifdef _WIN32
    const int rc = _close(m_fd);
#else
    const int rc = ::close(m_fd);
#endif
    m_fd = -1;
    // The descriptor is gone either way; an interrupted close is not retried.
    if (rc != 0 && errno != EINTR) {
        ec = lastError();
        return false;
    }
    return true;
}

bool File::reserve(std::uint64_t bytes, std::error_code& ec) {
#ifdef __linux__
    if (bytes > 0 && ::fallocate(m_fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(bytes)) != 0) {
        if (errno == ENOSPC || errno == EFBIG) {
            ec = lastError();
            return false;
        }
        // Not supported here: the writes allocate as they go.
    }
#else
    (void)bytes;
    (void)ec;
#endif
    return true;
}

bool File::flushToDisk(std::error_code& ec) {
#ifdef _WIN32
    const int rc = _commit(m_fd);
#else
    const int rc = ::fdatasync(m_fd);
#endif
    if (rc != 0) {
        ec = lastError();
        return false;
    }
    return true;
}

std::uint64_t File::size(std::error_code& ec) const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0) {
        ec = lastError();
        return 0;
    }
    return static_cast<std::uint64_t>(st.st_size);
}

bool File::read(void* data, std::size_t size, std::size_t& got, std::error_code& ec) {
    const Slice slice{data, size};
    return readScatter(std::span<const Slice>(&slice, 1), got, ec);
}

// Moves the position (first unfinished slice, bytes done in it) on by `n` bytes.
template <class SliceT>
void advance(std::span<const SliceT> slices, std::size_t n, std::size_t& first,
             std::size_t& firstDone) {
    while (first < slices.size()) {
        const std::size_t room = slices[first].size - firstDone;
        if (n < room) {
            firstDone += n;
            return;
        }
        n -= room;
        ++first;
        firstDone = 0;
    }
}

bool File::readScatter(std::span<const Slice> slices, std::size_t& got, std::error_code& ec) {
    got = 0;
    std::size_t first = 0;     // first slice not yet full
    std::size_t firstDone = 0; // bytes of that slice already read
    advance(slices, 0, first, firstDone);
    while (first < slices.size()) {
#ifdef _WIN32
        const auto want =
            static_cast<unsigned>(std::min<std::size_t>(slices[first].size - firstDone, 1u << 30));
        const auto n = _read(m_fd, static_cast<char*>(slices[first].data) + firstDone, want);
#else
        const std::size_t count = std::min(kMaxSlicesPerCall, slices.size() - first);
        iovec vecs[IOV_MAX];
        for (std::size_t i = 0; i < count; ++i) {
            const Slice& s = slices[first + i];
            const std::size_t skip = i == 0 ? firstDone : 0;
            vecs[i] = {static_cast<char*>(s.data) + skip, s.size - skip};
        }
        const ssize_t n = ::readv(m_fd, vecs, static_cast<int>(count));
#endif
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ec = lastError();
            return false;
        }
        if (n == 0)
            return true; // end of file
        got += static_cast<std::size_t>(n);
        advance(slices, static_cast<std::size_t>(n), first, firstDone);
    }
    return true;
}

bool File::readAt(std::uint64_t offset, void* data, std::size_t size, std::size_t& got,
                  std::error_code& ec) {
#ifdef _WIN32
    if (_lseeki64(m_fd, static_cast<long long>(offset), SEEK_SET) < 0) {
        ec = lastError();
        return false;
    }
    return read(data, size, got, ec);
#else
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(m_fd, static_cast<char*>(data) + got, size - got,
                                  static_cast<off_t>(offset + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ec = lastError();
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return true;
#endif
}

bool File::write(const void* data, std::size_t size, std::error_code& ec) {
    const ConstSlice slice{data, size};
    return writeGather(std::span<const ConstSlice>(&slice, 1), ec);
}

bool File::writeGather(std::span<const ConstSlice> slices, std::error_code& ec) {
    std::size_t first = 0;
    std::size_t firstDone = 0;
    advance(slices, 0, first, firstDone);
    while (first < slices.size()) {
#ifdef _WIN32
        const auto want =
            static_cast<unsigned>(std::min<std::size_t>(slices[first].size - firstDone, 1u << 30));
        const auto n = _write(m_fd, static_cast<const char*>(slices[first].data) + firstDone, want);
#else
        const std::size_t count = std::min(kMaxSlicesPerCall, slices.size() - first);
        iovec vecs[IOV_MAX];
        for (std::size_t i = 0; i < count; ++i) {
            const ConstSlice& s = slices[first + i];
            const std::size_t skip = i == 0 ? firstDone : 0;
            vecs[i] = {const_cast<char*>(static_cast<const char*>(s.data)) + skip, s.size - skip};
        }
        const ssize_t n = ::writev(m_fd, vecs, static_cast<int>(count));
#endif
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ec = lastError();
            return false;
        }
        if (n == 0) { // no progress: the device takes nothing more
            ec = std::make_error_code(std::errc::io_error);
            return false;
        }
        advance(slices, static_cast<std::size_t>(n), first, firstDone);
    }
    return true;
}

} // namespace fsys
