#pragma once
// The application folder: the folder below which the program finds its maps and
// resources. By default the folder of the running executable; the tools accept
// another one on their command line.

#include <filesystem>
#include <string>
#include <string_view>

namespace appfolder {

// The folder as a program text without a trailing separator (a root keeps its
// one separator), the way the operating system reports a program's folder.
std::string reported();

// Names another folder from now on: a native path, relative to the working
// folder or absolute.
void setNative(std::string_view nativeFolder);

// The folder of the running executable (the working folder when the system
// does not tell).
std::filesystem::path executableFolder();

} // namespace appfolder
