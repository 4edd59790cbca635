#pragma once
// The cells of one location: six layers of fixed-length byte rows, rows 0 to
// MapHeight (MapHeight + 1 rows of MapWidth cells). Each layer is one
// contiguous block of bytes and a row is a slice of it; the row accessors of
// the editor's interface hand out copies, the loader, the saver and the drawing
// work on the slices.
//
// The grid also holds the current cell (the cell under the canvas cursor) and
// its six values; setting a value writes that cell.

#include "model/byte_block.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace model {

// In the order the canvas keeps them (the grid file orders them differently).
enum class Layer { Doors, Earths, Objects, Predmets, Blocks, Guards };
constexpr std::array<Layer, 6> kAllLayers = {Layer::Doors,    Layer::Earths, Layer::Objects,
                                             Layer::Predmets, Layer::Blocks, Layer::Guards};

constexpr int bytesPerCell(Layer layer) {
    return layer == Layer::Doors || layer == Layer::Objects ? 2 : 1;
}

const char* layerName(Layer layer);

// Told of every change of a cell's bytes and of every replacement of the
// grid; an edit history listens here.
class CellWriteObserver {
public:
    virtual ~CellWriteObserver() = default;
    // The cell's value (one byte, or two bytes big-endian) went from `before`
    // to `after`.
    virtual void cellChanged(Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                             std::uint16_t after) = 0;
    // The `length` cells of row y from column x changed by one span write;
    // `before` and `after` hold their stored bytes (bytesPerCell(layer) per
    // cell). The first and the last of the cells changed, those between may
    // not have. By default each changed cell is told as cellChanged.
    virtual void spanChanged(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                             const unsigned char* before, const unsigned char* after);
    // The layers were rebuilt or replaced as a whole.
    virtual void gridReplaced() = 0;
};

class LocationGrid {
public:
    using Rows = std::vector<std::string>;

    // Size. Setting only stores the number; CreatMap builds the layers.
    std::int32_t MapWidth() const { return m_mapWidth; }
    std::int32_t MapHeight() const { return m_mapHeight; }
    void setMapWidth(std::int32_t width) { m_mapWidth = width; }
    void setMapHeight(std::int32_t height) { m_mapHeight = height; }

    // Bytes the six layers of a width x (height + 1) grid take; -1 when the
    // size is negative, the row count height + 1 would not fit 32 bits, or
    // the number would not fit 64 bits.
    static std::int64_t gridBytes(std::int64_t width, std::int64_t height);
    // The largest grid CreatMap builds: the machine's physical memory unless a
    // test sets another limit (0 restores the default).
    static std::uint64_t maxGridBytes();
    static void setMaxGridBytes(std::uint64_t limit);

    // Builds an empty grid of the current size: Earths filled with btEarth,
    // every other layer with zeros. A failure leaves its description in
    // ErrorMessage; a size that is refused changes nothing, a failure to get
    // the memory leaves no rows.
    void CreatMap(std::uint8_t btEarth);
    const std::string& ErrorMessage() const { return m_errorMessage; }

    // Whole layers as rows of bytes: a copy out, a copy in. A layer given as
    // rows must have rows of one length (std::invalid_argument otherwise).
    Rows layerRows(Layer layer) const;
    void setLayerRows(Layer layer, const Rows& rows);
    // Takes a copy of another grid's six layers (not its size or cursor).
    void copyLayersFrom(const LocationGrid& other);
    // Takes over another grid's size and layers (not its cursor or observer);
    // `other` is left without rows.
    void adoptCells(LocationGrid&& other);
    // No location: no rows, the size -1 x -1 as before any location, the
    // cursor at the origin and the current values 0.
    void clear();

    // Copies of row i; std::out_of_range outside the layer's rows.
    std::string GetEarths(std::int32_t i) const { return rowCopy(Layer::Earths, i); }
    std::string GetObjects(std::int32_t i) const { return rowCopy(Layer::Objects, i); }
    std::string GetPredmets(std::int32_t i) const { return rowCopy(Layer::Predmets, i); }
    std::string GetDoors(std::int32_t i) const { return rowCopy(Layer::Doors, i); }
    std::string GetBlocks(std::int32_t i) const { return rowCopy(Layer::Blocks, i); }
    std::string GetGuards(std::int32_t i) const { return rowCopy(Layer::Guards, i); }
    std::string rowCopy(Layer layer, std::int32_t i) const;

    // The layer's rows as built (may differ from MapHeight + 1 until CreatMap).
    std::int32_t rowCount(Layer layer) const { return m_layers[index(layer)].rows; }
    // Bytes per row of the layer.
    std::size_t rowBytes(Layer layer) const { return m_layers[index(layer)].rowBytes; }
    // Row y as a slice of the layer, unchecked: 0 <= y < rowCount(layer).
    const unsigned char* rowData(Layer layer, std::int32_t y) const {
        const auto& l = m_layers[index(layer)];
        return l.block.data() + static_cast<std::size_t>(y) * l.rowBytes;
    }
    unsigned char* rowData(Layer layer, std::int32_t y) {
        auto& l = m_layers[index(layer)];
        return l.block.data() + static_cast<std::size_t>(y) * l.rowBytes;
    }
    std::span<const unsigned char> layerBytes(Layer layer) const {
        const auto& l = m_layers[index(layer)];
        return {l.block.data(), l.block.size()};
    }
    // Whether every layer has MapHeight + 1 rows of its full width.
    bool isComplete() const;

    // The value of cell (x, y), bounds-checked (std::out_of_range).
    std::int32_t cellValue(Layer layer, std::int32_t x, std::int32_t y) const;
    void setCellValue(Layer layer, std::int32_t x, std::int32_t y, std::int32_t value);
    // Puts back a cell's raw value (as an observer was told it), checked.
    void restoreCell(Layer layer, std::int32_t x, std::int32_t y, std::uint16_t value);
    // The raw value setCellValue stores for `value` in the layer.
    static std::uint16_t storedValue(Layer layer, std::int32_t value);

    // Row slices: the `length` cells of row y from column x, bounds-checked
    // (std::out_of_range) and not wrapping. The observer hears one spanChanged
    // for the cells from the first to the last that changed, or nothing.
    // fillSpan writes the raw value (as restoreCell takes it) into each cell;
    // writeSpan copies length * bytesPerCell(layer) stored bytes.
    void fillSpan(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                  std::uint16_t value);
    void writeSpan(Layer layer, std::int32_t y, std::int32_t x, const unsigned char* bytes,
                   std::int32_t length);

    // The one observer of changes (none by default); the grid does not own it.
    void setObserver(CellWriteObserver* observer) { m_observer = observer; }

    // Writes the first decimal digit of value into cell (x, y) of Blocks, after
    // one wrap-around correction of each coordinate; std::out_of_range when the
    // position is still outside.
    void ChangeBloks(std::int32_t y, std::int32_t x, std::uint8_t value);

    // The current cell. Moving it only stores the position; reloadCurrentCell
    // re-reads the values the cursor takes along (all but the item).
    std::int32_t WorldCursorX() const { return m_cursorX; }
    std::int32_t WorldCursorY() const { return m_cursorY; }
    void setWorldCursor(std::int32_t x, std::int32_t y) {
        m_cursorX = x;
        m_cursorY = y;
    }
    void reloadCurrentCell();

    std::int32_t CurrentDoor() const { return m_currentDoor; }
    std::uint8_t CurrentEarth() const { return m_currentEarth; }
    std::int32_t CurrentObject() const { return m_currentObject; }
    std::uint8_t CurrentPredmet() const { return m_currentPredmet; }
    std::uint8_t CurrentBlocks() const { return m_currentBlocks; }
    std::uint8_t CurrentGuard() const { return m_currentGuard; }
    // Each stores the value, then writes the current cell (std::out_of_range
    // when the cell is outside the layer; the value stays stored). The item
    // value is only stored.
    void setCurrentDoor(std::int32_t value);
    void setCurrentEarth(std::uint8_t value);
    void setCurrentObject(std::int32_t value);
    void setCurrentPredmet(std::uint8_t value) { m_currentPredmet = value; }
    void setCurrentBlocks(std::uint8_t value);
    void setCurrentGuard(std::uint8_t value);

private:
    struct LayerData {
        ByteBlock block;
        std::int32_t rows = 0;
        std::size_t rowBytes = 0;
    };
    static constexpr std::size_t index(Layer layer) { return static_cast<std::size_t>(layer); }
    unsigned char* checkedCell(Layer layer, std::int32_t x, std::int32_t y);
    const unsigned char* checkedCell(Layer layer, std::int32_t x, std::int32_t y) const;

    // Writes a cell's raw value and tells the observer when it changed.
    void writeCell(Layer layer, unsigned char* cell, std::int32_t x, std::int32_t y,
                   std::uint16_t value);
    // The slice of a span write, checked; its old bytes kept for the observer.
    unsigned char* beginSpan(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length);
    void endSpan(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length);
    void notifyReplaced() {
        if (m_observer)
            m_observer->gridReplaced();
    }

    std::array<LayerData, 6> m_layers;
    CellWriteObserver* m_observer = nullptr;
    std::vector<unsigned char> m_spanBefore; // a span's old bytes while it is written
    std::int32_t m_mapWidth = 0;
    std::int32_t m_mapHeight = 0;
    std::string m_errorMessage;

    std::int32_t m_cursorX = 0;
    std::int32_t m_cursorY = 0;
    std::int32_t m_currentDoor = 0;
    std::uint8_t m_currentEarth = 0;
    std::int32_t m_currentObject = 0;
    std::uint8_t m_currentPredmet = 0;
    std::uint8_t m_currentBlocks = 0;
    std::uint8_t m_currentGuard = 0;
};

} // namespace model
