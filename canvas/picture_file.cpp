#include "canvas/picture_file.h"

#include "support/file_system.h"

#include <limits>
#include <system_error>

namespace canvas {

PictureReading readPicture(std::string_view file) {
    PictureReading reading;
    if (fsys::probe(file) == fsys::Probe::Missing) {
        reading.reason = "file not found";
        return reading;
    }
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec)) {
        reading.reason = "cannot be read (" + ec.message() + ")";
        return reading;
    }
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        reading.reason = "too large for a picture";
        return reading;
    }
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size())) ||
        image.isNull()) {
        reading.reason = "not a picture";
        return reading;
    }
    reading.image = image.convertToFormat(QImage::Format_RGB32);
    return reading;
}

} // namespace canvas
