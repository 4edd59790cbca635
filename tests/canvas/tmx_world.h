#pragma once
// The world of the Tiled export tests: resource folder and location written
// as files, the export run through `mapedit`, and the map file read back with
// the toolkit's XML reader.

#include "canvas_world.h"
#include "support/cp1251.h"
#include "test_support/process.h"

#include <QImage>
#include <QString>
#include <QXmlStreamReader>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace canvas_testing {

// A tile as the map file declares it.
struct TmxFileTile {
    int id = -1;
    int code = -2;
    std::string name; // UTF-8
    std::string source;
    int width = 0;
    int height = 0;
};

struct TmxFileTileset {
    std::uint32_t firstGid = 0;
    std::string name;
    int offsetX = 0;
    int offsetY = 0;
    std::vector<TmxFileTile> tiles;
};

struct TmxFileLayer {
    std::string name;
    bool visible = true;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> gids;
};

struct TmxFile {
    bool wellFormed = false;
    std::string error;
    std::map<std::string, std::string> mapAttributes;
    std::map<std::string, std::string> properties; // the map's
    std::vector<TmxFileTileset> tilesets;
    std::vector<TmxFileLayer> layers;

    const TmxFileLayer* layer(const std::string& name) const {
        for (const TmxFileLayer& l : layers)
            if (l.name == name)
                return &l;
        return nullptr;
    }
};

inline TmxFile readTmx(const std::string& bytes) {
    TmxFile file;
    QXmlStreamReader xml(QByteArray::fromStdString(bytes));
    TmxFileTile* tile = nullptr;
    const auto attribute = [&xml](const char* name) {
        return xml.attributes().value(QString::fromLatin1(name)).toString().toStdString();
    };
    const auto number = [&xml](const char* name) {
        return xml.attributes().value(QString::fromLatin1(name)).toInt();
    };
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString element = xml.name().toString();
        if (element == "map") {
            for (const QXmlStreamAttribute& a : xml.attributes())
                file.mapAttributes[a.name().toString().toStdString()] =
                    a.value().toString().toStdString();
        } else if (element == "tileset") {
            file.tilesets.push_back(
                {static_cast<std::uint32_t>(number("firstgid")), attribute("name"), 0, 0, {}});
            tile = nullptr;
        } else if (element == "tileoffset") {
            file.tilesets.back().offsetX = number("x");
            file.tilesets.back().offsetY = number("y");
        } else if (element == "tile") {
            file.tilesets.back().tiles.push_back({});
            tile = &file.tilesets.back().tiles.back();
            tile->id = number("id");
        } else if (element == "image" && tile) {
            tile->source = attribute("source");
            tile->width = number("width");
            tile->height = number("height");
        } else if (element == "property") {
            const std::string name = attribute("name");
            if (!tile)
                file.properties[name] = attribute("value");
            else if (name == "code")
                tile->code = number("value");
            else if (name == "name")
                tile->name = attribute("value");
        } else if (element == "layer") {
            file.layers.push_back({attribute("name"),
                                   attribute("visible") != "0",
                                   number("width"),
                                   number("height"),
                                   {}});
            tile = nullptr;
        } else if (element == "data") {
            const QString text = xml.readElementText();
            for (const QString& value : text.split(',', Qt::SkipEmptyParts))
                file.layers.back().gids.push_back(value.trimmed().toUInt());
        }
    }
    file.wellFormed = !xml.hasError();
    file.error = xml.errorString().toStdString();
    return file;
}

// A location written as files: every layer's value of each cell of
// width x (height + 1), and the catalogues of a few pictures.
class TmxWorld : public CanvasWorld {
public:
    static constexpr int kLayers = 6; // earth, object, item, action, block, guard

    TmxWorld(int width, int height)
        : width(width), height(height),
          cells(kLayers, std::vector<int>(static_cast<std::size_t>(width * (height + 1)), 0)) {}

    int width;
    int height;
    std::vector<std::vector<int>> cells; // [layer][y * width + x]

    int& at(int layer, int x, int y) {
        return cells[static_cast<std::size_t>(layer)][static_cast<std::size_t>(y * width + x)];
    }
    int value(int layer, int x, int y) const {
        return cells[static_cast<std::size_t>(layer)][static_cast<std::size_t>(y * width + x)];
    }

    enum Layer { Earth = 0, Object = 1, Item = 2, Action = 3, Block = 4, Guard = 5 };

    // Ground in every cell (codes 0..3 and 200; 3 and 200 have no entry),
    // the three objects, one object code without an entry (value 500) and a
    // house on the last row reaching past the bottom edge, none overlapping
    // another; marks of every kind, two in one cell; and values in the grid's
    // last row (height) everywhere. For a location of at least 10 x 8.
    void fillSampleCells() {
        for (int y = 0; y <= height; ++y)
            for (int x = 0; x < width; ++x)
                at(Earth, x, y) = y == height ? 1 : (x * 3 + y) % 4;
        at(Earth, 5, 5) = 200;
        at(Object, 1, 1) = 1;   // the house
        at(Object, 6, 1) = 2;   // the tower, reaching down to row 4
        at(Object, 3, 5) = 3;   // the crate
        at(Object, 8, 5) = 500; // no entry: the placeholder
        at(Object, 8, height - 1) = 1;
        at(Block, 1, 1) = at(Block, 2, 1) = 1;
        at(Guard, 2, 1) = 7;
        at(Guard, 4, 4) = 1;
        at(Action, 0, height - 1) = 3;
        at(Action, width - 1, 0) = 300;
        at(Item, 2, 2) = 9;
        for (int x = 0; x < width; ++x)
            at(Object, x, height) = at(Block, x, height) = at(Guard, x, height) =
                at(Action, x, height) = 1;
    }

    void writeLocation(const std::string& notesCp1251 = {}) const {
        root().write("Maps/Default/main.config", "[CONFIG]\r\nWidth=" + std::to_string(width) +
                                                     "\r\nHeight=" + std::to_string(height) +
                                                     "\r\n");
        std::string grid;
        for (int y = 0; y <= height; ++y) {
            for (int layer = 0; layer < kLayers; ++layer) {
                const bool wide = layer == 1 || layer == 3;
                for (int x = 0; x < width; ++x) {
                    const int v = value(layer, x, y);
                    if (wide)
                        grid += static_cast<char>(v >> 8);
                    grid += static_cast<char>(v & 0xFF);
                }
            }
        }
        root().write("Maps/Default/main.map", grid);
        if (!notesCp1251.empty())
            root().write("Maps/Default/main.inf", notesCp1251 + "\r\n");
    }

    void writePicture(const std::string& name, const QImage& image) const {
        const auto folder = root().path() / "Resources";
        std::filesystem::create_directories(folder);
        image.save(QString::fromStdString((folder / name).string()), "BMP");
    }

    // Ground entries 0..2 (16 x 16 tiles, stretched to the cell), named
    // kGroundName0, kGroundName1 and not at all; objects 0 (a 48 x 40 house
    // with a mask around its middle, named kHouseName), 1 (a 24 x 70 tower
    // whose mask covers only its top 50 rows) and 2 (a 32 x 32 opaque crate).
    static constexpr const char* kGroundName0 = "Трава у реки";
    static constexpr const char* kGroundName1 = "a<b & \"c\" 'd' >";
    static constexpr const char* kHouseName = "Дом";

    static QRgb groundColour(int code) {
        return qRgb(40 + 60 * code, 180 - 50 * code, 70 + 30 * code);
    }

    void writeCatalogues() const {
        for (int code = 0; code <= 2; ++code) {
            QImage tile(16, 16, QImage::Format_RGB32);
            tile.fill(groundColour(code));
            tile.setPixel(3, 5, qRgb(255, 255, 255));
            writePicture("g" + std::to_string(code) + ".bmp", tile);
        }
        root().write("Resources/level0.ini",
                     cp1251::fromUtf8(
                         std::string("[DATA]\r\nCount=2\r\n[OBJ-0]\r\nFileName=g0.bmp\r\n"
                                     "Name=") +
                         kGroundName0 + "\r\n[OBJ-1]\r\nFileName=g1.bmp\r\nName=" + kGroundName1 +
                         "\r\n[OBJ-2]\r\nFileName=g2.bmp\r\n"));
        QImage house(48, 40, QImage::Format_RGB32), houseMask(48, 40, QImage::Format_RGB32);
        house.fill(Qt::white);
        houseMask.fill(Qt::white);
        for (int y = 4; y < 36; ++y)
            for (int x = 8; x < 44; ++x) {
                house.setPixel(x, y, qRgb(120, 60, 10 + x));
                houseMask.setPixel(x, y, qRgb(0, 0, 0));
            }
        QImage tower(24, 70, QImage::Format_RGB32), towerMask(24, 50, QImage::Format_RGB32);
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 24; ++x)
                tower.setPixel(x, y, qRgb(90, 90 + x, 200 - y));
        towerMask.fill(qRgb(0, 0, 0));
        QImage crate(32, 32, QImage::Format_RGB32), crateMask(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                crate.setPixel(x, y, (x / 4 + y / 4) % 2 ? qRgb(150, 100, 40) : qRgb(60, 40, 20));
        crateMask.fill(qRgb(0, 0, 0));
        writePicture("house.bmp", house);
        writePicture("house_m.bmp", houseMask);
        writePicture("tower.bmp", tower);
        writePicture("tower_m.bmp", towerMask);
        writePicture("crate.bmp", crate);
        writePicture("crate_m.bmp", crateMask);
        root().write(
            "Resources/level1.ini",
            cp1251::fromUtf8(std::string("[DATA]\r\nCount=2\r\n[OBJ-0]\r\nFileName=house.bmp\r\n"
                                         "MaskFileName=house_m.bmp\r\nName=") +
                             kHouseName +
                             "\r\n[OBJ-1]\r\nFileName=tower.bmp\r\nMaskFileName=tower_m.bmp\r\n"
                             "[OBJ-2]\r\nFileName=crate.bmp\r\nMaskFileName=crate_m.bmp\r\n"));
    }

    testing_support::ProcessResult
    exportTmx(const std::string& out, const testing_support::ProcessLimits& limits = {}) const {
        return testing_support::runProcess(
            MAPEDIT_CLI,
            {"export", "--root", root().path().string(), "--map", "Default", "--tmx", out}, limits);
    }
};

} // namespace canvas_testing
