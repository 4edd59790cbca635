#include "support/application_folder.h"

#include "support/file_system.h"

#include <filesystem>
#include <optional>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace appfolder {
namespace {

std::optional<std::string>& chosen() {
    static std::optional<std::string> folder;
    return folder;
}

std::string withoutTrailingSeparator(std::string text) {
    while (text.size() > 1 && text.back() == '\\' && text[text.size() - 2] != ':')
        text.pop_back();
    return text;
}

} // namespace

std::string reported() {
    if (!chosen())
        chosen() = withoutTrailingSeparator(fsys::toText(executableFolder()));
    return *chosen();
}

fs::path executableFolder() {
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, 32768);
    return fs::path(std::wstring(buffer, n)).parent_path();
#else
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : exe.parent_path();
#endif
}

void setNative(std::string_view nativeFolder) {
    std::error_code ec;
    fs::path folder =
        fs::absolute(fs::path(std::u8string(nativeFolder.begin(), nativeFolder.end())), ec);
    if (ec)
        folder = fs::path(std::u8string(nativeFolder.begin(), nativeFolder.end()));
    chosen() = withoutTrailingSeparator(fsys::toText(folder.lexically_normal()));
}

} // namespace appfolder
