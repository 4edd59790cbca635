#include "fuzz/fuzz_support.h"

#include "support/application_folder.h"
#include "support/file_system.h"
#include "support/ini_text.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace fuzzing {

std::vector<std::string_view> splitParts(const std::uint8_t* data, std::size_t size,
                                         std::size_t maxParts) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < maxParts) {
        const std::size_t at = input.find(kPartSeparator);
        if (at == std::string_view::npos)
            break;
        parts.push_back(input.substr(0, at));
        input.remove_prefix(at + kPartSeparator.size());
    }
    parts.push_back(input);
    parts.resize(maxParts);
    return parts;
}

ScratchWorld& ScratchWorld::instance() {
    static ScratchWorld world;
    return world;
}

ScratchWorld::ScratchWorld() {
    m_process = fs::temp_directory_path() / ("mapedit-fuzz-" + std::to_string(getpid()));
    m_root = m_process / "app";
    fs::remove_all(m_process);
    fs::create_directories(m_root);
    plantSecret();
    appfolder::setNative(m_root.string());
}

void ScratchWorld::plantSecret() {
    // The sections and keys the palette, catalogue and action readers ask for.
    const std::string value(kLeakedValue);
    std::string ini;
    for (const char* section :
         {"SECRET", "DATA", "ACTION", "ACTIONS", "CATAGORIES", "CATEGORY-0", "CONFIG", "OBJ-0"}) {
        ini += "[" + std::string(section) + "]\r\n";
        for (const char* key : {"Name", "FileName", "MaskFileName", "Block", "Text", "Ok", "None",
                                "ActionType", "A0", "Category0", "Data0", "Width", "Height"})
            ini += std::string(key) + "=" + value + "\r\n";
        ini += "Count=0\r\nActionCount=0\r\nDefaultSource=..\\outside\\secret\r\n";
    }
    fs::create_directories(m_process / "outside");
    std::ofstream(m_process / "outside" / "secret", std::ios::binary) << ini;
}

ScratchWorld::~ScratchWorld() {
    std::error_code ec;
    fs::remove_all(m_process, ec);
}

std::string ScratchWorld::text() const {
    return fsys::toText(m_root) + "\\";
}

void ScratchWorld::clear() {
    for (const auto& entry : fs::directory_iterator(m_root))
        fs::remove_all(entry.path());
}

void ScratchWorld::writeInput(const std::uint8_t* data, std::size_t size,
                              std::initializer_list<std::string_view> names) {
    clear();
    const auto parts = splitParts(data, size, names.size());
    std::size_t i = 0;
    for (std::string_view name : names)
        write(name, parts[i++]);
}

void ScratchWorld::write(std::string_view relative, std::string_view bytes) {
    const fs::path file = m_root / fs::path(std::string(relative));
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        fail("cannot write the scratch file " + file.string());
}

void ensureGuiApplication() {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "mapedit-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

bool holdsLeakedValue(const std::uint8_t* data, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(data), size).find(kLeakedValue) !=
           std::string_view::npos;
}

void checkReadText(std::string_view text, const char* what) {
    if (text.size() > ini::kMaxReturned)
        fail(std::string(what) + " is longer than a read can return");
    if (text.find(kLeakedValue) != std::string_view::npos)
        fail(std::string(what) + " was read from the planted file outside");
}

void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what.c_str());
    std::abort();
}

} // namespace fuzzing
