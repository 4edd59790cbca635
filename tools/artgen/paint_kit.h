#pragma once
// Small drawing helpers shared by the object painters: lit shapes, leafy
// clumps, lumpy outlines and gradients, all lit from the top left.

#include "colour.h"
#include "random.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

namespace artgen {

// A painter on `surface` with antialiasing and no pen.
void beginPainting(QPainter& p, QImage& surface);

// An ellipse shaded from `light` (top left) to `dark` (bottom right).
void litEllipse(QPainter& p, QPointF centre, double rx, double ry, Rgb light, Rgb dark);

// A polygon shaded the same way over its bounding box.
void litPolygon(QPainter& p, const QPolygonF& shape, Rgb light, Rgb dark);

// A closed outline around `centre` with `points` corners whose radii vary by
// up to `jitter` (a fraction of the radius).
QPolygonF lumpyOutline(QPointF centre, double rx, double ry, int points, double jitter,
                       Random& rnd);

// A clump of foliage: overlapping lit balls over a dark base, then flecks of
// light leaves on the lit side and dark ones on the shaded side.
struct Foliage {
    Rgb light, mid, dark;
};
void foliageClump(QPainter& p, QPointF centre, double rx, double ry, int balls,
                  const Foliage& colours, Random& rnd);

QLinearGradient horizontalGradient(double x0, double x1, Rgb left, Rgb right);
QLinearGradient verticalGradient(double y0, double y1, Rgb top, Rgb bottom);

} // namespace artgen
