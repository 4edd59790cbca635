#include "canvas/picture_format.h"

#include "canvas/banded_drawing.h"
#include "support/crash_safe_writer.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include <cctype>

namespace canvas {

const PngEncoding kPngEncoding = [] {
    PngEncoding encoding;
    encoding.level = 2;
    encoding.filter = PngRowFilter::None;
    encoding.threads = drawingThreads();
    return encoding;
}();

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

std::filesystem::path nativePath(const std::string& utf8) {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

bool writePictureFile(const QImage& image, const std::filesystem::path& target,
                      std::string& reason) {
    const std::u8string name = target.filename().u8string();
    const char* format =
        pictureFormatFor(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
    if (!format) {
        reason = std::string("unknown picture format (use ") + kPictureExtensions + ")";
        return false;
    }
    // The whole picture is made in memory first, so a failure of the encoder
    // touches no file.
    std::error_code ec;
    if (std::string_view(format) == "PNG") {
        const std::string png = encodePng(image, kPngEncoding);
        if (png.empty()) {
            reason = "the picture could not be encoded (not enough memory)";
            return false;
        }
        if (!fsys::replaceNativeFile(target, png, ec)) {
            reason = ec.message();
            return false;
        }
        return true;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) {
        reason = "the picture could not be encoded: " + writer.errorString().toStdString();
        return false;
    }
    if (!fsys::replaceNativeFile(target, std::string_view(bytes.constData(), bytes.size()), ec)) {
        reason = ec.message();
        return false;
    }
    return true;
}

} // namespace canvas
