#pragma once
// The overview of a whole location: a picture with one pixel for each block
// of reduction x reduction cells. A cell's colour is its object's colour where
// it has an object that shows, its ground's colour otherwise; a pixel is the
// rounded average of the cells of its block (blocks at the right and bottom
// edges may hold fewer cells).
//
// The picture covers the rows the world wraps at: rows 0 to MapHeight - 1 of
// a location (its row 0 alone when MapHeight is 0), the same rows the map
// view shows.

#include "canvas/overview_colours.h"
#include "model/location_grid.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace canvas {

class OverviewPicture {
public:
    // The longest side a picture gets when its reduction is chosen for it.
    static constexpr std::int32_t kLongestSide = 2048;

    // The columns and rows of the world the overview of `grid` shows; 0 x 0
    // when the grid holds no location.
    static QSize worldSize(const model::LocationGrid& grid);
    // The smallest reduction that keeps both sides of the picture of a
    // world of that size within `longestSide` pixels (at least 1).
    static std::int32_t reductionFor(QSize world, std::int32_t longestSide = kLongestSide);

    // Makes the picture for the world of `grid` with `reduction` cells a pixel
    // side (0: reductionFor) and fills it with the background colour; a grid
    // without a location gives the null picture.
    void reset(const model::LocationGrid& grid, std::int32_t reduction = 0);
    // reset, then every block painted.
    void build(const model::LocationGrid& grid, const OverviewColours& colours,
               std::int32_t reduction = 0);
    // Paints the blocks of picture pixels `pixels` (clipped to the picture)
    // from the cells of `grid`. Does nothing when the grid no longer has the
    // world size the picture was made for.
    void paintBlocks(const model::LocationGrid& grid, const OverviewColours& colours, QRect pixels);
    // Paints again the blocks that hold any cell of `cells` (world cells,
    // clipped to the world) and returns those pixels; an empty rectangle when
    // nothing was painted.
    QRect update(const model::LocationGrid& grid, const OverviewColours& colours, QRect cells);

    bool isNull() const { return m_image.isNull(); }
    // Format_RGB32, ceil(columns / reduction) x ceil(rows / reduction).
    const QImage& image() const { return m_image; }
    std::int32_t reduction() const { return m_reduction; }
    QSize world() const { return m_world; }

    // The pixels whose blocks hold any cell of `cells`, within the picture.
    QRect pixelsOf(QRect cells) const;
    // The world cells of the block of pixel `pixel`, within the world.
    QRect cellsOf(QPoint pixel) const;

private:
    bool fits(const model::LocationGrid& grid) const;
    void paintBlockRow(const model::LocationGrid& grid, const OverviewColours& colours,
                       std::int32_t blockRow, std::int32_t firstBlock, std::int32_t endBlock);

    QImage m_image;
    QSize m_world;
    std::int32_t m_reduction = 1;
    // Channel sums of the blocks of the row being painted, three per block.
    std::vector<std::uint64_t> m_sums;
};

} // namespace canvas
