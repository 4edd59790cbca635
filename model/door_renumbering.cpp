#include "model/door_renumbering.h"

#include <vector>

namespace model {
namespace {

std::uint16_t valueAt(const unsigned char* cell) {
    return static_cast<std::uint16_t>(cell[0] << 8 | cell[1]);
}

} // namespace

std::uint64_t countDoors(const LocationGrid& grid, std::uint16_t value) {
    std::uint64_t count = 0;
    const std::int32_t width = grid.MapWidth();
    for (std::int32_t y = 0; y < grid.rowCount(Layer::Doors); ++y) {
        const unsigned char* row = grid.rowData(Layer::Doors, y);
        for (std::int32_t x = 0; x < width; ++x)
            count += valueAt(row + 2 * x) == value;
    }
    return count;
}

std::uint64_t renumberDoorsAfterRemoval(LocationGrid& grid, std::uint16_t removed) {
    std::uint64_t emptied = 0;
    if (removed == 0)
        return 0;
    const std::int32_t width = grid.MapWidth();
    std::vector<unsigned char> changed(grid.rowBytes(Layer::Doors));
    for (std::int32_t y = 0; y < grid.rowCount(Layer::Doors); ++y) {
        const unsigned char* row = grid.rowData(Layer::Doors, y);
        bool any = false;
        for (std::int32_t x = 0; x < width; ++x) {
            std::uint16_t value = valueAt(row + 2 * x);
            if (value == removed) {
                value = 0;
                ++emptied;
            } else if (value > removed) {
                --value;
            }
            any |= value != valueAt(row + 2 * x);
            changed[2 * static_cast<std::size_t>(x)] = static_cast<unsigned char>(value >> 8);
            changed[2 * static_cast<std::size_t>(x) + 1] = static_cast<unsigned char>(value & 0xFF);
        }
        if (any)
            grid.writeSpan(Layer::Doors, y, 0, changed.data(), width);
    }
    return emptied;
}

} // namespace model
