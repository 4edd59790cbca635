#pragma once
// A world in a temporary folder: the application folder points at it while the
// fixture lives, and locations are written into its "Maps" folder.

#include "model/location_grid.h"
#include "support/application_folder.h"
#include "test_support/temp_folder.h"

#include <cstdint>
#include <random>
#include <string>

namespace testing_support {

class WorldFolder {
public:
    WorldFolder() { appfolder::setNative(m_root.path().string()); }

    const TempFolder& root() const { return m_root; }

    void writeConfig(const std::string& map, const std::string& name, const std::string& bytes) {
        m_root.write("Maps/" + map + "/" + name + ".config", bytes);
    }
    void writeConfig(const std::string& map, const std::string& name, int width, int height) {
        writeConfig(map, name,
                    "[CONFIG]\r\nWidth=" + std::to_string(width) +
                        "\r\nHeight=" + std::to_string(height) + "\r\n");
    }
    void writeGrid(const std::string& map, const std::string& name, const std::string& bytes) {
        m_root.write("Maps/" + map + "/" + name + ".map", bytes);
    }
    std::string readGrid(const std::string& map, const std::string& name) const {
        return m_root.read("Maps/" + map + "/" + name + ".map");
    }

private:
    TempFolder m_root;
};

// An empty grid of `width` x `height` (rows 0 to height), ground 0.
inline model::LocationGrid emptyGrid(std::int32_t width, std::int32_t height) {
    model::LocationGrid grid;
    grid.setMapWidth(width);
    grid.setMapHeight(height);
    grid.CreatMap(0);
    return grid;
}

inline std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string s(size, '\0');
    for (auto& c : s)
        c = static_cast<char>(random() & 0xFF);
    return s;
}

} // namespace testing_support
