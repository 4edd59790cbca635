#pragma once
// The overview of the location a canvas holds, kept up to date: built anew in
// slices when a location is loaded (or the pictures are), and painted again
// where cells change. This is what the main window talks to; a widget shows
// picture() and follows the signals.

#include "canvas/overview_builder.h"
#include "canvas/overview_colours.h"
#include "canvas/overview_picture.h"
#include "canvas/resource_catalogues.h"
#include "model/location_grid.h"

#include <QObject>
#include <QRect>

#include <cstdint>

namespace canvas {

class LocationOverview : public QObject {
    Q_OBJECT

public:
    explicit LocationOverview(QObject* parent = nullptr);

    // After a location was loaded, replaced or unloaded, or the catalogues
    // were loaded: the present picture goes and the overview of `grid` is
    // built anew (a build in progress is dropped). The colours are taken from
    // the catalogues now; the grid must stay as long as this object.
    void showLocation(const model::LocationGrid& grid, const ResourceCatalogues& catalogues);
    // Cell (x, y) of that grid changed: an edit, an undo or a redo.
    void cellChanged(std::int32_t x, std::int32_t y) { cellsChanged(QRect(x, y, 1, 1)); }
    void cellsChanged(QRect cells);

    // The picture of the location; null while it is being built and when
    // there is no location.
    const OverviewPicture* picture() const;
    bool isBuilding() const { return m_builder.isBuilding(); }
    const OverviewColours& colours() const { return m_colours; }
    OverviewBuilder& builder() { return m_builder; }

signals:
    // picture() is another picture now, or none (a build started).
    void pictureReplaced();
    // Pixels of picture() were painted again.
    void pixelsChanged(QRect pixels);
    // The share of the build in progress done, 0 to 100.
    void progress(int percent);

private:
    void takeBuiltPicture();

    OverviewBuilder m_builder;
    OverviewColours m_colours;
    OverviewPicture m_picture;
    const model::LocationGrid* m_grid = nullptr;
};

} // namespace canvas
