#include "checker/check_world.h"

#include "support/application_folder.h"

#include <QBuffer>
#include <QImage>

namespace checker_testing {

GridBytes::GridBytes(std::int32_t width, std::int32_t height)
    : m_width(width), m_bytes(static_cast<std::size_t>(width) * 8 * (height + 1), '\0') {}

char* GridBytes::at(int x, int y, int layerOffset, int cellBytes) {
    const std::size_t record = static_cast<std::size_t>(m_width) * 8;
    return m_bytes.data() + static_cast<std::size_t>(y) * record +
           static_cast<std::size_t>(layerOffset) * static_cast<std::size_t>(m_width) +
           static_cast<std::size_t>(x) * static_cast<std::size_t>(cellBytes);
}

CheckWorld::CheckWorld() {
    appfolder::setNative(m_root.path().string());
    for (const char* name :
         {"g0.bmp", "g1.bmp", "g2.bmp", "o0.bmp", "o0m.bmp", "o1.bmp", "o1m.bmp"})
        writePicture(std::string("Resources/") + name, 32, 32);
    write("Resources/level0.ini", "[DATA]\r\nCount=2\r\n[OBJ-0]\r\nFileName=g0.bmp\r\n"
                                  "[OBJ-1]\r\nFileName=g1.bmp\r\n[OBJ-2]\r\nFileName=g2.bmp\r\n");
    write("Resources/level1.ini",
          "[DATA]\r\nCount=1\r\n[OBJ-0]\r\nFileName=o0.bmp\r\nMaskFileName=o0m.bmp\r\nName=a\r\n"
          "[OBJ-1]\r\nFileName=o1.bmp\r\nMaskFileName=o1m.bmp\r\nName=b\r\nBlock=1,1\r\n");
    write("Resources/editor.ini",
          "[CATAGORIES]\r\nCount=1\r\nCategory0=Ground\r\nCategory1=Things\r\n"
          "[CATEGORY-0]\r\nCount=2\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
          "Data0=OBJ-0\r\nData1=OBJ-1\r\nData2=OBJ-2\r\n"
          "[CATEGORY-1]\r\nCount=1\r\nLevel=1\r\nDefaultSource=level1.ini\r\n"
          "Data0=OBJ-0\r\nData1=OBJ-1\r\n");
}

void CheckWorld::writePicture(const std::string& relative, int width, int height) const {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0x336699);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    write(relative, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void CheckWorld::writeLocation(const std::string& map, const std::string& name,
                               const GridBytes& grid, std::int32_t width,
                               std::int32_t height) const {
    write("Maps/" + map + "/" + name + ".config", "[CONFIG]\r\nWidth=" + std::to_string(width) +
                                                      "\r\nHeight=" + std::to_string(height) +
                                                      "\r\n");
    write("Maps/" + map + "/" + name + ".map", grid.bytes());
}

void CheckWorld::writeCleanMap(const std::string& map) const {
    write("Maps/" + map + "/" + map + ".mpc", "[CONFIG]\r\nResources=Resources\r\n");
    GridBytes grid(4, 3);
    grid.earth(1, 0, 1);
    grid.earth(2, 0, 2);
    grid.object(0, 0, 1);
    grid.object(2, 1, 2); // footprint: (2, 1) and (2, 2)
    grid.block(2, 1);
    grid.block(2, 2);
    grid.door(3, 3, 1);
    writeLocation(map, "main", grid, 4, 3);
    write("Maps/" + map + "/main.actl", "[ACTIONS]\r\nCount=0\r\nA0=hello\r\n");
    write("Maps/" + map + "/hello",
          "[ACTION]\r\nActionCount=1\r\nActionType=tell\r\nText=Hi\r\nActionType1=Question\r\n");
    write("Maps/" + map + "/main.inf", "Notes\r\n");
}

std::vector<checker::Finding> ofKind(const checker::CheckResult& result, const std::string& kind) {
    std::vector<checker::Finding> found;
    for (const checker::Finding& f : result.findings)
        if (f.kind == kind)
            found.push_back(f);
    return found;
}

} // namespace checker_testing
