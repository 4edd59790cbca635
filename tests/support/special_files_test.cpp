// Entries that are no regular files (named pipes, sockets, devices, folders)
// are refused by every open of the file-system boundary, at once and with
// their kind named. Whatever could wait for a named pipe's other end runs in
// a child process with a time limit, so a regression fails instead of hanging.

#include "support/file_system.h"
#include "support/mdl_main.h"
#include "support/path_errors.h"
#include "test_support/in_child.h"
#include "test_support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace fs = std::filesystem;
using testing_support::TempFolder;

namespace {

std::string outcome(bool ok, const std::error_code& ec) {
    return ok ? "opened" : ec.message();
}

// What each way of opening `text` gives, one line each, run in a child.
std::string everyOpen(const std::string& text) {
    std::string lines;
    std::error_code ec;
    for (const auto& [name, mode] : std::vector<std::pair<std::string, fsys::File::Mode>>{
             {"read", fsys::File::Mode::Read},
             {"write in place", fsys::File::Mode::WriteInPlace},
             {"write truncating", fsys::File::Mode::WriteTruncate},
             {"append", fsys::File::Mode::Append}}) {
        fsys::File file;
        lines += name + ": " + outcome(file.open(text, mode, ec), ec) + "\n";
    }
    std::string bytes;
    lines += "whole read: " + outcome(fsys::readWholeFile(text, bytes, ec), ec) + "\n";
    lines += "whole write: " + outcome(fsys::writeWholeFile(text, "x", ec), ec) + "\n";
    lines += "probe: " + std::to_string(static_cast<int>(fsys::probe(text))) + "\n";
    return lines;
}

std::string expectedLines(const std::string& reason, fsys::Probe probe) {
    std::string lines;
    for (const char* name :
         {"read", "write in place", "write truncating", "append", "whole read", "whole write"})
        lines += std::string(name) + ": " + reason + "\n";
    return lines + "probe: " + std::to_string(static_cast<int>(probe)) + "\n";
}

// A socket bound to `path`, closed and removed when the object goes.
class BoundSocket {
public:
    explicit BoundSocket(const fs::path& path) : m_path(path) {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string native = path.string();
        if (m_fd < 0 || native.size() >= sizeof address.sun_path)
            return;
        native.copy(address.sun_path, native.size());
        m_bound = ::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    }
    ~BoundSocket() {
        if (m_fd >= 0)
            ::close(m_fd);
        std::error_code ignored;
        fs::remove(m_path, ignored);
    }
    bool bound() const { return m_bound; }

private:
    fs::path m_path;
    int m_fd = -1;
    bool m_bound = false;
};

TEST(SpecialFiles, ANamedPipeIsRefusedByEveryOpenWithoutWaitingForItsOtherEnd) {
    TempFolder root;
    const fs::path pipe = root.path() / "pipe.ini";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string text = root.text() + "PIPE.INI";
    EXPECT_EQ(testing_support::resultWithoutWaiting([&] { return everyOpen(text); }),
              expectedLines("not a regular file: named pipe", fsys::Probe::OtherFailure));
    EXPECT_TRUE(fs::is_fifo(pipe)) << "the pipe was replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(root.path()), fs::directory_iterator()), 1)
        << "no temporary file stays";

    const std::string exists = testing_support::resultWithoutWaiting([&] {
        std::string path = text;
        return std::string(mdlMain::FileExists(path) ? "there" : "missing");
    });
    EXPECT_EQ(exists, "there") << "the pipe is there, it only is no file to read";
}

TEST(SpecialFiles, SocketsAndFoldersAreRefusedWithTheirKind) {
    TempFolder root;
    BoundSocket socket(root.path() / "s.config");
    ASSERT_TRUE(socket.bound());
    fs::create_directory(root.path() / "folder.config");
    EXPECT_EQ(
        testing_support::resultWithoutWaiting([&] { return everyOpen(root.text() + "s.config"); }),
        expectedLines("not a regular file: socket", fsys::Probe::OtherFailure));
    EXPECT_EQ(testing_support::resultWithoutWaiting(
                  [&] { return everyOpen(root.text() + "folder.config"); }),
              expectedLines("not a regular file: folder", fsys::Probe::Exists))
        << "a folder exists, but is no file";
    EXPECT_TRUE(fs::is_socket(root.path() / "s.config"));
    EXPECT_TRUE(fs::is_directory(root.path() / "folder.config"));
}

TEST(SpecialFiles, ADeviceIsNotReadAsAFile) {
    // Read only: a device is never a target of these tests' writes.
    const std::string result = testing_support::resultWithoutWaiting([] {
        std::string bytes;
        std::error_code ec;
        const bool read = fsys::readWholeFile("/dev/zero", bytes, ec);
        return outcome(read, ec) + " " + std::to_string(static_cast<int>(fsys::probe("/dev/null")));
    });
    EXPECT_EQ(result, "not a regular file: device " +
                          std::to_string(static_cast<int>(fsys::Probe::OtherFailure)));
}

TEST(SpecialFiles, TheRefusalsAreOneFamilyAndAFolderStillCountsAsOne) {
    using fsys::PathError;
    for (PathError error :
         {PathError::NamedPipeIsNoFile, PathError::SocketIsNoFile, PathError::DeviceIsNoFile,
          PathError::FolderIsNoFile, PathError::OtherEntryIsNoFile}) {
        const std::error_code ec = error;
        EXPECT_TRUE(fsys::isNoRegularFile(ec)) << ec.message();
        EXPECT_EQ(ec.message().rfind("not a regular file", 0), 0u) << ec.message();
    }
    EXPECT_FALSE(fsys::isNoRegularFile(PathError::OutsideApplicationFolder));
    EXPECT_FALSE(fsys::isNoRegularFile(PathError::LinkLeavesApplicationFolder));
    EXPECT_FALSE(fsys::isNoRegularFile(std::make_error_code(std::errc::is_a_directory)));
    EXPECT_EQ(std::error_code(PathError::FolderIsNoFile), std::errc::is_a_directory)
        << "callers that look for a folder still find one";
    EXPECT_NE(std::error_code(PathError::NamedPipeIsNoFile), std::errc::is_a_directory);
    EXPECT_EQ(fsys::noRegularFileError(fs::file_type::regular), std::error_code());
    EXPECT_EQ(fsys::noRegularFileError(fs::file_type::not_found), std::error_code());
    EXPECT_EQ(fsys::noRegularFileError(fs::file_type::block), PathError::DeviceIsNoFile);
    EXPECT_EQ(fsys::noRegularFileError(fs::file_type::character), PathError::DeviceIsNoFile);
}

TEST(SpecialFiles, ARegularFileStillOpensForReadingAndAppending) {
    TempFolder root;
    root.write("a.ini", "[A]\r\nk=v\r\n");
    const std::string text = root.text() + "a.ini";
    std::error_code ec;
    fsys::File file;
    ASSERT_TRUE(file.open(text, fsys::File::Mode::Read, ec)) << ec.message();
    char buffer[4] = {};
    std::size_t got = 0;
    ASSERT_TRUE(file.read(buffer, sizeof buffer, got, ec));
    EXPECT_EQ(std::string(buffer, got), "[A]\r");
    file.close();
    ASSERT_TRUE(file.open(text, fsys::File::Mode::Append, ec)) << ec.message();
    ASSERT_TRUE(file.write("x", 1, ec));
    file.close();
    EXPECT_EQ(root.read("a.ini"), "[A]\r\nk=v\r\nx");
    EXPECT_EQ(fsys::probe(text), fsys::Probe::Exists);
}

} // namespace
