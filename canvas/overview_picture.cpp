#include "canvas/overview_picture.h"

#include "canvas/map_renderer.h"

#include <algorithm>

namespace canvas {
namespace {

// The world cells of `cells` as an inclusive range of 64-bit numbers, after
// clipping to a world of `world` cells.
struct CellRange {
    std::int64_t left, top, right, bottom;
    bool empty() const { return left > right || top > bottom; }
};

CellRange clipped(QRect cells, QSize world) {
    return {
        std::max<std::int64_t>(cells.left(), 0), std::max<std::int64_t>(cells.top(), 0),
        std::min<std::int64_t>(std::int64_t{cells.left()} + cells.width() - 1, world.width() - 1),
        std::min<std::int64_t>(std::int64_t{cells.top()} + cells.height() - 1, world.height() - 1)};
}

} // namespace

QSize OverviewPicture::worldSize(const model::LocationGrid& grid) {
    if (grid.MapWidth() <= 0 || !grid.isComplete())
        return {0, 0};
    // Rows wrap with MapHeight, as in the map view; a location of one row
    // (MapHeight 0) shows that row.
    return {grid.MapWidth(), std::max(grid.MapHeight(), 1)};
}

std::int32_t OverviewPicture::reductionFor(QSize world, std::int32_t longestSide) {
    const std::int64_t longest = std::max(world.width(), world.height());
    const std::int64_t side = std::max(longestSide, 1);
    return static_cast<std::int32_t>(std::max<std::int64_t>((longest + side - 1) / side, 1));
}

void OverviewPicture::reset(const model::LocationGrid& grid, std::int32_t reduction) {
    m_world = worldSize(grid);
    m_reduction = reduction > 0 ? reduction : reductionFor(m_world);
    if (m_world.isEmpty()) {
        m_image = QImage();
        return;
    }
    const auto blocks = [this](std::int32_t cells) {
        return static_cast<int>((std::int64_t{cells} + m_reduction - 1) / m_reduction);
    };
    m_image = QImage(blocks(m_world.width()), blocks(m_world.height()), QImage::Format_RGB32);
    m_image.fill(kMapBackground);
}

void OverviewPicture::build(const model::LocationGrid& grid, const OverviewColours& colours,
                            std::int32_t reduction) {
    reset(grid, reduction);
    paintBlocks(grid, colours, m_image.rect());
}

void OverviewPicture::paintBlocks(const model::LocationGrid& grid, const OverviewColours& colours,
                                  QRect pixels) {
    const QRect blocks = pixels & m_image.rect();
    if (blocks.isEmpty() || !fits(grid))
        return;
    for (int row = blocks.top(); row <= blocks.bottom(); ++row)
        paintBlockRow(grid, colours, row, blocks.left(), blocks.right() + 1);
}

QRect OverviewPicture::update(const model::LocationGrid& grid, const OverviewColours& colours,
                              QRect cells) {
    const QRect pixels = pixelsOf(cells);
    if (pixels.isEmpty() || !fits(grid))
        return {};
    paintBlocks(grid, colours, pixels);
    return pixels;
}

QRect OverviewPicture::pixelsOf(QRect cells) const {
    if (m_image.isNull())
        return {};
    const CellRange range = clipped(cells, m_world);
    if (range.empty())
        return {};
    const auto block = [this](std::int64_t cell) { return static_cast<int>(cell / m_reduction); };
    return QRect(QPoint(block(range.left), block(range.top)),
                 QPoint(block(range.right), block(range.bottom)));
}

QRect OverviewPicture::cellsOf(QPoint pixel) const {
    if (!m_image.rect().contains(pixel))
        return {};
    const std::int64_t left = std::int64_t{pixel.x()} * m_reduction;
    const std::int64_t top = std::int64_t{pixel.y()} * m_reduction;
    const std::int64_t right = std::min<std::int64_t>(left + m_reduction, m_world.width());
    const std::int64_t bottom = std::min<std::int64_t>(top + m_reduction, m_world.height());
    return QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                 static_cast<int>(bottom - top));
}

bool OverviewPicture::fits(const model::LocationGrid& grid) const {
    return !m_image.isNull() && worldSize(grid) == m_world;
}

void OverviewPicture::paintBlockRow(const model::LocationGrid& grid, const OverviewColours& colours,
                                    std::int32_t blockRow, std::int32_t firstBlock,
                                    std::int32_t endBlock) {
    const std::int64_t k = m_reduction;
    const std::int64_t columns = m_world.width();
    const std::int64_t top = blockRow * k;
    const std::int64_t bottom = std::min<std::int64_t>(top + k, m_world.height());
    const auto blocks = static_cast<std::size_t>(endBlock - firstBlock);
    m_sums.assign(3 * blocks, 0);

    const QRgb* groundColour = colours.groundTable();
    const QRgb* objectColour = colours.objectTable();
    for (std::int64_t y = top; y < bottom; ++y) {
        const unsigned char* earths = grid.rowData(model::Layer::Earths, static_cast<int>(y));
        const unsigned char* objects = grid.rowData(model::Layer::Objects, static_cast<int>(y));
        std::uint64_t* sums = m_sums.data();
        for (std::int64_t block = firstBlock; block < endBlock; ++block, sums += 3) {
            const std::int64_t left = block * k;
            const std::int64_t right = std::min(left + k, columns);
            std::uint64_t red = 0;
            std::uint64_t green = 0;
            std::uint64_t blue = 0;
            for (std::int64_t x = left; x < right; ++x) {
                // Two-byte object codes are big-endian; code 0 and sprites
                // that cover nothing have alpha 0 and let the ground show.
                QRgb colour = objectColour[(objects[2 * x] << 8) | objects[2 * x + 1]];
                if ((colour >> 24) == 0)
                    colour = groundColour[earths[x]];
                red += (colour >> 16) & 0xFF;
                green += (colour >> 8) & 0xFF;
                blue += colour & 0xFF;
            }
            sums[0] += red;
            sums[1] += green;
            sums[2] += blue;
        }
    }

    auto* pixel = reinterpret_cast<QRgb*>(m_image.scanLine(blockRow)) + firstBlock;
    const std::uint64_t* sums = m_sums.data();
    for (std::int64_t block = firstBlock; block < endBlock; ++block, sums += 3, ++pixel) {
        const std::int64_t left = block * k;
        const auto count =
            static_cast<std::uint64_t>((std::min(left + k, columns) - left) * (bottom - top));
        const std::uint64_t half = count / 2;
        *pixel = qRgb(static_cast<int>((sums[0] + half) / count),
                      static_cast<int>((sums[1] + half) / count),
                      static_cast<int>((sums[2] + half) / count));
    }
}

} // namespace canvas
