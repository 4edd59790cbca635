#pragma once
// A world for the manager tests: a temporary application folder holding a copy
// of the bundled sample world (map "Default" with its locations main and cave
// and their actions, and the folder "Resources"), a stand-in for the main
// window with its canvas set up as the editor sets it up, and a capture of the
// message boxes shown meanwhile.

#include "canvas/message_box.h"
#include "canvas/world_canvas.h"
#include "test_support/temp_folder.h"

#include <QDialog>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace managers_testing {

class ManagerWorld {
public:
    // With `sample`, the sample world is copied in; otherwise the folder is empty.
    explicit ManagerWorld(bool sample = true);
    ~ManagerWorld();

    const testing_support::TempFolder& root() const { return m_root; }
    // The application folder as a program text, ending in "\".
    std::string appFolder() const { return m_root.text(); }

    // Whether a file or folder exists below the application folder ("/" separators).
    bool exists(std::string_view relative) const;
    std::string read(std::string_view relative) const { return m_root.read(relative); }
    void write(std::string_view relative, std::string_view bytes) const {
        m_root.write(relative, bytes);
    }
    // Files below the application folder with their bytes, for "nothing was written".
    std::vector<std::pair<std::string, std::string>> snapshot() const;

    // Makes `map` the current map, as opening it in the maps browser would,
    // and loads its location `location` into the canvas.
    void openMap(const std::string& map, const std::string& location = "main");

    QWidget mainWindow;
    WorldCanvas* canvas;
    std::vector<ui::Message> messages;

private:
    testing_support::TempFolder m_root;
    ui::MessageHandlerScope m_capture;
};

// A program text as it reads in a widget, and back.
QString q(std::string_view cp1251Text);
std::string cp(const QString& text);
// A text written here in UTF-8 as a program text.
std::string ru(std::string_view utf8);

// Shows a window with its showModal() and runs `inside` while it is open;
// a window `inside` left open is closed with reject(). Returns the result.
template <class Window> int whileShown(Window& window, const std::function<void()>& inside) {
    QTimer::singleShot(0, &window, [&window, inside] {
        inside();
        if (window.isVisible())
            window.reject();
    });
    return window.showModal();
}

// The INI text of sections given in order, with CR LF line ends.
std::string iniText(const std::vector<std::pair<std::string, std::vector<std::string>>>& sections);

} // namespace managers_testing
