#pragma once
// Pictures the programs write (rendered views, screenshots): the format a
// file name asks for by its extension, and the write itself, which goes
// through the crash-safe writer like every other file the programs write.

#include "canvas/png_encoding.h"

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

// How PNG files are encoded. Encoding is most of the time of a large render:
// on a 6400 x 6400 picture of tiles and sprites (bench/render_scale_bench.cpp,
// 2 cores) zlib level 2 without row filters, in stripes on every core, takes
// 0.44 s for 26.6 MB. Pictures of repeated tiles compress best unfiltered:
// the Sub filter gave 29.2 MB at level 1, Paeth 29.0 MB and twice the time.
// The toolkit's own writer took 1.6 s for 28.8 MB at its compression 20 and
// 4.3 s for 25.5 MB at zlib's default level.
extern const PngEncoding kPngEncoding;

// A native path from a UTF-8 text the user gave (a command-line argument).
std::filesystem::path nativePath(const std::string& utf8);

// Writes `image` to `target` in the format its extension names. The old file
// stays whole and no partial file is left when anything fails; then `reason`
// says why, in English.
bool writePictureFile(const QImage& image, const std::filesystem::path& target,
                      std::string& reason);

} // namespace canvas
