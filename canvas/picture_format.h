#pragma once
// Pictures the programs write (rendered views, screenshots): the format a
// file name asks for by its extension, and the write itself, which goes
// through the crash-safe writer like every other file the programs write.

#include <filesystem>
#include <string>
#include <string_view>

class QImage;

namespace canvas {

// The image writer's format name for the extension of `fileName` (".png",
// ".bmp", ".ppm", ".jpg" or ".jpeg", in any case), or nullptr for any other
// extension or none.
const char* pictureFormatFor(std::string_view fileName);

// The extensions pictureFormatFor knows, for messages.
constexpr const char* kPictureExtensions = ".png, .bmp, .ppm, .jpg";

// A native path from a UTF-8 text the user gave (a command-line argument).
std::filesystem::path nativePath(const std::string& utf8);

// Writes `image` to `target` in the format its extension names. The old file
// stays whole and no partial file is left when anything fails; then `reason`
// says why, in English.
bool writePictureFile(const QImage& image, const std::filesystem::path& target,
                      std::string& reason);

} // namespace canvas
