#include "canvas/zoomed_pictures.h"

#include "canvas/zoom_scaling.h"

#include <algorithm>

namespace canvas {
namespace {

// Copies of at most this many zooms are kept; the editor steps through six.
constexpr std::size_t kKeptLevels = 8;

std::size_t hatchIndex(bool block, bool guard, bool action) {
    return (block ? 1u : 0u) | (guard ? 2u : 0u) | (action ? 4u : 0u);
}

} // namespace

void ZoomedPictures::use(const ResourceCatalogues& catalogues, const ViewZoom& zoom) {
    if (catalogues.earthGeneration() != m_earthGeneration ||
        catalogues.objectGeneration() != m_objectGeneration) {
        m_levels.clear();
        m_earthGeneration = catalogues.earthGeneration();
        m_objectGeneration = catalogues.objectGeneration();
    }
    m_catalogues = &catalogues;
    m_zoom = zoom;
    const LevelKey key{zoom.x.from(), zoom.x.to(), zoom.y.from(), zoom.y.to()};
    auto found = m_levels.find(key);
    if (found == m_levels.end()) {
        if (m_levels.size() >= kKeptLevels)
            m_levels.clear();
        found = m_levels.emplace(key, Level{}).first;
        makeLevel(found->second);
    }
    m_level = &found->second;
}

void ZoomedPictures::makeLevel(Level& level) const {
    const int width = m_zoom.x.from();
    const int height = m_zoom.y.from();
    const BuiltinImages& builtin = m_catalogues->builtin();
    for (std::size_t i = 1; i < level.hatchings.size(); ++i) {
        // In an unzoomed cell the pattern repeats from the cell's corner.
        const MaskedImage cell =
            builtin.hatching((i & 1u) != 0, (i & 2u) != 0, (i & 4u) != 0).repeatedTo(width, height);
        level.hatchings[i] = zoomedMasked(cell, m_zoom);
        level.tints[i] = tintOf(cell);
    }
    for (int direction = 0; direction < 4; ++direction) {
        // Arrows are drawn cut to the cell's size.
        const MaskedImage& arrow = builtin.arrow(direction);
        level.arrows[static_cast<std::size_t>(direction)] = zoomedMasked(
            arrow.repeatedTo(std::min(width, arrow.width()), std::min(height, arrow.height())),
            m_zoom);
    }
    const auto entries = static_cast<std::size_t>(m_catalogues->objectBufferCount()) + 1;
    level.sprites.resize(entries);
    level.made.assign(entries, false);
    level.frame = zoomedOutline(m_zoom, 0, 0, width, height);
}

const ConstPixelRows& ZoomedPictures::makeTile(std::uint8_t code) {
    const QImage& picture = m_catalogues->earthImage(code);
    const int width = m_zoom.x.from();
    const int height = m_zoom.y.from();
    // The tile as the unzoomed view draws it, then zoomed.
    const bool cellSized = picture.width() == width && picture.height() == height &&
                           picture.format() == QImage::Format_RGB32;
    QImage& zoomed = m_level->tiles[code];
    zoomed = zoomedPicture(cellSized ? picture : stretchedNearest(picture, width, height), m_zoom);
    return m_level->tileRows[code] = ConstPixelRows::of(zoomed);
}

const ZoomedSprite& ZoomedPictures::makeSprite(std::size_t at) {
    const bool placeholder = at == m_level->sprites.size() - 1;
    const MaskedImage& sprite = placeholder ? m_catalogues->builtin().placeholderSprite()
                                            : m_catalogues->objectSprite(static_cast<int>(at));
    m_level->sprites[at] = {zoomedMasked(sprite, m_zoom),
                            zoomedOutline(m_zoom, 0, 0, sprite.width(), sprite.height())};
    m_level->made[at] = true;
    return m_level->sprites[at];
}

const MaskedImage& ZoomedPictures::hatching(bool block, bool guard, bool action) const {
    return m_level->hatchings[hatchIndex(block, guard, action)];
}

const Tint& ZoomedPictures::tint(bool block, bool guard, bool action) const {
    return m_level->tints[hatchIndex(block, guard, action)];
}

const MaskedImage& ZoomedPictures::arrow(int direction) const {
    static const MaskedImage none;
    return direction >= 0 && direction < 4 ? m_level->arrows[static_cast<std::size_t>(direction)]
                                           : none;
}

} // namespace canvas
