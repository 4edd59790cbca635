#include "canvas/picture_format.h"

#include <cctype>
#include <string>

namespace canvas {

const char* pictureFormatFor(std::string_view fileName) {
    const std::size_t dot = fileName.find_last_of('.');
    const std::size_t separator = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (separator != std::string_view::npos && dot < separator))
        return nullptr;
    std::string extension(fileName.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "png")
        return "PNG";
    if (extension == "bmp")
        return "BMP";
    if (extension == "ppm")
        return "PPM";
    if (extension == "jpg" || extension == "jpeg")
        return "JPG";
    return nullptr;
}

} // namespace canvas
