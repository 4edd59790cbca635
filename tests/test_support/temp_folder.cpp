#include "test_support/temp_folder.h"

#include "support/file_system.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace testing_support {

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() /
            ("mapedit-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            m_path = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(m_path, ec);
}

std::string TempFolder::text() const {
    return fsys::toText(m_path) + "\\";
}

fs::path TempFolder::write(std::string_view relative, std::string_view bytes) const {
    const fs::path file = m_path / fs::path(std::u8string(relative.begin(), relative.end()));
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
    return file;
}

std::string TempFolder::read(std::string_view relative) const {
    return readNative(m_path / fs::path(std::u8string(relative.begin(), relative.end())));
}

std::string readNative(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace testing_support
