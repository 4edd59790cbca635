#include "canvas/earth_tile_cache.h"

#include "canvas/raster_ops.h"

namespace canvas {

const QImage& EarthTileCache::tile(const ResourceCatalogues& catalogues, std::uint8_t code,
                                   int width, int height) {
    const QImage& picture = catalogues.earthImage(code);
    if (picture.width() == width && picture.height() == height &&
        picture.format() == QImage::Format_RGB32)
        return picture;

    if (m_generation != catalogues.earthGeneration() || m_width != width || m_height != height) {
        m_stretched.fill(QImage());
        m_generation = catalogues.earthGeneration();
        m_width = width;
        m_height = height;
    }
    QImage& stretched = m_stretched[code];
    if (stretched.isNull())
        stretched = stretchedNearest(picture, width, height);
    return stretched;
}

} // namespace canvas
