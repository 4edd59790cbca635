#include "model/location_grid.h"

#include "model/cell_codes.h"

#include <cstring>
#include <limits>
#include <stdexcept>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace model {
namespace {

std::uint64_t gridLimitOverride = 0;

std::uint64_t physicalMemory() {
#ifdef _WIN32
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) ? status.ullTotalPhys : 0;
#else
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0
               ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize)
               : 0;
#endif
}

[[noreturn]] void outOfRange(Layer layer, std::int32_t x, std::int32_t y) {
    throw std::out_of_range(std::string("cell (") + std::to_string(x) + ", " + std::to_string(y) +
                            ") is outside the " + layerName(layer) + " layer");
}

} // namespace

void CellWriteObserver::spanChanged(Layer layer, std::int32_t y, std::int32_t x,
                                    std::int32_t length, const unsigned char* before,
                                    const unsigned char* after) {
    const bool wide = bytesPerCell(layer) == 2;
    for (std::int32_t i = 0; i < length; ++i) {
        const auto old =
            static_cast<std::uint16_t>(wide ? mdlMain::DecodeCell(before + 2 * i) : before[i]);
        const auto now =
            static_cast<std::uint16_t>(wide ? mdlMain::DecodeCell(after + 2 * i) : after[i]);
        if (old != now)
            cellChanged(layer, x + i, y, old, now);
    }
}

const char* layerName(Layer layer) {
    switch (layer) {
    case Layer::Doors:
        return "Doors";
    case Layer::Earths:
        return "Earths";
    case Layer::Objects:
        return "Objects";
    case Layer::Predmets:
        return "Predmets";
    case Layer::Blocks:
        return "Blocks";
    case Layer::Guards:
        return "Guards";
    }
    return "?";
}

std::int64_t LocationGrid::gridBytes(std::int64_t width, std::int64_t height) {
    // The row count, height + 1, must itself be a 32-bit number.
    if (width < 0 || height < 0 || height >= std::numeric_limits<std::int32_t>::max())
        return -1;
    const std::int64_t rows = height + 1;
    const std::int64_t record = 8 * width;
    if (width > std::numeric_limits<std::int64_t>::max() / 8 ||
        (record > 0 && rows > std::numeric_limits<std::int64_t>::max() / record))
        return -1;
    return record * rows;
}

std::uint64_t LocationGrid::maxGridBytes() {
    if (gridLimitOverride)
        return gridLimitOverride;
    const std::uint64_t physical = physicalMemory();
    return physical ? physical : std::numeric_limits<std::uint64_t>::max();
}

void LocationGrid::setMaxGridBytes(std::uint64_t limit) {
    gridLimitOverride = limit;
}

void LocationGrid::CreatMap(std::uint8_t btEarth) {
    const std::int32_t width = m_mapWidth;
    const std::int32_t height = m_mapHeight;
    if (width < 0 || height < 0) {
        m_errorMessage = "Subscript out of range: a grid of " + std::to_string(width) + " x " +
                         std::to_string(height) + " cannot be built";
        return;
    }
    if (static_cast<std::int64_t>(width) * 2 > std::numeric_limits<std::int32_t>::max()) {
        m_errorMessage = "Overflow: a row of " + std::to_string(width) + " two-byte cells";
        return;
    }
    if (height == std::numeric_limits<std::int32_t>::max()) {
        m_errorMessage = "Overflow: " + std::to_string(height) + " + 1 rows";
        return;
    }
    const std::int64_t bytes = gridBytes(width, height);
    if (static_cast<std::uint64_t>(bytes) > maxGridBytes()) {
        m_errorMessage = "Out of memory: a grid of " + std::to_string(width) + " x " +
                         std::to_string(height) + " needs " + std::to_string(bytes) + " bytes";
        return;
    }

    // The old layers go before the new ones are built, so a load never holds
    // two grids at once.
    for (auto& layer : m_layers)
        layer = LayerData{};
    const std::int32_t rows = height + 1;
    try {
        // Built in the order Earths, Doors, Objects, Predmets, Blocks, Guards.
        for (Layer layer : {Layer::Earths, Layer::Doors, Layer::Objects, Layer::Predmets,
                            Layer::Blocks, Layer::Guards}) {
            const std::size_t rowBytes =
                static_cast<std::size_t>(width) * static_cast<std::size_t>(bytesPerCell(layer));
            LayerData& data = m_layers[index(layer)];
            data.block = ByteBlock(rowBytes * static_cast<std::size_t>(rows));
            data.rows = rows;
            data.rowBytes = rowBytes;
        }
    } catch (const std::bad_alloc&) {
        for (auto& layer : m_layers)
            layer = LayerData{};
        m_errorMessage = "Out of memory: a grid of " + std::to_string(width) + " x " +
                         std::to_string(height) + " needs " + std::to_string(bytes) + " bytes";
        notifyReplaced();
        return;
    }
    if (btEarth != 0) {
        auto& earths = m_layers[index(Layer::Earths)].block;
        std::memset(earths.data(), btEarth, earths.size());
    }
    m_errorMessage.clear();
    notifyReplaced();
}

LocationGrid::Rows LocationGrid::layerRows(Layer layer) const {
    const LayerData& data = m_layers[index(layer)];
    Rows rows;
    rows.reserve(static_cast<std::size_t>(data.rows));
    for (std::int32_t y = 0; y < data.rows; ++y)
        rows.emplace_back(reinterpret_cast<const char*>(rowData(layer, y)), data.rowBytes);
    return rows;
}

void LocationGrid::setLayerRows(Layer layer, const Rows& rows) {
    const std::size_t rowBytes = rows.empty() ? 0 : rows.front().size();
    for (const auto& row : rows) {
        if (row.size() != rowBytes)
            throw std::invalid_argument(std::string("rows of the ") + layerName(layer) +
                                        " layer differ in length");
    }
    if (rows.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::invalid_argument("too many rows");
    LayerData data;
    data.block = ByteBlock(rowBytes * rows.size());
    data.rows = static_cast<std::int32_t>(rows.size());
    data.rowBytes = rowBytes;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        if (rowBytes > 0)
            std::memcpy(data.block.data() + y * rowBytes, rows[y].data(), rowBytes);
    }
    m_layers[index(layer)] = std::move(data);
    notifyReplaced();
}

std::string LocationGrid::rowCopy(Layer layer, std::int32_t i) const {
    const LayerData& data = m_layers[index(layer)];
    if (i < 0 || i >= data.rows)
        throw std::out_of_range("row " + std::to_string(i) + " is outside the " + layerName(layer) +
                                " layer");
    return std::string(reinterpret_cast<const char*>(rowData(layer, i)), data.rowBytes);
}

bool LocationGrid::isComplete() const {
    if (m_mapWidth < 0 || m_mapHeight < 0)
        return false;
    for (Layer layer : kAllLayers) {
        const LayerData& data = m_layers[index(layer)];
        if (data.rows != std::int64_t{m_mapHeight} + 1 ||
            data.rowBytes != static_cast<std::size_t>(m_mapWidth) *
                                 static_cast<std::size_t>(bytesPerCell(layer)))
            return false;
    }
    return true;
}

const unsigned char* LocationGrid::checkedCell(Layer layer, std::int32_t x, std::int32_t y) const {
    const LayerData& data = m_layers[index(layer)];
    const auto width = static_cast<std::int64_t>(data.rowBytes / bytesPerCell(layer));
    if (y < 0 || y >= data.rows || x < 0 || x >= width)
        outOfRange(layer, x, y);
    return rowData(layer, y) + static_cast<std::size_t>(x) * bytesPerCell(layer);
}

unsigned char* LocationGrid::checkedCell(Layer layer, std::int32_t x, std::int32_t y) {
    return const_cast<unsigned char*>(std::as_const(*this).checkedCell(layer, x, y));
}

std::int32_t LocationGrid::cellValue(Layer layer, std::int32_t x, std::int32_t y) const {
    const unsigned char* cell = checkedCell(layer, x, y);
    return bytesPerCell(layer) == 2 ? mdlMain::DecodeCell(cell) : cell[0];
}

void LocationGrid::writeCell(Layer layer, unsigned char* cell, std::int32_t x, std::int32_t y,
                             std::uint16_t value) {
    const bool wide = bytesPerCell(layer) == 2;
    const auto before = static_cast<std::uint16_t>(wide ? mdlMain::DecodeCell(cell) : cell[0]);
    if (wide) {
        cell[0] = static_cast<unsigned char>(value >> 8);
        cell[1] = static_cast<unsigned char>(value);
    } else {
        cell[0] = static_cast<unsigned char>(value);
    }
    if (m_observer && before != value)
        m_observer->cellChanged(layer, x, y, before, value);
}

void LocationGrid::setCellValue(Layer layer, std::int32_t x, std::int32_t y, std::int32_t value) {
    unsigned char* cell = checkedCell(layer, x, y);
    if (bytesPerCell(layer) == 2) {
        unsigned char bytes[2];
        mdlMain::EncodeCell(value, bytes);
        writeCell(layer, cell, x, y, static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]));
    } else {
        writeCell(layer, cell, x, y, static_cast<unsigned char>(value));
    }
}

void LocationGrid::restoreCell(Layer layer, std::int32_t x, std::int32_t y, std::uint16_t value) {
    writeCell(layer, checkedCell(layer, x, y), x, y, value);
}

std::uint16_t LocationGrid::storedValue(Layer layer, std::int32_t value) {
    if (bytesPerCell(layer) == 1)
        return static_cast<unsigned char>(value);
    unsigned char bytes[2];
    mdlMain::EncodeCell(value, bytes);
    return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
}

unsigned char* LocationGrid::beginSpan(Layer layer, std::int32_t y, std::int32_t x,
                                       std::int32_t length) {
    const LayerData& data = m_layers[index(layer)];
    const auto width = static_cast<std::int64_t>(data.rowBytes / bytesPerCell(layer));
    if (y < 0 || y >= data.rows || x < 0 || length < 0 || std::int64_t{x} + length > width)
        throw std::out_of_range("span of " + std::to_string(length) + " cells from (" +
                                std::to_string(x) + ", " + std::to_string(y) + ") is outside the " +
                                layerName(layer) + " layer");
    unsigned char* slice = rowData(layer, y) + static_cast<std::size_t>(x) * bytesPerCell(layer);
    if (m_observer && length > 0) {
        const std::size_t bytes = static_cast<std::size_t>(length) * bytesPerCell(layer);
        m_spanBefore.resize(bytes);
        std::memcpy(m_spanBefore.data(), slice, bytes);
    }
    return slice;
}

void LocationGrid::endSpan(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length) {
    if (!m_observer || length <= 0)
        return;
    const int cell = bytesPerCell(layer);
    const unsigned char* after = rowData(layer, y) + static_cast<std::size_t>(x) * cell;
    const unsigned char* before = m_spanBefore.data();
    if (std::memcmp(before, after, static_cast<std::size_t>(length) * cell) == 0)
        return;
    const auto same = [&](std::int32_t i) {
        return std::memcmp(before + std::size_t(i) * cell, after + std::size_t(i) * cell, cell) ==
               0;
    };
    std::int32_t first = 0;
    while (same(first))
        ++first;
    std::int32_t last = length - 1;
    while (same(last))
        --last;
    m_observer->spanChanged(layer, y, x + first, last - first + 1,
                            before + std::size_t(first) * cell, after + std::size_t(first) * cell);
}

void LocationGrid::fillSpan(Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                            std::uint16_t value) {
    unsigned char* slice = beginSpan(layer, y, x, length);
    if (bytesPerCell(layer) == 1) {
        std::memset(slice, static_cast<unsigned char>(value), static_cast<std::size_t>(length));
    } else {
        for (std::int32_t i = 0; i < length; ++i) {
            slice[2 * i] = static_cast<unsigned char>(value >> 8);
            slice[2 * i + 1] = static_cast<unsigned char>(value);
        }
    }
    endSpan(layer, y, x, length);
}

void LocationGrid::writeSpan(Layer layer, std::int32_t y, std::int32_t x,
                             const unsigned char* bytes, std::int32_t length) {
    unsigned char* slice = beginSpan(layer, y, x, length);
    if (length > 0)
        std::memmove(slice, bytes, static_cast<std::size_t>(length) * bytesPerCell(layer));
    endSpan(layer, y, x, length);
}

void LocationGrid::copyLayersFrom(const LocationGrid& other) {
    m_layers = other.m_layers;
    notifyReplaced();
}

void LocationGrid::adoptCells(LocationGrid&& other) {
    m_layers = std::move(other.m_layers);
    other.m_layers = {};
    m_mapWidth = other.m_mapWidth;
    m_mapHeight = other.m_mapHeight;
    m_errorMessage.clear();
    notifyReplaced();
}

void LocationGrid::clear() {
    m_layers = {};
    m_mapWidth = m_mapHeight = -1;
    m_errorMessage.clear();
    m_cursorX = m_cursorY = 0;
    m_currentDoor = m_currentObject = 0;
    m_currentEarth = m_currentPredmet = m_currentBlocks = m_currentGuard = 0;
    notifyReplaced();
}

void LocationGrid::ChangeBloks(std::int32_t y, std::int32_t x, std::uint8_t value) {
    if (x >= m_mapWidth)
        x -= m_mapWidth;
    if (x < 0)
        x += m_mapWidth;
    if (y >= m_mapHeight)
        y -= m_mapHeight;
    if (y < 0)
        y += m_mapHeight;
    const std::string digits = std::to_string(value);
    writeCell(Layer::Blocks, checkedCell(Layer::Blocks, x, y), x, y,
              static_cast<unsigned char>(digits[0]));
}

void LocationGrid::reloadCurrentCell() {
    m_currentEarth = static_cast<std::uint8_t>(cellValue(Layer::Earths, m_cursorX, m_cursorY));
    m_currentObject = cellValue(Layer::Objects, m_cursorX, m_cursorY);
    m_currentDoor = cellValue(Layer::Doors, m_cursorX, m_cursorY);
    m_currentBlocks = static_cast<std::uint8_t>(cellValue(Layer::Blocks, m_cursorX, m_cursorY));
    m_currentGuard = static_cast<std::uint8_t>(cellValue(Layer::Guards, m_cursorX, m_cursorY));
}

void LocationGrid::setCurrentDoor(std::int32_t value) {
    m_currentDoor = value;
    setCellValue(Layer::Doors, m_cursorX, m_cursorY, value);
}

void LocationGrid::setCurrentEarth(std::uint8_t value) {
    m_currentEarth = value;
    setCellValue(Layer::Earths, m_cursorX, m_cursorY, value);
}

void LocationGrid::setCurrentObject(std::int32_t value) {
    m_currentObject = value;
    setCellValue(Layer::Objects, m_cursorX, m_cursorY, value);
}

void LocationGrid::setCurrentBlocks(std::uint8_t value) {
    m_currentBlocks = value;
    setCellValue(Layer::Blocks, m_cursorX, m_cursorY, value);
}

void LocationGrid::setCurrentGuard(std::uint8_t value) {
    m_currentGuard = value;
    setCellValue(Layer::Guards, m_cursorX, m_cursorY, value);
}

} // namespace model
