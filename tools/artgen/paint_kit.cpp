#include "paint_kit.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace artgen {

void beginPainting(QPainter& p, QImage& surface) {
    p.begin(&surface);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
}

void litEllipse(QPainter& p, QPointF centre, double rx, double ry, Rgb light, Rgb dark) {
    QRadialGradient g(centre, std::max(rx, ry) * 1.25,
                      QPointF(centre.x() - rx * 0.45, centre.y() - ry * 0.5));
    g.setColorAt(0, toQColor(light));
    g.setColorAt(1, toQColor(dark));
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
}

void litPolygon(QPainter& p, const QPolygonF& shape, Rgb light, Rgb dark) {
    const QRectF box = shape.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, toQColor(light));
    g.setColorAt(1, toQColor(dark));
    p.setBrush(g);
    p.drawPolygon(shape);
}

QPolygonF lumpyOutline(QPointF centre, double rx, double ry, int points, double jitter,
                       Random& rnd) {
    QPolygonF shape;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * std::numbers::pi * i / points;
        const double k = 1.0 + jitter * (rnd.unit() * 2 - 1);
        shape << QPointF(centre.x() + rx * k * std::cos(a), centre.y() + ry * k * std::sin(a));
    }
    return shape;
}

void foliageClump(QPainter& p, QPointF centre, double rx, double ry, int balls,
                  const Foliage& colours, Random& rnd) {
    struct Ball {
        QPointF c;
        double r;
    };
    std::vector<Ball> placed;
    const double r0 = std::min(rx, ry) * 0.55;
    for (int i = 0; i < balls; ++i) {
        const double a = rnd.range(0, 2 * std::numbers::pi);
        const double d = std::sqrt(rnd.unit());
        const QPointF c(centre.x() + (rx - r0) * d * std::cos(a),
                        centre.y() + (ry - r0) * d * std::sin(a));
        placed.push_back({c, r0 * rnd.range(0.75, 1.05)});
    }
    // Balls lower down are drawn last, in front.
    std::sort(placed.begin(), placed.end(),
              [](const Ball& a, const Ball& b) { return a.c.y() < b.c.y(); });
    p.setBrush(toQColor(colours.dark));
    for (const Ball& b : placed)
        p.drawEllipse(b.c, b.r + 1.5, b.r + 1.5);
    for (const Ball& b : placed)
        litEllipse(p, b.c, b.r, b.r, colours.light, colours.dark);
    // Flecks: light leaves up and to the left of each ball's centre, dark ones
    // down and to the right.
    for (const Ball& b : placed) {
        for (int k = 0; k < static_cast<int>(b.r * 2.2); ++k) {
            const double a = rnd.range(0, 2 * std::numbers::pi);
            const double d = b.r * std::sqrt(rnd.unit()) * 0.9;
            const QPointF at(b.c.x() + d * std::cos(a), b.c.y() + d * std::sin(a));
            const double side = (at.x() - b.c.x()) + (at.y() - b.c.y());
            const Rgb leaf = side < -b.r * 0.3  ? shade(colours.light, 1.12)
                             : side > b.r * 0.4 ? shade(colours.dark, 0.85)
                                                : colours.mid;
            p.setBrush(toQColor(leaf));
            p.drawEllipse(at, rnd.range(0.9, 1.7), rnd.range(0.7, 1.3));
        }
    }
}

QLinearGradient horizontalGradient(double x0, double x1, Rgb left, Rgb right) {
    QLinearGradient g(QPointF(x0, 0), QPointF(x1, 0));
    g.setColorAt(0, toQColor(left));
    g.setColorAt(1, toQColor(right));
    return g;
}

QLinearGradient verticalGradient(double y0, double y1, Rgb top, Rgb bottom) {
    QLinearGradient g(QPointF(0, y0), QPointF(0, y1));
    g.setColorAt(0, toQColor(top));
    g.setColorAt(1, toQColor(bottom));
    return g;
}

} // namespace artgen
