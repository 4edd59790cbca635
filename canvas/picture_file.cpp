#include "canvas/picture_file.h"

#include "support/cp1251.h"
#include "support/file_system.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cstdint>
#include <system_error>

namespace canvas {
namespace {

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

// Bytes a decoded picture of this size takes (four per pixel).
std::uint64_t decodedBytes(const QSize& size) {
    return static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) *
           4u;
}

constexpr std::uint64_t kMaxDecodedBytes = std::uint64_t{kMaxPictureMegabytes} << 20;

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The size a BMP header claims. The toolkit does not even report the size of
// a BMP claiming more than it is willing to decode; the designer still learns
// why such a picture is refused.
QSize bmpClaimedSize(std::string_view bytes) {
    if (bytes.size() < 14 + 12 || bytes.substr(0, 2) != "BM")
        return {};
    const std::uint32_t headerSize = littleEndian(bytes, 14, 4);
    std::int64_t width = 0;
    std::int64_t height = 0;
    if (headerSize == 12) {                  // the oldest header: 16-bit sizes
        if (littleEndian(bytes, 22, 2) != 1) // planes
            return {};
        width = littleEndian(bytes, 18, 2);
        height = littleEndian(bytes, 20, 2);
    } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 64 ||
               headerSize == 108 || headerSize == 124) {
        if (bytes.size() < 14 + 40 || littleEndian(bytes, 26, 2) != 1)
            return {};
        width = static_cast<std::int32_t>(littleEndian(bytes, 18, 4));
        height = static_cast<std::int32_t>(littleEndian(bytes, 22, 4));
        height = height < 0 ? -height : height; // negative: rows top to bottom
    } else {
        return {}; // not a header the format has
    }
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return {};
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

void refuse(PictureReading& reading, std::string russian, std::string english) {
    reading.reason = std::move(russian);
    reading.reasonEnglish = std::move(english);
}

void refuseAsTooLarge(PictureReading& reading, const QSize& size) {
    const std::string pixels = std::to_string(size.width()) + " x " + std::to_string(size.height());
    const std::string needed = std::to_string(decodedBytes(size) >> 20);
    const std::string limit = std::to_string(kMaxPictureMegabytes);
    refuse(reading,
           ru("картинка ") + pixels + ru(" точек слишком велика: ей нужно ") + needed +
               ru(" МБ памяти, а картинке отводится не больше ") + limit + ru(" МБ"),
           "a picture of " + pixels + " pixels is too large: it needs " + needed +
               " MB of memory, and a picture may take at most " + limit + " MB");
}

} // namespace

PictureReading readPicture(std::string_view file) {
    PictureReading reading;
    if (fsys::probe(file) == fsys::Probe::Missing) {
        refuse(reading, ru("файл не найден"), "file not found");
        reading.missing = true;
        return reading;
    }
    std::string bytes;
    std::error_code ec;
    if (!fsys::readWholeFile(file, bytes, ec, kMaxPictureFileBytes)) {
        if (ec == std::errc::file_too_large) {
            std::error_code sizeEc;
            const std::string size = std::to_string(fsys::fileSize(file, sizeEc));
            const std::string limit = std::to_string(kMaxPictureFileBytes);
            refuse(reading,
                   ru("файл слишком велик для картинки: ") + size +
                       ru(" байт, а картинка не бывает длиннее ") + limit + ru(" байт"),
                   "the file is too large for a picture: " + size +
                       " bytes, and a picture is at most " + limit + " bytes");
        } else {
            refuse(reading, ru("не удалось прочитать (") + cp1251::fromUtf8(ec.message()) + ")",
                   "cannot be read (" + ec.message() + ")");
        }
        return reading;
    }

    if (QImageReader::allocationLimit() != kMaxPictureMegabytes)
        QImageReader::setAllocationLimit(kMaxPictureMegabytes);
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // The header tells the size before anything is decoded.
    QSize claimed = reader.size();
    if (!claimed.isValid())
        claimed = bmpClaimedSize(bytes);
    if (claimed.isValid() && decodedBytes(claimed) > kMaxDecodedBytes) {
        refuseAsTooLarge(reading, claimed);
        return reading;
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        refuse(reading, ru("не является картинкой"), "not a picture");
        return reading;
    }
    reading.image = image.convertToFormat(QImage::Format_RGB32);
    return reading;
}

} // namespace canvas
