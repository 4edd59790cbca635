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

// The image writer's compression for PNG files (0 to 100; without it the
// writer uses zlib's default level). Encoding is most of the time of
// a large render: on a 6400 x 6400 picture of tiles and sprites (see
// bench/render_scale_bench.cpp) 20 encodes in 1.5 s to 28.8 MB where the
// default takes 3.8 s for 25.5 MB; 0 and 10 store uncompressed (123 MB, 0.9 s
// of filtering alone), 40 takes 1.7 s for 27.1 MB, 100 9.2 s for 25.3 MB.
constexpr int kPngCompression = 20;

// A native path from a UTF-8 text the user gave (a command-line argument).
std::filesystem::path nativePath(const std::string& utf8);

// Writes `image` to `target` in the format its extension names. The old file
// stays whole and no partial file is left when anything fails; then `reason`
// says why, in English.
bool writePictureFile(const QImage& image, const std::filesystem::path& target,
                      std::string& reason);

} // namespace canvas
