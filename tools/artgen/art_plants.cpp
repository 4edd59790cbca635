#include "object_art.h"
#include "paint_kit.h"

#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

const Foliage kOakLeaves{hex(0x8CC453), hex(0x5E9A38), hex(0x2F5E22)};
const Foliage kBirchLeaves{hex(0xA8D462), hex(0x78AE40), hex(0x3E6E26)};
const Foliage kBushLeaves{hex(0x78B246), hex(0x4E8A30), hex(0x2A5420)};

void barkLines(QPainter& p, double x0, double x1, double y0, double y1, Random& rnd) {
    p.setPen(QPen(toQColor(hex(0x3A2616)), 1.0));
    for (int i = 0; i < 4; ++i) {
        const double x = rnd.range(x0 + 1, x1 - 1);
        const double top = rnd.range(y0, (y0 + y1) / 2);
        p.drawLine(QPointF(x, top), QPointF(x + rnd.range(-1, 1), top + rnd.range(5, 12)));
    }
    p.setPen(Qt::NoPen);
}

} // namespace

SpriteArt paintOak() {
    SpriteArt art{spriteSurface(96, 96), QRectF(18, 80, 64, 14)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0x0A4);
    QPolygonF trunk;
    trunk << QPointF(36, 93) << QPointF(43, 86) << QPointF(44, 58) << QPointF(52, 58)
          << QPointF(53, 86) << QPointF(61, 93) << QPointF(50, 90) << QPointF(47, 90);
    p.setBrush(horizontalGradient(40, 58, hex(0x9A7048), hex(0x4A3020)));
    p.drawPolygon(trunk);
    barkLines(p, 44, 52, 62, 88, rnd);
    // Two limbs reaching into the crown.
    p.setPen(QPen(toQColor(hex(0x5A3C24)), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(47, 64), QPointF(34, 50));
    p.drawLine(QPointF(50, 62), QPointF(64, 48));
    p.setPen(Qt::NoPen);
    foliageClump(p, QPointF(48, 36), 42, 32, 14, kOakLeaves, rnd);
    p.end();
    return art;
}

SpriteArt paintSpruce() {
    SpriteArt art{spriteSurface(32, 64), QRectF(3, 55, 26, 8)};
    QPainter p;
    beginPainting(p, art.drawn);
    p.setBrush(horizontalGradient(13, 19, hex(0x7A5434), hex(0x3E2818)));
    p.drawRect(QRectF(14, 48, 4, 13));
    const int tiers = 5;
    for (int k = 0; k < tiers; ++k) {
        const double apex = 1 + k * 9.0;
        const double base = apex + 17;
        const double half = 5 + k * 2.3;
        // A sawtooth lower edge.
        QPolygonF tier;
        tier << QPointF(16, apex);
        const int teeth = 3 + k;
        for (int t = 0; t <= teeth; ++t) {
            const double x = 16 + half - 2 * half * t / teeth;
            tier << QPointF(x, base - ((t % 2) ? 2.5 : 0));
        }
        p.setBrush(toQColor(hex(0x1E4026)));
        p.drawPolygon(tier.translated(0.8, 1.2));
        QLinearGradient g(QPointF(16 - half, apex), QPointF(16 + half, base));
        g.setColorAt(0, toQColor(hex(0x5E9A5A)));
        g.setColorAt(0.45, toQColor(hex(0x3A6E40)));
        g.setColorAt(1, toQColor(hex(0x1E4428)));
        p.setBrush(g);
        p.drawPolygon(tier);
        // Needles: short light strokes on the lit side.
        p.setPen(QPen(toQColor(hex(0x7CB872)), 0.8));
        for (int n = 0; n < 3 + k; ++n) {
            const double y = apex + 5 + n * 10.0 / (3 + k);
            const double x = 16 - (y - apex) / 17 * half * 0.7;
            p.drawLine(QPointF(x, y), QPointF(x + 2.5, y + 1.5));
        }
        p.setPen(Qt::NoPen);
    }
    p.end();
    return art;
}

SpriteArt paintBirch() {
    SpriteArt art{spriteSurface(32, 64), QRectF(4, 55, 24, 8)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0xB1C);
    QPainterPath trunk;
    trunk.moveTo(13.5, 62);
    trunk.cubicTo(14, 48, 12, 36, 14.5, 14);
    trunk.lineTo(17.5, 14);
    trunk.cubicTo(15.5, 36, 18, 48, 18.5, 62);
    trunk.closeSubpath();
    p.setBrush(horizontalGradient(13, 19, hex(0xF4F1E8), hex(0xB4AFA4)));
    p.drawPath(trunk);
    p.setBrush(toQColor(hex(0x2A2622)));
    for (int i = 0; i < 7; ++i) {
        const double y = 26 + i * 5.0 + rnd.range(-1, 1);
        p.drawRect(QRectF(rnd.chance(0.5) ? 14 : 15.5, y, rnd.range(1.5, 3), 1.0));
    }
    foliageClump(p, QPointF(16, 21), 13.5, 20, 11, kBirchLeaves, rnd);
    p.end();
    return art;
}

SpriteArt paintBush(bool berries) {
    SpriteArt art{spriteSurface(32, 32), QRectF(3, 22, 27, 9)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(berries ? 0xBE2 : 0xB05);
    foliageClump(p, QPointF(16, 18), 13, 10, 6, kBushLeaves, rnd);
    if (berries) {
        for (int i = 0; i < 9; ++i) {
            const QPointF at(rnd.range(7, 25), rnd.range(12, 25));
            litEllipse(p, at, 1.4, 1.4, hex(0xF06060), hex(0x901820));
        }
    }
    p.end();
    return art;
}

SpriteArt paintStump() {
    SpriteArt art{spriteSurface(32, 32), QRectF(4, 20, 26, 10)};
    QPainter p;
    beginPainting(p, art.drawn);
    // Roots, then the side of the stump, then its cut top with rings.
    p.setBrush(toQColor(hex(0x5A3C24)));
    p.drawEllipse(QPointF(8, 25), 4, 2.2);
    p.drawEllipse(QPointF(24, 25), 4, 2.2);
    p.setBrush(horizontalGradient(7, 25, hex(0x8A6040), hex(0x40281A)));
    p.drawRect(QRectF(7, 14, 18, 12));
    p.drawEllipse(QPointF(16, 26), 9, 2.5);
    litEllipse(p, QPointF(16, 14), 9, 4.5, hex(0xE2C08C), hex(0xA88050));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(toQColor(hex(0x8A6438)), 0.8));
    for (double r = 2; r < 8; r += 2.2)
        p.drawEllipse(QPointF(16, 14), r, r / 2);
    p.end();
    return art;
}

SpriteArt paintFlowers() {
    SpriteArt art{spriteSurface(32, 32), QRectF()};
    art.outline = false;
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0xF70);
    const Rgb colours[] = {hex(0xF4F0E4), hex(0xF2D040), hex(0xA070E0), hex(0xE85070)};
    for (int i = 0; i < 9; ++i) {
        const QPointF at(rnd.range(6, 26), rnd.range(8, 26));
        p.setPen(QPen(toQColor(hex(0x2E6A22)), 1.0));
        p.drawLine(at, at + QPointF(rnd.range(-1, 1), 4));
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(hex(0x3E7A2A)));
        p.drawEllipse(at + QPointF(1.5, 3), 1.5, 0.8);
        const Rgb c = colours[i % 4];
        litEllipse(p, at, 2.0, 1.8, shade(c, 1.1), shade(c, 0.7));
        p.setBrush(toQColor(hex(0xF0A020)));
        p.drawEllipse(at, 0.7, 0.7);
    }
    p.end();
    return art;
}

} // namespace artgen
