#pragma once
// A world for the canvas widget tests: a temporary application folder with map
// "Default" holding locations written straight as files, and a capture of the
// message boxes shown meanwhile.

#include "canvas/message_box.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "test_support/temp_folder.h"

#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

namespace canvas_testing {

class CanvasWorld {
public:
    CanvasWorld()
        : m_capture([this](const ui::Message& m) {
              messages.push_back(m);
              return ui::MessageAnswer::Ok;
          }) {
        appfolder::setNative(m_root.path().string());
    }

    // Location `name` of width x (height + 1) cells; cell (x, y) has ground
    // code (x + y) % 7 and object code x + 1 on row 0, nothing else.
    void writeLocation(const std::string& name, int width, int height) {
        m_root.write("Maps/Default/" + name + ".config",
                     "[CONFIG]\r\nWidth=" + std::to_string(width) +
                         "\r\nHeight=" + std::to_string(height) + "\r\n");
        std::string grid;
        for (int y = 0; y <= height; ++y) {
            std::string record(8 * static_cast<std::size_t>(width), '\0');
            for (int x = 0; x < width; ++x) {
                record[x] = static_cast<char>((x + y) % 7);
                if (y == 0) {
                    record[width + 2 * x] = static_cast<char>((x + 1) >> 8);
                    record[width + 2 * x + 1] = static_cast<char>((x + 1) & 0xFF);
                }
            }
            grid += record;
        }
        m_root.write("Maps/Default/" + name + ".map", grid);
    }

    // The resource folder of the render tests: ground tiles 0..6 of
    // `tileSide` pixels in seven colours, each with a white dot at `dot`, and
    // object 0, a 48 x 40 sprite with its mask.
    void writeTilesAndHouse(int tileSide, QPoint dot) const {
        const auto resources = m_root.path() / "Resources";
        std::filesystem::create_directories(resources);
        std::string level0 = "[DATA]\r\nCount=6\r\n";
        for (int i = 0; i <= 6; ++i) {
            QImage tile(tileSide, tileSide, QImage::Format_RGB32);
            tile.fill(qRgb(30 * i, 200 - 20 * i, 90));
            tile.setPixel(dot, qRgb(255, 255, 255));
            tile.save(
                QString::fromStdString((resources / ("t" + std::to_string(i) + ".bmp")).string()));
            level0 +=
                "[OBJ-" + std::to_string(i) + "]\r\nFileName=t" + std::to_string(i) + ".bmp\r\n";
        }
        m_root.write("Resources/level0.ini", level0);
        QImage sprite(48, 40, QImage::Format_RGB32), mask(48, 40, QImage::Format_RGB32);
        sprite.fill(Qt::white);
        mask.fill(Qt::white);
        for (int y = 4; y < 36; ++y) {
            for (int x = 8; x < 44; ++x) {
                sprite.setPixel(x, y, qRgb(120, 60, 10 + x));
                mask.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
        sprite.save(QString::fromStdString((resources / "house.bmp").string()));
        mask.save(QString::fromStdString((resources / "house_m.bmp").string()));
        m_root.write(
            "Resources/level1.ini",
            "[DATA]\r\nCount=0\r\n[OBJ-0]\r\nFileName=house.bmp\r\nMaskFileName=house_m.bmp\r\n");
    }

    const testing_support::TempFolder& root() const { return m_root; }
    std::string lastMessageText() const {
        return messages.empty() ? std::string() : cp1251::toUtf8(messages.back().text);
    }

    std::vector<ui::Message> messages;

private:
    testing_support::TempFolder m_root;
    ui::MessageHandlerScope m_capture;
};

} // namespace canvas_testing
