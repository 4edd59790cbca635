#include "object_art.h"
#include "paint_kit.h"

#include <QPainterPath>

#include <cmath>

namespace artgen {
namespace {

// A window with a frame, two panes with a glint, and shutters or carved trim.
void window(QPainter& p, QRectF r, HouseStyle style) {
    if (style == HouseStyle::Plastered) {
        p.setBrush(toQColor(hex(0x3E6A3A)));
        p.drawRect(QRectF(r.left() - 4, r.top(), 4, r.height()));
        p.drawRect(QRectF(r.right(), r.top(), 4, r.height()));
    } else {
        p.setBrush(toQColor(hex(0xEDE6D4)));
        QPolygonF crest;
        crest << QPointF(r.left() - 3, r.top() - 1) << QPointF(r.center().x(), r.top() - 6)
              << QPointF(r.right() + 3, r.top() - 1);
        p.drawPolygon(crest);
        p.drawRect(r.adjusted(-2.5, -1.5, 2.5, 2.5));
    }
    p.setBrush(toQColor(hex(0x4A3020)));
    p.drawRect(r.adjusted(-1, -1, 1, 1));
    p.setBrush(verticalGradient(r.top(), r.bottom(), hex(0x8CB8D8), hex(0x2A4A6A)));
    p.drawRect(r);
    p.setBrush(toQColor(hex(0x4A3020)));
    p.drawRect(QRectF(r.center().x() - 0.6, r.top(), 1.2, r.height()));
    p.drawRect(QRectF(r.left(), r.center().y() - 0.6, r.width(), 1.2));
    p.setBrush(toQColor(hex(0xE8F4FF)));
    p.drawRect(QRectF(r.left() + 1.5, r.top() + 1.5, 2, 1.2));
}

void plasteredWall(QPainter& p, QRectF wall) {
    p.setBrush(verticalGradient(wall.top(), wall.bottom(), hex(0xF0E2C0), hex(0xC8B48C)));
    p.drawRect(wall);
    // The timber frame.
    p.setBrush(toQColor(hex(0x5A3A22)));
    p.drawRect(QRectF(wall.left(), wall.top(), wall.width(), 3));
    p.drawRect(QRectF(wall.left(), wall.bottom() - 3, wall.width(), 3));
    for (double x :
         {wall.left(), wall.center().x() - 12.0, wall.center().x() + 10.0, wall.right() - 3})
        p.drawRect(QRectF(x, wall.top(), 3, wall.height()));
    p.setPen(QPen(toQColor(hex(0x5A3A22)), 2.5));
    p.drawLine(QPointF(wall.left() + 3, wall.bottom() - 3),
               QPointF(wall.left() + 13, wall.top() + 3));
    p.drawLine(QPointF(wall.right() - 3, wall.bottom() - 3),
               QPointF(wall.right() - 13, wall.top() + 3));
    p.setPen(Qt::NoPen);
}

void logWall(QPainter& p, QRectF wall) {
    const double log = 5.5;
    for (double y = wall.top(); y < wall.bottom() - 0.5; y += log) {
        const QRectF band(wall.left(), y, wall.width(), log);
        p.setBrush(verticalGradient(band.top(), band.bottom(), hex(0xB07A46), hex(0x6A4424)));
        p.drawRoundedRect(band, 2.5, 2.5);
        // Log ends at both corners.
        for (double x : {wall.left() - 1.5, wall.right() + 1.5})
            litEllipse(p, QPointF(x, y + log / 2), 3.0, log / 2, hex(0xE0B880), hex(0x8A6038));
    }
}

// The roof seen from the front and above: a trapezoid from the ridge down to
// the eaves, covered in rows of tiles or straw.
void roof(QPainter& p, double ridgeY, double eaveY, double ridgeInset, double width,
          HouseStyle style) {
    QPolygonF shape;
    shape << QPointF(ridgeInset, ridgeY) << QPointF(width - ridgeInset, ridgeY)
          << QPointF(width - 1, eaveY) << QPointF(1, eaveY);
    const bool tiles = style == HouseStyle::Plastered;
    const Rgb top = tiles ? hex(0xC4583A) : hex(0xE0C068);
    const Rgb bottom = tiles ? hex(0x7A2E1E) : hex(0x9A7A34);
    p.setBrush(verticalGradient(ridgeY, eaveY, top, bottom));
    p.drawPolygon(shape);
    p.save();
    QPainterPath clip;
    clip.addPolygon(shape);
    p.setClipPath(clip);
    Random rnd(tiles ? 0x71E : 0x57A);
    if (tiles) {
        // Rows of rounded tiles, each row offset by half a tile.
        int row = 0;
        for (double y = ridgeY + 2; y < eaveY; y += 6, ++row) {
            const double t = (y - ridgeY) / (eaveY - ridgeY);
            const Rgb c = mix(top, bottom, t);
            p.setPen(QPen(toQColor(shade(c, 0.6)), 1.0));
            p.setBrush(toQColor(c));
            for (double x = (row % 2) * 4.0 - 8; x < width + 8; x += 8)
                p.drawChord(QRectF(x, y - 3, 8, 8), 180 * 16, 180 * 16);
        }
    } else {
        // Straw: many short strokes running down the slope.
        for (int i = 0; i < 420; ++i) {
            const double y = rnd.range(ridgeY, eaveY);
            const double x = rnd.range(0, width);
            const double t = (y - ridgeY) / (eaveY - ridgeY);
            const Rgb c = rnd.chance(0.5) ? shade(mix(top, bottom, t), 1.15)
                                          : shade(mix(top, bottom, t), 0.75);
            p.setPen(QPen(toQColor(c), 0.9));
            p.drawLine(QPointF(x, y), QPointF(x + (x - width / 2) * 0.04, y + rnd.range(3, 6)));
        }
        p.setPen(QPen(toQColor(shade(bottom, 0.8)), 1.2));
        p.drawLine(QPointF(2, eaveY - 2), QPointF(width - 2, eaveY - 2));
    }
    p.restore();
    p.setPen(Qt::NoPen);
    // The ridge.
    p.setBrush(toQColor(shade(bottom, 0.8)));
    p.drawRect(QRectF(ridgeInset - 1, ridgeY - 2, width - 2 * ridgeInset + 2, 4));
}

void door(QPainter& p, QRectF r) {
    QPainterPath shape;
    shape.moveTo(r.left(), r.bottom());
    shape.lineTo(r.left(), r.top() + r.width() / 2);
    shape.arcTo(QRectF(r.left(), r.top(), r.width(), r.width()), 180, -180);
    shape.lineTo(r.right(), r.bottom());
    shape.closeSubpath();
    p.setBrush(toQColor(hex(0x3A2414)));
    p.drawPath(shape.translated(0, -1.5));
    p.setBrush(horizontalGradient(r.left(), r.right(), hex(0x9A6438), hex(0x5A361C)));
    p.drawPath(shape);
    p.setPen(QPen(toQColor(hex(0x4A2C16)), 0.8));
    for (double x = r.left() + r.width() / 4; x < r.right() - 1; x += r.width() / 4)
        p.drawLine(QPointF(x, r.top() + 3), QPointF(x, r.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(hex(0xE0C060)));
    p.drawEllipse(QPointF(r.right() - 3, r.center().y() + 3), 1.2, 1.2);
}

} // namespace

SpriteArt paintHouse(HouseStyle style) {
    SpriteArt art{spriteSurface(96, 96), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    const QRectF wall(6, 52, 84, 40);
    if (style == HouseStyle::Plastered) {
        // The chimney stands behind the ridge.
        p.setBrush(horizontalGradient(64, 74, hex(0xB0584A), hex(0x6A2E24)));
        p.drawRect(QRectF(64, 2, 10, 20));
        p.setBrush(toQColor(hex(0x4A2A20)));
        p.drawRect(QRectF(63, 1, 12, 3));
        plasteredWall(p, wall);
    } else {
        logWall(p, wall);
    }
    roof(p, 8, 56, 14, 96, style);
    window(p, QRectF(16, 64, 12, 12), style);
    window(p, QRectF(68, 64, 12, 12), style);
    door(p, QRectF(40, 66, 16, 26));
    p.setBrush(verticalGradient(91, 96, hex(0xA8A49A), hex(0x6A665E)));
    p.drawRect(QRectF(37, 91, 22, 4.5));
    p.end();
    return art;
}

SpriteArt paintBarn() {
    SpriteArt art{spriteSurface(64, 64), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    const QRectF wall(4, 30, 56, 32);
    for (double x = wall.left(); x < wall.right() - 0.5; x += 5) {
        p.setBrush(horizontalGradient(x, x + 5, hex(0x9A643A), hex(0x64401F)));
        p.drawRect(QRectF(x, wall.top(), 5, wall.height()));
    }
    QPolygonF roofShape;
    roofShape << QPointF(8, 4) << QPointF(56, 4) << QPointF(63, 34) << QPointF(1, 34);
    p.setBrush(verticalGradient(4, 34, hex(0x6E6A64), hex(0x3A3834)));
    p.drawPolygon(roofShape);
    p.setPen(QPen(toQColor(hex(0x2A2826)), 0.8));
    for (double y = 9; y < 34; y += 5)
        p.drawLine(QPointF(8 - (y - 4) * 7 / 30, y), QPointF(56 + (y - 4) * 7 / 30, y));
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(hex(0x2E2C28)));
    p.drawRect(QRectF(7, 2, 50, 3));
    // Double door with a cross brace.
    const QRectF gate(20, 40, 24, 22);
    p.setBrush(toQColor(hex(0x4A2C16)));
    p.drawRect(gate.adjusted(-1.5, -1.5, 1.5, 0));
    p.setBrush(horizontalGradient(gate.left(), gate.right(), hex(0xB07A48), hex(0x6A4424)));
    p.drawRect(gate);
    p.setPen(QPen(toQColor(hex(0x4A2C16)), 1.6));
    p.drawLine(gate.topLeft(), gate.bottomRight());
    p.drawLine(gate.topRight(), gate.bottomLeft());
    p.drawLine(QPointF(gate.center().x(), gate.top()), QPointF(gate.center().x(), gate.bottom()));
    p.end();
    return art;
}

SpriteArt paintWell() {
    SpriteArt art{spriteSurface(64, 64), QRectF(4, 50, 60, 13)};
    QPainter p;
    beginPainting(p, art.drawn);
    // Posts behind the ring.
    p.setBrush(horizontalGradient(10, 14, hex(0x9A6A40), hex(0x5A3A20)));
    p.drawRect(QRectF(10, 12, 4, 36));
    p.setBrush(horizontalGradient(50, 54, hex(0x9A6A40), hex(0x5A3A20)));
    p.drawRect(QRectF(50, 12, 4, 36));
    // The ring of stones: its side, then the top with dark water inside.
    p.setBrush(verticalGradient(38, 58, hex(0x9C988E), hex(0x5A5650)));
    p.drawRect(QRectF(10, 38, 44, 18));
    p.drawEllipse(QPointF(32, 56), 22, 6);
    p.setPen(QPen(toQColor(hex(0x4A4640)), 0.9));
    for (int row = 0; row < 3; ++row) {
        const double y = 42 + row * 5.5;
        p.drawLine(QPointF(10.5, y), QPointF(53.5, y));
        for (double x = 12 + (row % 2) * 4; x < 53; x += 8)
            p.drawLine(QPointF(x, y), QPointF(x, y + 5.5));
    }
    p.setPen(Qt::NoPen);
    litEllipse(p, QPointF(32, 38), 22, 8, hex(0xC8C4BA), hex(0x8A867E));
    p.setBrush(verticalGradient(33, 43, hex(0x0E1A26), hex(0x2A4A66)));
    p.drawEllipse(QPointF(32, 38.5), 16, 5);
    // The crossbar with its rope and bucket, then the little roof.
    p.setBrush(toQColor(hex(0x6A4428)));
    p.drawRect(QRectF(10, 16, 44, 3));
    p.setPen(QPen(toQColor(hex(0xC8B080)), 1.0));
    p.drawLine(QPointF(32, 19), QPointF(32, 27));
    p.setPen(Qt::NoPen);
    p.setBrush(horizontalGradient(28, 36, hex(0x9A6A40), hex(0x5A3A20)));
    p.drawRect(QRectF(28, 27, 8, 7));
    p.setBrush(toQColor(hex(0x3A3A3A)));
    p.drawRect(QRectF(28, 28.5, 8, 1.2));
    QPolygonF roofShape;
    roofShape << QPointF(16, 1) << QPointF(48, 1) << QPointF(60, 15) << QPointF(4, 15);
    p.setBrush(verticalGradient(1, 15, hex(0xA8744A), hex(0x5A3A22)));
    p.drawPolygon(roofShape);
    p.setPen(QPen(toQColor(hex(0x4A2E18)), 0.8));
    for (double x = 10; x < 56; x += 5)
        p.drawLine(QPointF(16 + (x - 4) * 32 / 56, 1.5), QPointF(x, 14.5));
    p.end();
    return art;
}

} // namespace artgen
