#pragma once
// The pictures of a zoomed view: ground tiles at the zoomed cell size, object
// sprites, hatchings (or, below half the normal size, their tints) and drag
// arrows at the zoom, made with zoom_scaling.h. Each copy is made the first
// time it is asked for, so a zoom step costs only the codes in view, and kept
// for its zoom; copies of a few zooms are kept at once, so stepping back and
// forth makes nothing again. All copies are dropped when the catalogues
// change (their generations tell).

#include "canvas/masked_image.h"
#include "canvas/pixel_rows.h"
#include "canvas/raster_ops.h"
#include "canvas/resource_catalogues.h"
#include "canvas/view_zoom.h"
#include "canvas/zoomed_outline.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace canvas {

// An object's sprite at a zoom, anchored at the zoomed cell's corner, with
// its contour around the unzoomed sprite's rectangle.
struct ZoomedSprite {
    MaskedImage image;
    ZoomedOutline contour;
};

class ZoomedPictures {
public:
    // The catalogues and zoom the next pictures are for; the zoom must scale.
    void use(const ResourceCatalogues& catalogues, const ViewZoom& zoom);

    // The pixels of ground code `code` at the zoomed cell size.
    const ConstPixelRows& tile(std::uint8_t code) {
        const ConstPixelRows& rows = m_level->tileRows[code];
        return rows.pixels ? rows : makeTile(code);
    }
    // The sprite of object entry `entry` (the placeholder for entries
    // without one).
    const ZoomedSprite& sprite(std::int32_t entry) {
        const std::size_t placeholder = m_level->sprites.size() - 1;
        const std::size_t at = entry >= 0 && static_cast<std::size_t>(entry) < placeholder
                                   ? static_cast<std::size_t>(entry)
                                   : placeholder;
        return m_level->made[at] ? m_level->sprites[at] : makeSprite(at);
    }
    // The frame of a cell, from its corner to the next cell's corner.
    const ZoomedOutline& cellFrame() const { return m_level->frame; }
    // The hatchings that apply to a cell, as one picture of the zoomed cell's
    // size; null when none applies.
    const MaskedImage& hatching(bool block, bool guard, bool action) const;
    // The same averaged into a tint of the whole cell.
    const Tint& tint(bool block, bool guard, bool action) const;
    // A drag arrow as drawn beside the cursor, at the zoom.
    const MaskedImage& arrow(int direction) const;

private:
    struct Level {
        std::array<QImage, 256> tiles;
        std::array<ConstPixelRows, 256> tileRows;
        std::vector<ZoomedSprite> sprites; // one per object entry, then the placeholder
        std::vector<bool> made;
        ZoomedOutline frame;
        std::array<MaskedImage, 8> hatchings; // index: block | guard << 1 | action << 2
        std::array<Tint, 8> tints;
        std::array<MaskedImage, 4> arrows;
    };
    using LevelKey = std::array<std::int32_t, 4>;

    void makeLevel(Level& level) const;
    const ConstPixelRows& makeTile(std::uint8_t code);
    const ZoomedSprite& makeSprite(std::size_t at);

    const ResourceCatalogues* m_catalogues = nullptr;
    std::uint64_t m_earthGeneration = 0;
    std::uint64_t m_objectGeneration = 0;
    ViewZoom m_zoom;
    std::map<LevelKey, Level> m_levels;
    Level* m_level = nullptr;
};

} // namespace canvas
