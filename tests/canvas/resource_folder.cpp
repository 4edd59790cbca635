#include "resource_folder.h"

#include "support/application_folder.h"

#include <QBuffer>
#include <QByteArray>

#include <filesystem>
#include <stdexcept>

namespace canvas_testing {

std::string iniText(const Sections& sections) {
    std::string text;
    for (const auto& [section, keys] : sections) {
        text += "[" + section + "]\r\n";
        for (const auto& [key, value] : keys)
            text += key + "=" + value + "\r\n";
    }
    return text;
}

QImage solidImage(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

ResourceFolder::ResourceFolder(std::string folderName) : m_folderName(std::move(folderName)) {
    appfolder::setNative(m_root.path().string());
}

void ResourceFolder::writePicture(std::string_view name, const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw std::runtime_error("cannot encode a picture as " + std::string(format));
    writeFile(name, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ResourceFolder::writeFile(std::string_view name, std::string_view bytes) {
    m_root.write(m_folderName + "/" + std::string(name), bytes);
}

void ResourceFolder::removeFile(std::string_view name) {
    std::filesystem::remove(m_root.path() / m_folderName / std::string(name));
}

std::string ResourceFolder::folderText() const {
    return m_root.text() + m_folderName + "\\";
}

} // namespace canvas_testing
