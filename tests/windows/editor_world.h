#pragma once
// A small world for the main window's tests: a temporary application folder
// with a palette, two catalogues with pictures, and map "Default" holding an
// 8 x 6 location "main"; message boxes are captured instead of shown.

#include "canvas/message_box.h"
#include "support/application_folder.h"
#include "support/cp1251.h"
#include "test_support/temp_folder.h"

#include <QImage>
#include <string>
#include <vector>

namespace windows_testing {

class EditorWorld {
public:
    EditorWorld();

    const testing_support::TempFolder& root() const { return m_root; }
    void writeLocation(const std::string& name, int width, int height);
    void writePicture(const std::string& name, int width, int height);
    // The last message's text in UTF-8.
    std::string lastText() const;

    std::vector<ui::Message> messages;

private:
    testing_support::TempFolder m_root;
    ui::MessageHandlerScope m_capture;
};

} // namespace windows_testing
