#pragma once
// The picture of a view scaled down by area averaging, without ever holding
// the picture at full size: the view is drawn in bands of cell rows
// (banded_drawing.h) on several threads, and each band is averaged into the
// output rows it covers at once.
//
// The full-size picture is the view as MapRenderer::DrawMap draws it without
// zoom: CanvasCellCountX x CellWidth by CanvasCellCountY x CellHeight pixels.
// At scale S (0 < S <= 1) the output is max(1, round(side x S)) pixels a side.
// Output pixel (x, y) stands for the box of source pixels from
// floor(x x W / w) up to floor((x + 1) x W / w) across (W source, w output
// pixels) and likewise down, and takes the rounded mean of each channel over
// that box. The source is:
// - the full-size picture itself, when it has at most kExactPixels pixels and
//   is at most kMaxBandWidth pixels wide: the output is then exactly the box
//   average of the full-size picture;
// - otherwise the view drawn at the editor's zoom L (view_zoom.h), the
//   smallest L from 1 to 31 whose picture is at least twice the output on
//   each axis (or the largest that fits kMaxBandWidth): the box average of
//   that picture, in which each ground tile is already its area average and
//   sprites and hatchings are reduced as the zoom reduces them.

#include "canvas/banded_drawing.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>

namespace canvas {

constexpr std::int64_t kExactPixels = std::int64_t{1} << 28;
constexpr std::int64_t kMaxBandWidth = 32768;

struct ScaledPlan {
    std::int64_t fullWidth = 0;
    std::int64_t fullHeight = 0;
    QSize output;
    // The zoom the bands are drawn at: 0 for the full size.
    std::int32_t drawZoom = 0;
    bool exact() const { return drawZoom == 0; }
};

// The output size and how it is drawn for `view` (its zoom is ignored) at
// `scale`; nothing when the scale is not in (0, 1], the view has no pixels,
// or no zoom gives a source picture at least as large as the output that a
// band can hold.
std::optional<ScaledPlan> planScaled(const CanvasView& view, double scale);

// The scaled picture (Format_RGB32) the plan describes, drawn on `threads`
// threads; the same pixels for any number of threads.
QImage drawScaled(const model::LocationGrid& grid, const ResourceCatalogues& catalogues,
                  const CanvasView& view, const ScaledPlan& plan, int threads,
                  const DrawingProgress& progress = {});

// The box of source pixels [begin, end) that output pixel `index` of `output`
// stands for, along a side of `source` pixels.
inline std::int64_t boxBegin(std::int64_t index, std::int64_t source, std::int64_t output) {
    return index * source / output;
}

} // namespace canvas
