#include "object_art.h"
#include "paint_kit.h"

#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

// A rock: a lumpy body shaded from the top left, a lighter top face and a
// few cracks.
void rockBody(QPainter& p, QPointF centre, double rx, double ry, Random& rnd, Rgb light, Rgb dark) {
    const QPolygonF body = lumpyOutline(centre, rx, ry, 11, 0.14, rnd);
    litPolygon(p, body, light, dark);
    const QPolygonF top =
        lumpyOutline(centre + QPointF(-rx * 0.15, -ry * 0.3), rx * 0.6, ry * 0.45, 8, 0.12, rnd);
    litPolygon(p, top, shade(light, 1.1), shade(light, 0.92));
    p.setPen(QPen(toQColor(shade(dark, 0.7)), 0.9));
    for (int i = 0; i < 3; ++i) {
        const QPointF a = centre + QPointF(rnd.range(-rx, rx) * 0.6, rnd.range(-ry, ry) * 0.5);
        p.drawLine(a, a + QPointF(rnd.range(-4, 4), rnd.range(2, 5)));
    }
    p.setPen(Qt::NoPen);
}

} // namespace

SpriteArt paintRock() {
    SpriteArt art{spriteSurface(32, 32), QRectF(3, 20, 28, 10)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0x20C);
    rockBody(p, QPointF(16, 19), 11, 8, rnd, hex(0xB8B4AA), hex(0x5E5A54));
    p.end();
    return art;
}

SpriteArt paintBoulder() {
    SpriteArt art{spriteSurface(64, 64), QRectF(4, 44, 58, 18)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0xB01);
    rockBody(p, QPointF(32, 37), 26, 20, rnd, hex(0xB4B0A4), hex(0x54504A));
    // Moss on the top.
    for (int i = 0; i < 14; ++i) {
        const QPointF at(rnd.range(18, 40), rnd.range(22, 30));
        litEllipse(p, at, rnd.range(1.5, 3.5), rnd.range(1, 2), hex(0x8AB850), hex(0x4A7430));
    }
    p.end();
    return art;
}

SpriteArt paintStalagmite() {
    SpriteArt art{spriteSurface(32, 64), QRectF(3, 54, 27, 9)};
    QPainter p;
    beginPainting(p, art.drawn);
    const auto cone = [&p](double x, double top, double half, double base) {
        QPolygonF shape;
        shape << QPointF(x - 1, top) << QPointF(x + 1, top) << QPointF(x + half, base - 2)
              << QPointF(x + half * 0.6, base) << QPointF(x - half * 0.6, base)
              << QPointF(x - half, base - 2);
        p.setBrush(horizontalGradient(x - half, x + half, hex(0xA89C8A), hex(0x4A4238)));
        p.drawPolygon(shape);
        p.setPen(QPen(toQColor(hex(0x3A342C)), 0.8));
        for (double y = top + 8; y < base - 2; y += 7) {
            const double w = half * (y - top) / (base - top);
            p.drawLine(QPointF(x - w * 0.8, y), QPointF(x + w * 0.5, y + 1.5));
        }
        p.setPen(Qt::NoPen);
    };
    cone(14, 4, 9, 61);
    cone(24, 34, 5, 62);
    p.end();
    return art;
}

SpriteArt paintCrystals() {
    SpriteArt art{spriteSurface(32, 32), QRectF(3, 22, 27, 9)};
    QPainter p;
    beginPainting(p, art.drawn);
    const struct {
        double x, top, half, lean;
    } shards[] = {{10, 10, 3.5, -3}, {22, 12, 3.0, 3}, {16, 4, 4.5, 0}, {13, 17, 2.5, -1}};
    for (const auto& s : shards) {
        const double base = 27;
        const QPointF tip(s.x + s.lean, s.top);
        QPolygonF left, right;
        left << tip << QPointF(s.x - s.half, s.top + 4) << QPointF(s.x - s.half, base)
             << QPointF(s.x, base + 1) << QPointF(s.x, s.top + 3);
        right << tip << QPointF(s.x, s.top + 3) << QPointF(s.x, base + 1)
              << QPointF(s.x + s.half, base) << QPointF(s.x + s.half, s.top + 4);
        litPolygon(p, left, hex(0xE0C8FF), hex(0x8A5CD0));
        litPolygon(p, right, hex(0x8A5CD0), hex(0x4A2A8A));
    }
    p.setBrush(toQColor(hex(0xFFFFFF)));
    p.drawEllipse(QPointF(15, 9), 0.9, 1.6);
    p.end();
    return art;
}

SpriteArt paintCaveMouth() {
    SpriteArt art{spriteSurface(96, 96), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0xCA7E);
    // A rocky hill: a large rock at the back, smaller ones at its feet.
    rockBody(p, QPointF(48, 42), 44, 38, rnd, hex(0xA8A292), hex(0x48443C));
    rockBody(p, QPointF(26, 24), 18, 14, rnd, hex(0xB4AE9E), hex(0x5A564C));
    rockBody(p, QPointF(68, 30), 20, 16, rnd, hex(0xB0AA9A), hex(0x56524A));
    rockBody(p, QPointF(15, 76), 14, 16, rnd, hex(0xAAA496), hex(0x54504A));
    rockBody(p, QPointF(81, 76), 14, 16, rnd, hex(0xAAA496), hex(0x54504A));
    // Tufts of grass in the cracks.
    for (int i = 0; i < 10; ++i) {
        const QPointF at(rnd.range(14, 82), rnd.range(12, 56));
        litEllipse(p, at, rnd.range(1.5, 3.0), rnd.range(1.0, 1.8), hex(0x8AB850), hex(0x4A7430));
    }
    // The opening: an arch reaching down to the bottom of the middle cell.
    QPainterPath arch;
    arch.moveTo(33, 96);
    arch.lineTo(34, 74);
    arch.cubicTo(35, 56, 61, 56, 62, 74);
    arch.lineTo(63, 96);
    arch.closeSubpath();
    p.setBrush(toQColor(hex(0x2E2A26)));
    p.drawPath(arch.translated(-1.5, -1.5));
    p.setBrush(verticalGradient(60, 96, hex(0x0A0806), hex(0x2A221A)));
    p.drawPath(arch);
    // Stones framing the opening.
    for (int i = 0; i < 7; ++i) {
        const double a = 3.14159 * (0.02 + 0.96 * i / 6.0);
        const QPointF at(48 - 17 * std::cos(a), 76 - 17 * std::sin(a));
        litEllipse(p, at, 4.0, 3.0, hex(0xC4BEB0), hex(0x6A645A));
    }
    p.end();
    return art;
}

} // namespace artgen
