#include "canvas/location_overview.h"

namespace canvas {

LocationOverview::LocationOverview(QObject* parent) : QObject(parent) {
    connect(&m_builder, &OverviewBuilder::ready, this, &LocationOverview::takeBuiltPicture);
    connect(&m_builder, &OverviewBuilder::progress, this, &LocationOverview::progress);
}

void LocationOverview::showLocation(const model::LocationGrid& grid,
                                    const ResourceCatalogues& catalogues) {
    m_grid = &grid;
    m_colours.follow(catalogues);
    m_builder.start(grid, m_colours);
    m_picture = OverviewPicture();
    emit pictureReplaced();
}

void LocationOverview::cellsChanged(QRect cells) {
    if (!m_grid)
        return;
    if (m_builder.isBuilding()) {
        m_builder.cellsChanged(cells);
        return;
    }
    const QRect pixels = m_picture.update(*m_grid, m_colours, cells);
    if (!pixels.isEmpty())
        emit pixelsChanged(pixels);
}

const OverviewPicture* LocationOverview::picture() const {
    return m_picture.isNull() ? nullptr : &m_picture;
}

void LocationOverview::takeBuiltPicture() {
    m_picture = m_builder.takePicture();
    emit pictureReplaced();
}

} // namespace canvas
