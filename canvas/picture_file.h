#pragma once
// Reading one picture file through the file-system boundary (so its name is
// matched without regard to case) and decoding it with the image readers of
// the toolkit: BMP of every depth, PNG, GIF, JPEG and the rest they know.

#include <QImage>

#include <string>
#include <string_view>

namespace canvas {

struct PictureReading {
    QImage image;       // Format_RGB32 when read; null otherwise
    std::string reason; // why the picture could not be had; empty when read
};

PictureReading readPicture(std::string_view file);

} // namespace canvas
