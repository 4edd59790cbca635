#include "editor_world.h"

namespace windows_testing {

namespace {

std::string cp(const std::string& utf8) {
    return cp1251::fromUtf8(utf8);
}

} // namespace

EditorWorld::EditorWorld()
    : m_capture([this](const ui::Message& m) {
          messages.push_back(m);
          return ui::MessageAnswer::Ok;
      }) {
    appfolder::setNative(m_root.path().string());
    // Two categories of ground and objects, and one whose entry 2 has no data.
    m_root.write("Resources/editor.ini",
                 cp("[CATAGORIES]\r\nCount=2\r\nCategory0=Земля\r\nCategory1=Объекты\r\n"
                    "Category2=Пробелы\r\n"
                    "[CATEGORY-0]\r\nCount=2\r\nLevel=0\r\nDefaultSource=level0.ini\r\n"
                    "Data0=OBJ-0\r\nData1=OBJ-1\r\nData2=OBJ-300\r\n"
                    "[CATEGORY-1]\r\nCount=2\r\nLevel=1\r\n"
                    "Source0=level1.ini\r\nData0=OBJ-0\r\nData1=OBJ-1\r\nData2=OBJ-2\r\n"
                    "DefaultSource=level1.ini\r\n"
                    "[CATEGORY-2]\r\nCount=3\r\nLevel=1\r\nDefaultSource=level1.ini\r\n"
                    "Data0=OBJ-0\r\nData1=OBJ-1\r\nData3=OBJ-2\r\n"));
    m_root.write("Resources/level0.ini",
                 cp("[DATA]\r\nCount=1\r\n[OBJ-0]\r\nFileName=grass.bmp\r\nName=Трава\r\n"
                    "[OBJ-1]\r\nFileName=sand.bmp\r\nName=Песок\r\n"
                    "[OBJ-300]\r\nName=Лишний\r\n"));
    m_root.write("Resources/level1.ini",
                 cp("[DATA]\r\nCount=2\r\n"
                    "[OBJ-0]\r\nFileName=house.bmp\r\nMaskFileName=house_m.bmp\r\nName=Дом\r\n"
                    "Block=110, 010\r\n"
                    "[OBJ-1]\r\nFileName=wide.bmp\r\nMaskFileName=wide.bmp\r\nName=Забор\r\n"
                    "Block=11\r\n"
                    "[OBJ-2]\r\nFileName=big.bmp\r\nMaskFileName=big.bmp\r\nName=Башня\r\n"));
    writePicture("grass.bmp", 32, 32);
    writePicture("sand.bmp", 32, 32);
    writePicture("house.bmp", 48, 80);
    writePicture("house_m.bmp", 48, 80);
    writePicture("wide.bmp", 64, 32);
    writePicture("big.bmp", 400, 120);
    writeLocation("main", 8, 6);
}

void EditorWorld::writePicture(const std::string& name, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(40, 160, 60));
    const auto file = m_root.path() / "Resources" / name;
    std::filesystem::create_directories(file.parent_path());
    image.save(QString::fromStdString(file.string()), "BMP");
}

void EditorWorld::writeLocation(const std::string& name, int width, int height) {
    m_root.write("Maps/Default/" + name + ".config", "[CONFIG]\r\nWidth=" + std::to_string(width) +
                                                         "\r\nHeight=" + std::to_string(height) +
                                                         "\r\n");
    std::string grid(8 * static_cast<std::size_t>(width) * (height + 1), '\0');
    for (int y = 0; y <= height; ++y)
        grid[8 * static_cast<std::size_t>(width) * y] = 1; // ground 1 in column 0
    m_root.write("Maps/Default/" + name + ".map", grid);
}

std::string EditorWorld::lastText() const {
    return messages.empty() ? std::string() : cp1251::toUtf8(messages.back().text);
}

} // namespace windows_testing
