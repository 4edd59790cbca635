#pragma once
// A world for the canvas widget tests: a temporary application folder with map
// "Default" holding locations written straight as files, and a capture of the
// message boxes shown meanwhile.

#include "canvas/message_box.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "test_support/temp_folder.h"

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
