#include "canvas/scaled_drawing.h"

#include "canvas/view_zoom.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace canvas {
namespace {

constexpr std::int64_t kMaxOutputSide = 32768;
// Pixels and cells of one band's drawing, so that a band (its picture, and
// the cells a zoomed renderer gathers) stays a few tens of megabytes.
constexpr std::int64_t kBandPixels = std::int64_t{4} << 20;
constexpr std::int64_t kBandCells = std::int64_t{1} << 20;

std::int64_t scaledSide(std::int64_t side, double scale) {
    return std::max<std::int64_t>(1, std::llround(static_cast<double>(side) * scale));
}

// The source columns of each output column, as the output column of each
// source column.
std::vector<std::int32_t> outputColumns(std::int64_t source, std::int64_t output) {
    std::vector<std::int32_t> column(static_cast<std::size_t>(source));
    for (std::int64_t x = 0; x < output; ++x)
        for (std::int64_t s = boxBegin(x, source, output); s < boxBegin(x + 1, source, output); ++s)
            column[static_cast<std::size_t>(s)] = static_cast<std::int32_t>(x);
    return column;
}

} // namespace

std::optional<ScaledPlan> planScaled(const CanvasView& view, double scale) {
    if (!(scale > 0.0 && scale <= 1.0) || view.CellWidth < 1 || view.CellHeight < 1 ||
        view.CanvasCellCountX < 1 || view.CanvasCellCountY < 1)
        return std::nullopt;
    ScaledPlan plan;
    plan.fullWidth = std::int64_t{view.CellWidth} * view.CanvasCellCountX;
    plan.fullHeight = std::int64_t{view.CellHeight} * view.CanvasCellCountY;
    const std::int64_t width = scaledSide(plan.fullWidth, scale);
    const std::int64_t height = scaledSide(plan.fullHeight, scale);
    if (width > kMaxOutputSide || height > kMaxOutputSide)
        return std::nullopt;
    plan.output = QSize(static_cast<int>(width), static_cast<int>(height));
    if (plan.fullWidth * plan.fullHeight <= kExactPixels && plan.fullWidth <= kMaxBandWidth)
        return plan;
    std::optional<std::int32_t> fitting;
    for (std::int32_t zoom = 1; zoom < kNormalZoom; ++zoom) {
        CanvasView zoomed = view;
        zoomed.zoomPixels = zoom;
        const QSize cell = zoomedCellSize(zoomed);
        const std::int64_t drawnWidth = std::int64_t{cell.width()} * view.CanvasCellCountX;
        const std::int64_t drawnHeight = std::int64_t{cell.height()} * view.CanvasCellCountY;
        if (drawnWidth > kMaxBandWidth)
            break;
        if (drawnWidth < width || drawnHeight < height)
            continue;
        fitting = zoom;
        if (drawnWidth >= 2 * width && drawnHeight >= 2 * height)
            break;
    }
    if (!fitting)
        return std::nullopt;
    plan.drawZoom = *fitting;
    return plan;
}

QImage drawScaled(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                  const CanvasView& view, const ScaledPlan& plan, int threads,
                  const DrawingProgress& progress) {
    CanvasView drawn = view;
    drawn.zoomPixels = plan.drawZoom;
    const QSize cell = zoomedCellSize(drawn);
    const std::int64_t sourceWidth = std::int64_t{cell.width()} * view.CanvasCellCountX;
    const std::int64_t sourceHeight = std::int64_t{cell.height()} * view.CanvasCellCountY;
    const int outWidth = plan.output.width();
    const int outHeight = plan.output.height();
    QImage picture(plan.output, QImage::Format_RGB32);
    if (picture.isNull())
        throw std::bad_alloc();
    const std::vector<std::int32_t> columnOf = outputColumns(sourceWidth, outWidth);
    std::vector<std::int64_t> boxWidth(static_cast<std::size_t>(outWidth));
    for (int x = 0; x < outWidth; ++x)
        boxWidth[static_cast<std::size_t>(x)] =
            boxBegin(x + 1, sourceWidth, outWidth) - boxBegin(x, sourceWidth, outWidth);

    // Output rows per band: as many as a band's drawing budget allows, but
    // enough bands to keep every thread busy, and each band several times
    // taller than the rows drawn above it again.
    const double rowsPerOutput = static_cast<double>(sourceHeight) / outHeight;
    const int reach = BandDrawer(grid, catalogues, drawn).reachRows();
    const double bandRows =
        std::min(static_cast<double>(kBandPixels) / static_cast<double>(sourceWidth),
                 static_cast<double>(kBandCells) / view.CanvasCellCountX * cell.height());
    const auto budget = static_cast<int>(std::max(1.0, bandRows / rowsPerOutput));
    const auto least =
        static_cast<int>(std::ceil(4.0 * reach * cell.height() / std::max(1.0, rowsPerOutput)));
    const int spread = (outHeight + 8 * threads - 1) / (8 * threads);
    const int perBand = std::clamp(std::max(spread, least), 1, std::max(1, budget));
    const int bands = (outHeight + perBand - 1) / perBand;

    uchar* const pixels = picture.bits();
    const qsizetype line = picture.bytesPerLine();
    forEachBand(
        grid, catalogues, drawn, bands, threads,
        [&](BandDrawer& drawer, int band) {
            const int firstOut = band * perBand;
            const int endOut = std::min(outHeight, firstOut + perBand);
            const std::int64_t top = boxBegin(firstOut, sourceHeight, outHeight);
            const std::int64_t bottom = boxBegin(endOut, sourceHeight, outHeight);
            const auto firstRow = static_cast<int>(top / cell.height());
            const auto endRow = static_cast<int>((bottom + cell.height() - 1) / cell.height());
            const QImage& rows = drawer.draw(firstRow, endRow);
            if (rows.isNull())
                throw std::bad_alloc();
            const std::int64_t rowsTop = std::int64_t{firstRow} * cell.height();
            std::vector<std::uint64_t> sums(static_cast<std::size_t>(outWidth) * 3);
            for (int y = firstOut; y < endOut; ++y) {
                std::fill(sums.begin(), sums.end(), 0);
                const std::int64_t from = boxBegin(y, sourceHeight, outHeight);
                const std::int64_t to = boxBegin(y + 1, sourceHeight, outHeight);
                for (std::int64_t sy = from; sy < to; ++sy) {
                    const auto* source = reinterpret_cast<const std::uint32_t*>(
                        rows.constScanLine(static_cast<int>(sy - rowsTop)));
                    for (std::int64_t sx = 0; sx < sourceWidth; ++sx) {
                        const std::uint32_t pixel = source[sx];
                        std::uint64_t* sum = &sums[3 * static_cast<std::size_t>(columnOf[sx])];
                        sum[0] += pixel & 0xFFu;
                        sum[1] += (pixel >> 8) & 0xFFu;
                        sum[2] += (pixel >> 16) & 0xFFu;
                    }
                }
                auto* target = reinterpret_cast<std::uint32_t*>(pixels + line * y);
                for (int x = 0; x < outWidth; ++x) {
                    const std::uint64_t count = boxWidth[static_cast<std::size_t>(x)] * (to - from);
                    const std::uint64_t* sum = &sums[3 * static_cast<std::size_t>(x)];
                    std::uint32_t colour = 0xFF000000u;
                    for (int c = 0; c < 3; ++c)
                        colour |= static_cast<std::uint32_t>((sum[c] + count / 2) / count)
                                  << (8 * c);
                    target[x] = colour;
                }
            }
        },
        progress);
    return picture;
}

} // namespace canvas
