#pragma once
// A location being composed: its grid, and the objects placed so far with the
// rules that keep the picture believable. Objects go into the grid exactly as
// the editor's palette puts them: the object code into the cell, then every
// marked cell of the footprint blocked through ChangeBloks.

#include "object_catalogue.h"

#include "model/location_grid.h"

#include <functional>
#include <vector>

namespace artgen {

struct Placed {
    Obj obj;
    int x, y; // the cell the object is placed in (its picture's top-left cell)
};

class WorldBuilder {
public:
    // `height` is the highest row number, as in a location's configuration.
    WorldBuilder(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    model::LocationGrid& grid() { return m_grid; }
    const model::LocationGrid& grid() const { return m_grid; }

    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y <= m_height; }
    int ground(int x, int y) const;
    void setGround(int x, int y, int code);
    bool blocked(int x, int y) const;
    // Closes a cell the way the designer's block switch does (value 1).
    void block(int x, int y);
    void guard(int x, int y);
    // Attaches action number `action` (1 is the first of the location's list);
    // the cell is kept clear of objects from then on.
    void door(int x, int y, int action);
    // Keeps a cell free: no object placed later stands on it.
    void keepClear(int x, int y);

    // Whether the object fits at (x, y): its picture inside the location, its
    // cell free of other objects, its footprint cells open and on ground that
    // `groundOk` accepts, and its picture overlapping others only where the
    // drawing order keeps the nearer one in front.
    using GroundTest = std::function<bool(int code)>;
    bool fits(Obj o, int x, int y, const GroundTest& groundOk) const;
    // Places the object when it fits; tells whether it did.
    bool place(Obj o, int x, int y, const GroundTest& groundOk);

    const std::vector<Placed>& placed() const { return m_placed; }

private:
    bool overlapsBadly(Obj o, int x, int y) const;

    int m_width;
    int m_height;
    model::LocationGrid m_grid;
    std::vector<Placed> m_placed;
    std::vector<bool> m_clear;
    // For every cell, the placed objects whose picture covers it.
    std::vector<std::vector<int>> m_covering;
};

// The cells a footprint marks, as offsets from the object's cell, read the
// way the palette reads a "Block" value: rows split at ",", blanks around a
// row removed, every character but "0" marked.
struct Offset {
    int dx, dy;
};
std::vector<Offset> footprintCells(const std::string& block);

} // namespace artgen
