#pragma once
// A rectangle of cells of chosen layers, taken out of a grid and put into one:
// what copy, cut and paste move between locations. Rectangles wrap across the
// location's edges as the world does (columns 0 to MapWidth - 1, rows 0 to
// MapHeight - 1).

#include "model/location_grid.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// A set of layers, by their position in kAllLayers.
using LayerSet = std::bitset<6>;
constexpr std::size_t layerIndex(Layer layer) {
    return static_cast<std::size_t>(layer);
}
LayerSet allLayers();

struct CellRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

class CellPatch {
public:
    CellPatch() = default;

    // The cells of `rect` in the chosen layers; an empty patch without a
    // location or for a rectangle larger than the world.
    static CellPatch copy(const LocationGrid& grid, CellRect rect, LayerSet layers);

    bool isEmpty() const { return m_width == 0 || m_height == 0; }
    std::int32_t width() const { return m_width; }
    std::int32_t height() const { return m_height; }
    LayerSet layers() const { return m_layers; }
    // The value of cell (column, row) of the patch in a layer it holds.
    std::int32_t value(Layer layer, std::int32_t column, std::int32_t row) const;

    // The same cells with only the layers both held and in `layers`; an
    // empty patch when none is left.
    CellPatch withLayers(LayerSet layers) const;

    // Writes the patch's layers with its top-left cell at (x, y), wrapping.
    // False, with nothing written, without a location or when the patch is
    // larger than the world.
    bool pasteInto(LocationGrid& grid, std::int32_t x, std::int32_t y) const;

    // One tab-separated table of codes per layer, each headed by its name.
    std::string toText() const;

    // The patch as bytes to hand to another process: a little header (a
    // mark, a version, the layers, the width and the height) and then each
    // layer's stored bytes, row after row, in the order of kAllLayers.
    std::string toBytes() const;
    // A patch read back from such bytes; none when they are not exactly one
    // well-formed patch (checked throughout: the bytes may come from anywhere).
    static std::optional<CellPatch> fromBytes(std::string_view bytes);

private:
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    LayerSet m_layers;
    // Each layer's stored bytes, m_height rows of m_width cells.
    std::array<std::vector<unsigned char>, 6> m_bytes;
};

// Writes 0 into the chosen layers of the cells of `rect` (wrapping); false
// without a location or for a rectangle larger than the world.
bool clearCells(LocationGrid& grid, CellRect rect, LayerSet layers);
// Writes `value` (as cellValue reads it) into every cell of `rect` in one
// layer (wrapping); false as for clearCells, and for a value the layer cannot
// hold (above 255 in a one-byte layer).
bool fillCells(LocationGrid& grid, CellRect rect, Layer layer, std::uint16_t value);

} // namespace model
