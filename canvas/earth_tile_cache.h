#pragma once
// Ground pictures at the size of one cell. A picture that already has the
// cell's size is used as it is; any other is stretched once and kept until
// the cell size or the ground buffers change.

#include "canvas/resource_catalogues.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace canvas {

class EarthTileCache {
public:
    // The picture for ground code `code` (0..255) at width x height pixels.
    const QImage& tile(const ResourceCatalogues& catalogues, std::uint8_t code, int width,
                       int height);

private:
    std::uint64_t m_generation = 0;
    int m_width = 0;
    int m_height = 0;
    std::array<QImage, 256> m_stretched;
};

} // namespace canvas
