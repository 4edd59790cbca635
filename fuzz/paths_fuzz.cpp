// The path helpers and the file-system boundary on any text: the input is a
// name (as data would give it, appended to the application folder) and a
// second text used as a delimiter or a pattern. Names with "..", separators
// of both kinds, NUL bytes and any length must never resolve to a place
// outside the application folder, and the helpers keep their promises.

#include "fuzz/fuzz_support.h"

#include "support/file_system.h"
#include "support/mdl_main.h"
#include "support/path_confinement.h"

namespace fs = std::filesystem;

namespace {

void prepareWorld() {
    auto& world = fuzzing::ScratchWorld::instance();
    world.write("Maps/Default/main.config", "[CONFIG]\r\nWidth=1\r\nHeight=1\r\n");
    world.write("Maps/Default/main.map", std::string(16, '\0'));
    world.write("Maps/\xd0\x9b\xd0\xb5\xd1\x81/cave.config", "");
    world.write("Resources/level0.ini", "[DATA]\r\nCount=-1\r\n");
}

// Whether `native` names the folder `root` or a place below it.
bool isWithin(const fs::path& native, const fs::path& root) {
    const fs::path normal = native.lexically_normal();
    auto n = normal.begin();
    for (const fs::path& component : root.lexically_normal()) {
        if (component.empty())
            continue;
        if (n == normal.end() || *n != component)
            return false;
        ++n;
    }
    return true;
}

void checkHelpers(const std::string& text, std::string_view second) {
    const std::string folder = mdlMain::NormalizeFolder(text);
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/'))
        fuzzing::fail("a normalized folder does not end in a separator");
    std::string copy = text;
    const std::string withSeparator = mdlMain::GetFolderPath(copy);
    if (withSeparator.empty() || withSeparator.back() != '\\')
        fuzzing::fail("a folder path does not end in \\");
    const std::int32_t index = second.empty() ? 0 : static_cast<signed char>(second[0]);
    mdlMain::GetSplitItem(text, second.substr(0, 3), index, index % 2 == 0);
    const auto width = static_cast<std::int16_t>(second.size() > 1 ? second[1] : 0);
    if (mdlMain::PadZeros(text, width).size() !=
        std::max<std::size_t>(text.size(), width > 0 ? static_cast<std::size_t>(width) : 0))
        fuzzing::fail("padding gave another length");
    if (mdlMain::DigitsToNumber(text) < 0)
        fuzzing::fail("a number of digits alone is negative");
    fsys::matchesWildcard(text, second);
}

void checkBoundary(const std::string& name, std::string_view pattern) {
    auto& world = fuzzing::ScratchWorld::instance();
    const std::string text = world.text() + name;
    std::error_code ec;
    const fs::path native = fsys::resolve(text, ec);
    if (name.find('\0') != std::string::npos) {
        if (ec != std::errc::invalid_argument)
            fuzzing::fail("a name with a NUL byte was resolved");
        return;
    }
    if (fsys::leavesApplicationFolder(text) != (ec == fsys::PathError::OutsideApplicationFolder))
        fuzzing::fail("the boundary and the confinement rule disagree");
    if (!ec && !isWithin(native, world.root()))
        fuzzing::fail("a name resolved outside the application folder: " + native.string());

    fsys::probe(text);
    fsys::isFolder(text);
    fsys::fileSize(text, ec);
    std::string bytes;
    if (fsys::readWholeFile(text, bytes, ec, 1 << 16) &&
        bytes.find(fuzzing::kLeakedValue) != std::string::npos)
        fuzzing::fail("a name read the planted file outside the application folder");
    fsys::listFolder(text, pattern, fsys::EntryKind::Files, ec);
    std::string exists = text;
    mdlMain::FileExists(exists);
    mdlMain::FolderHasFiles(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (fuzzing::holdsLeakedValue(data, size))
        return 0;
    static const bool prepared = (prepareWorld(), true);
    (void)prepared;
    const auto parts = fuzzing::splitParts(data, size, 2);
    const std::string name(parts[0]);
    checkHelpers(name, parts[1]);
    checkBoundary(name, parts[1]);
    return 0;
}
