#include "output_files.h"

#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

#include <QBuffer>

#include <stdexcept>

namespace artgen {
namespace {

void fail(std::string_view what, std::string_view file, const std::error_code& ec) {
    throw std::runtime_error(std::string(what) + " " + cp1251::toUtf8(file) + ": " + ec.message());
}

} // namespace

std::string applicationFolder() {
    return mdlMain::ApplicationFolder();
}

std::string resourceFolder() {
    return applicationFolder() + "Resources\\";
}

std::string mapFolder() {
    return applicationFolder() + "Maps\\Default\\";
}

void createFolders() {
    for (const std::string& folder :
         {applicationFolder() + "Resources", applicationFolder() + "Maps",
          applicationFolder() + "Maps\\Default"}) {
        std::error_code ec;
        if (!fsys::createFolder(folder, ec))
            fail("cannot create", folder, ec);
    }
}

void removeOld(std::string_view file) {
    if (fsys::probe(file) == fsys::Probe::Missing)
        return;
    std::error_code ec;
    if (!fsys::removeFile(file, ec))
        fail("cannot remove", file, ec);
}

void writeBmp(std::string_view file, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw std::runtime_error("cannot encode " + cp1251::toUtf8(file));
    writeBytes(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void writeBytes(std::string_view file, std::string_view bytes) {
    std::error_code ec;
    if (!fsys::writeWholeFile(file, bytes, ec))
        fail("cannot write", file, ec);
}

std::string cp(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

} // namespace artgen
