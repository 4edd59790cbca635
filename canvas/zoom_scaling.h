#pragma once
// Copies of the map's pictures at a zoom, made once and kept by the caller.
//
// Zooming in, every copy is the nearest-neighbour enlargement of its picture
// (view_zoom.h). Zooming out, every zoomed pixel stands for a box of the
// picture's pixels:
// - a ground picture takes the average colour of its box;
// - a masked picture (a sprite, a hatching, an arrow) counts in each box the
//   pixels that draw opaque (their OR bits set every colour bit, so the
//   destination becomes their AND bits) and those that change the
//   destination at all. With opaque pixels over at least half of the box the
//   zoomed pixel is opaque, in the average colour of those opaque pixels
//   alone; else, with pixels that change the destination over at least half
//   of the box, it takes the average OR and AND bits of those pixels; else it
//   keeps the destination. So what is transparent stays transparent, the
//   picture's white background under its mask never shades its edges, and a
//   sprite keeps its footprint scaled.

#include "canvas/masked_image.h"
#include "canvas/raster_ops.h"
#include "canvas/view_zoom.h"

#include <QImage>

namespace canvas {

// `picture` (Format_RGB32, of the unzoomed cell's size) at the zoom:
// zoom.x.viewLength(width) by zoom.y.viewLength(height) pixels.
QImage zoomedPicture(const QImage& picture, const ViewZoom& zoom);

// `image` anchored at a cell's corner, at the zoom: its pixels past the
// image's own edges are transparent.
MaskedImage zoomedMasked(const MaskedImage& image, const ViewZoom& zoom);

// What a masked pattern adds to a cell of its size when averaged over the
// cell: the share of its pixels that change the destination, and their
// average AND bits. The tint that stands for a hatching too small to show.
Tint tintOf(const MaskedImage& pattern);

} // namespace canvas
