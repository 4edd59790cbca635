#pragma once
// The picture format a file name asks for by its extension, for the pictures
// the programs write (rendered views, screenshots).

#include <string_view>

namespace canvas {

// The image writer's format name for the extension of `fileName` (".png",
// ".bmp", ".ppm", ".jpg" or ".jpeg", in any case), or nullptr for any other
// extension or none.
const char* pictureFormatFor(std::string_view fileName);

// The extensions pictureFormatFor knows, for messages.
constexpr const char* kPictureExtensions = ".png, .bmp, .ppm, .jpg";

} // namespace canvas
