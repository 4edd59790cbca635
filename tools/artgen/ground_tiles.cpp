#include "ground_tiles.h"

#include "noise.h"
#include "random.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace artgen {
namespace {

QImage blankTile() {
    QImage image(kTile, kTile, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// How the border between two materials looks, as a function of the distance
// from the border measured in the field's units (0 at the border, negative on
// the outer side, positive on the inner side).
Rgb borderColour(Material outer, Material inner, Rgb colour, double d) {
    const double band = 0.16;
    if (std::abs(d) >= band)
        return colour;
    const double closeness = 1.0 - std::abs(d) / band;
    if (outer == Material::Sand && inner == Material::Water) {
        if (d < 0)
            return shade(colour, 1.0 - 0.25 * closeness);    // wet sand
        return mix(colour, hex(0x7FB7C8), 0.55 * closeness); // shallows
    }
    if (outer == Material::Grass && inner == Material::Road)
        return shade(colour, 1.0 - (d < 0 ? 0.2 : 0.12) * closeness);
    if (outer == Material::Grass && inner == Material::Sand && d < 0)
        return mix(colour, hex(0x9DB05A), 0.5 * closeness);
    if (outer == Material::CaveRock && inner == Material::CaveFloor) {
        if (d < 0)
            return shade(colour, 1.0 + 0.35 * closeness); // the lit rim of the wall
        return shade(colour, 1.0 - 0.4 * closeness);      // the wall's shadow
    }
    if (d < 0)
        return shade(colour, 1.0 - 0.1 * closeness);
    return colour;
}

} // namespace

QImage plainTile(Material material) {
    QImage image = blankTile();
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            image.setPixel(x, y, toQRgb(materialColour(material, x, y)));
    return image;
}

QImage transitionTile(Material outer, Material inner, int innerCorners) {
    const double tl = (innerCorners & kTopLeft) ? 1 : 0;
    const double tr = (innerCorners & kTopRight) ? 1 : 0;
    const double bl = (innerCorners & kBottomLeft) ? 1 : 0;
    const double br = (innerCorners & kBottomRight) ? 1 : 0;
    const auto seed = static_cast<std::uint32_t>(500 + 17 * static_cast<int>(outer) +
                                                 5 * static_cast<int>(inner));
    QImage image = blankTile();
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double u = (x + 0.5) / kTile, v = (y + 0.5) / kTile;
            const double top = tl + (tr - tl) * u;
            const double bottom = bl + (br - bl) * u;
            const double wobble = tileNoise(x, y, kTile, 16, 2, seed) - 0.5;
            const double field = top + (bottom - top) * v + 0.45 * wobble;
            const double d = field - 0.5;
            const Rgb base = materialColour(d >= 0 ? inner : outer, x, y);
            image.setPixel(x, y, toQRgb(borderColour(outer, inner, base, d)));
        }
    }
    return image;
}

QImage flowerMeadowTile() {
    QImage image = plainTile(Material::Grass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Random rnd(0xF10);
    const Rgb petals[] = {hex(0xF4F1E8), hex(0xF2D649), hex(0xB58AD8), hex(0xE87E9A)};
    for (int i = 0; i < 6; ++i) {
        const double cx = rnd.range(5, 27), cy = rnd.range(5, 27);
        const Rgb petal = petals[rnd.between(0, 3)];
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(hex(0x2F6A22)));
        p.drawEllipse(QPointF(cx + 0.6, cy + 1.2), 1.8, 1.2);
        p.setBrush(toQColor(petal));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * 3.14159265 / 5 + i;
            p.drawEllipse(QPointF(cx + 1.3 * std::cos(a), cy + 1.3 * std::sin(a)), 1.0, 1.0);
        }
        p.setBrush(toQColor(hex(0xF0B020)));
        p.drawEllipse(QPointF(cx, cy), 0.7, 0.7);
    }
    return image;
}

QImage tallGrassTile() {
    QImage image = plainTile(Material::Grass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Random rnd(0x7A11);
    for (int tuft = 0; tuft < 5; ++tuft) {
        const double bx = rnd.range(6, 26), by = rnd.range(10, 28);
        for (int blade = 0; blade < 6; ++blade) {
            const double lean = rnd.range(-4, 4);
            const double height = rnd.range(5, 9);
            const Rgb colour = rnd.chance(0.5) ? hex(0x3E7428) : hex(0x8CC456);
            p.setPen(QPen(toQColor(colour), 1.0, Qt::SolidLine, Qt::RoundCap));
            QPainterPath path(QPointF(bx + blade * 0.6 - 1.5, by));
            path.quadTo(QPointF(bx + lean * 0.3, by - height * 0.6),
                        QPointF(bx + lean, by - height));
            p.drawPath(path);
        }
    }
    return image;
}

QImage lilyPadTile() {
    QImage image = plainTile(Material::Water);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const struct {
        double x, y, r, notch;
    } pads[] = {{11, 11, 6.0, 30}, {23, 20, 4.5, 200}, {12, 24, 3.5, 120}};
    for (const auto& pad : pads) {
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(hex(0x24507A)));
        p.drawEllipse(QPointF(pad.x + 0.8, pad.y + 1.0), pad.r, pad.r * 0.8);
        QRadialGradient g(QPointF(pad.x - 1, pad.y - 1), pad.r * 1.4);
        g.setColorAt(0, toQColor(hex(0x7FBF4A)));
        g.setColorAt(1, toQColor(hex(0x3D7A2C)));
        p.setBrush(g);
        const QRectF box(pad.x - pad.r, pad.y - pad.r * 0.8, 2 * pad.r, 1.6 * pad.r);
        p.drawPie(box, static_cast<int>((pad.notch + 20) * 16), 320 * 16);
    }
    p.setBrush(toQColor(hex(0xF2A7C0)));
    p.drawEllipse(QPointF(10, 10), 2.4, 2.0);
    p.setBrush(toQColor(hex(0xFFF0A0)));
    p.drawEllipse(QPointF(10, 10), 0.9, 0.9);
    return image;
}

} // namespace artgen
