#pragma once
// Writing the sample world's files below the application folder. Paths are
// program texts (code page 1251, "\" separators) and go through the
// file-system boundary like every other path of the editor.

#include <QImage>

#include <string>
#include <string_view>

namespace artgen {

// The application folder with its trailing separator, and the two folders
// below it that the world lives in.
std::string applicationFolder();
std::string resourceFolder();
std::string mapFolder();

// Creates the application folder's "Resources" and "Maps\Default" folders.
void createFolders();

// A file about to be written afresh: INI writes and grid writes keep what an
// old file held, so the old one goes first.
void removeOld(std::string_view file);

void writeBmp(std::string_view file, const QImage& image);
void writeBytes(std::string_view file, std::string_view bytes);

// UTF-8 text of the program's sources to code page 1251.
std::string cp(std::string_view utf8);

} // namespace artgen
