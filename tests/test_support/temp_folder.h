#pragma once
// A fresh folder below the system's temporary folder, removed with everything
// in it when the object goes. Fixtures are built here, never in the source tree.

#include <filesystem>
#include <string>
#include <string_view>

namespace testing_support {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The folder as a program text ending in "\".
    std::string text() const;

    // Writes a file (creating its folders) below the folder; `relative` uses "/".
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path m_path;
};

std::string readNative(const std::filesystem::path& file);

} // namespace testing_support
