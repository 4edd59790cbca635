#pragma once
// A map built for the checker's tests in a temporary application folder: a
// resource folder (catalogues with pictures written by the toolkit, and a
// palette), and map folders whose locations are written cell by cell.

#include "checker/map_check.h"
#include "test_support/temp_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace checker_testing {

// A location's grid as its file holds it: records of 8W bytes per row.
class GridBytes {
public:
    GridBytes(std::int32_t width, std::int32_t height);
    void earth(int x, int y, int code) { at(x, y, 0, 1)[0] = static_cast<char>(code); }
    void object(int x, int y, int value) { two(at(x, y, 1, 2), value); }
    void item(int x, int y, int code) { at(x, y, 3, 1)[0] = static_cast<char>(code); }
    void door(int x, int y, int value) { two(at(x, y, 4, 2), value); }
    void block(int x, int y, int value = 1) { at(x, y, 6, 1)[0] = static_cast<char>(value); }
    void guard(int x, int y, int zone) { at(x, y, 7, 1)[0] = static_cast<char>(zone); }
    const std::string& bytes() const { return m_bytes; }

private:
    // Layer slice `layerOffset` (in units of W bytes) of row y, cell x.
    char* at(int x, int y, int layerOffset, int cellBytes);
    static void two(char* cell, int value) {
        cell[0] = static_cast<char>(value >> 8);
        cell[1] = static_cast<char>(value & 0xFF);
    }
    std::int32_t m_width;
    std::string m_bytes;
};

class CheckWorld {
public:
    // Makes a fresh folder the application folder and writes the resources
    // "Resources": ground entries 0..2 and object entries 0..1 with their
    // pictures (32 x 32; object 1 has the footprint "1,1": its cell and the
    // one below), and a palette listing them all.
    CheckWorld();

    testing_support::TempFolder& root() { return m_root; }
    std::string dir() const { return m_root.path().string(); }

    // Writes any file below the application folder ("/" separated).
    void write(const std::string& relative, const std::string& bytes) const {
        m_root.write(relative, bytes);
    }
    void writePicture(const std::string& relative, int width, int height) const;
    // A location: its configuration and grid file.
    void writeLocation(const std::string& map, const std::string& name, const GridBytes& grid,
                       std::int32_t width, std::int32_t height) const;
    // A clean map: location main (4 x 4 cells) using every ground code, object 1
    // with its footprint blocked, and action 1 of its index on one cell.
    void writeCleanMap(const std::string& map) const;

    checker::CheckResult check(const std::string& map, const std::string& location = "") const {
        return checker::checkMap({map, location});
    }

private:
    testing_support::TempFolder m_root;
};

// The findings of one kind.
std::vector<checker::Finding> ofKind(const checker::CheckResult& result, const std::string& kind);

} // namespace checker_testing
