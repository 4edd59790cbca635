#include "canvas/picture_file.h"

#include "support/cp1251.h"
#include "support/file_system.h"

#include <limits>
#include <system_error>

namespace canvas {

PictureReading readPicture(std::string_view file) {
    PictureReading reading;
    if (fsys::probe(file) == fsys::Probe::Missing) {
        reading.reason = cp1251::fromUtf8("файл не найден");
        return reading;
    }
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec)) {
        reading.reason = cp1251::fromUtf8("не удалось прочитать (" + ec.message() + ")");
        return reading;
    }
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        reading.reason = cp1251::fromUtf8("слишком велик для картинки");
        return reading;
    }
    QImage image;
    if (!image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                            static_cast<int>(bytes.size())) ||
        image.isNull()) {
        reading.reason = cp1251::fromUtf8("не является картинкой");
        return reading;
    }
    reading.image = image.convertToFormat(QImage::Format_RGB32);
    return reading;
}

} // namespace canvas
