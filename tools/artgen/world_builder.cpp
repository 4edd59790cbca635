#include "world_builder.h"

#include <stdexcept>

namespace artgen {
namespace {

// Objects whose pictures may overlap each other: plants grow into each other.
bool isPlant(Obj o) {
    switch (o) {
    case Obj::Oak:
    case Obj::Spruce:
    case Obj::Birch:
    case Obj::Bush:
    case Obj::BerryBush:
        return true;
    default:
        return false;
    }
}

// The canvas draws column by column from the left, each column from the top.
bool drawnLater(const Placed& a, const Placed& b) {
    return a.x != b.x ? a.x > b.x : a.y > b.y;
}

int baseRow(const Placed& p) {
    return p.y + objectEntry(p.obj).heightCells - 1;
}

} // namespace

std::vector<Offset> footprintCells(const std::string& block) {
    std::vector<Offset> cells;
    if (block.empty())
        return cells;
    int row = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = block.find(',', start);
        std::string part =
            block.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t first = part.find_first_not_of(' ');
        const std::size_t last = part.find_last_not_of(' ');
        part = first == std::string::npos ? "" : part.substr(first, last - first + 1);
        for (std::size_t c = 0; c < part.size(); ++c)
            if (part[c] != '0')
                cells.push_back({static_cast<int>(c), row});
        if (comma == std::string::npos)
            break;
        start = comma + 1;
        ++row;
    }
    return cells;
}

WorldBuilder::WorldBuilder(int width, int height)
    : m_width(width), m_height(height),
      m_clear(static_cast<std::size_t>(width) * static_cast<std::size_t>(height + 1)),
      m_covering(static_cast<std::size_t>(width) * static_cast<std::size_t>(height + 1)) {
    m_grid.setMapWidth(width);
    m_grid.setMapHeight(height);
    m_grid.CreatMap(0);
    if (!m_grid.ErrorMessage().empty())
        throw std::runtime_error(m_grid.ErrorMessage());
}

int WorldBuilder::ground(int x, int y) const {
    return m_grid.cellValue(model::Layer::Earths, x, y);
}

void WorldBuilder::setGround(int x, int y, int code) {
    m_grid.setCellValue(model::Layer::Earths, x, y, code);
}

bool WorldBuilder::blocked(int x, int y) const {
    return m_grid.cellValue(model::Layer::Blocks, x, y) != 0;
}

void WorldBuilder::block(int x, int y) {
    m_grid.setCellValue(model::Layer::Blocks, x, y, 1);
}

void WorldBuilder::guard(int x, int y) {
    m_grid.setCellValue(model::Layer::Guards, x, y, 1);
}

void WorldBuilder::door(int x, int y, int action) {
    m_grid.setCellValue(model::Layer::Doors, x, y, action);
    keepClear(x, y);
}

void WorldBuilder::keepClear(int x, int y) {
    if (inside(x, y))
        m_clear[static_cast<std::size_t>(y * m_width + x)] = true;
}

bool WorldBuilder::overlapsBadly(Obj o, int x, int y) const {
    const ObjectEntry& e = objectEntry(o);
    const Placed me{o, x, y};
    for (int cy = y; cy < y + e.heightCells; ++cy) {
        for (int cx = x; cx < x + e.widthCells; ++cx) {
            for (int index : m_covering[static_cast<std::size_t>(cy * m_width + cx)]) {
                const Placed& other = m_placed[static_cast<std::size_t>(index)];
                if (!isPlant(o) || !isPlant(other.obj))
                    return true;
                const Placed& later = drawnLater(me, other) ? me : other;
                const Placed& earlier = drawnLater(me, other) ? other : me;
                if (baseRow(later) < baseRow(earlier))
                    return true;
            }
        }
    }
    return false;
}

bool WorldBuilder::fits(Obj o, int x, int y, const GroundTest& groundOk) const {
    const ObjectEntry& e = objectEntry(o);
    // Keep clear of the edges: the last row cannot be reached by a footprint
    // (ChangeBloks wraps rows with the highest row number).
    if (x < 1 || y < 1 || x + e.widthCells > m_width - 1 || y + e.heightCells > m_height - 1)
        return false;
    if (m_grid.cellValue(model::Layer::Objects, x, y) != 0)
        return false;
    const auto usable = [&](int cx, int cy) {
        return !blocked(cx, cy) && !m_clear[static_cast<std::size_t>(cy * m_width + cx)] &&
               groundOk(ground(cx, cy));
    };
    for (const Offset& c : footprintCells(e.block)) {
        if (!usable(x + c.dx, y + c.dy))
            return false;
    }
    if (e.block.empty() && !usable(x, y))
        return false;
    return !overlapsBadly(o, x, y);
}

bool WorldBuilder::place(Obj o, int x, int y, const GroundTest& groundOk) {
    if (!fits(o, x, y, groundOk))
        return false;
    const ObjectEntry& e = objectEntry(o);
    m_grid.setWorldCursor(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y));
    m_grid.setCurrentObject(objectCode(o));
    for (const Offset& c : footprintCells(e.block))
        m_grid.ChangeBloks(y + c.dy, x + c.dx, 1);
    const int index = static_cast<int>(m_placed.size());
    m_placed.push_back({o, x, y});
    for (int cy = y; cy < y + e.heightCells; ++cy)
        for (int cx = x; cx < x + e.widthCells; ++cx)
            m_covering[static_cast<std::size_t>(cy * m_width + cx)].push_back(index);
    return true;
}

} // namespace artgen
