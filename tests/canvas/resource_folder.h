#pragma once
// Fixtures for the canvas tests: a temporary application folder holding a
// resource folder with pictures written by the toolkit and catalogue files
// written as text.

#include "test_support/temp_folder.h"

#include <QImage>
#include <QRgb>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace canvas_testing {

using Keys = std::vector<std::pair<std::string, std::string>>;
using Sections = std::vector<std::pair<std::string, Keys>>;

// The text of an INI file with the sections and keys in the given order.
std::string iniText(const Sections& sections);

QImage solidImage(int width, int height, QRgb colour);

class ResourceFolder {
public:
    // Makes a fresh temporary folder the application folder.
    explicit ResourceFolder(std::string folderName = "Resources");

    // A picture below the resource folder, written by the toolkit in `format`.
    void writePicture(std::string_view name, const QImage& image, const char* format = "BMP");
    // Any file below the resource folder.
    void writeFile(std::string_view name, std::string_view bytes);
    void removeFile(std::string_view name);

    void writeEarthCatalogue(const Sections& sections) {
        writeFile("level0.ini", iniText(sections));
    }
    void writeObjectCatalogue(const Sections& sections) {
        writeFile("level1.ini", iniText(sections));
    }

    // The resource folder's path as the program spells it, ending in "\".
    std::string folderText() const;

private:
    testing_support::TempFolder m_root;
    std::string m_folderName;
};

} // namespace canvas_testing
