#include "object_art.h"
#include "paint_kit.h"

#include <QPainterPath>

namespace artgen {

SpriteArt paintChest() {
    SpriteArt art{spriteSurface(32, 32), QRectF(2, 23, 30, 8)};
    QPainter p;
    beginPainting(p, art.drawn);
    const QRectF front(5, 15, 22, 13);
    p.setBrush(verticalGradient(front.top(), front.bottom(), hex(0xA86E3A), hex(0x60381A)));
    p.drawRect(front);
    QPolygonF lid;
    lid << QPointF(7, 7) << QPointF(25, 7) << QPointF(27, 15) << QPointF(5, 15);
    p.setBrush(verticalGradient(7, 15, hex(0xD49A5C), hex(0x8A5428)));
    p.drawPolygon(lid);
    p.setBrush(toQColor(hex(0x4A4A50)));
    for (double x : {9.0, 21.0}) {
        p.drawRect(QRectF(x, 7.5, 2.5, 20.5));
    }
    p.drawRect(QRectF(5, 14.5, 22, 1.5));
    p.setBrush(toQColor(hex(0x8A8A94)));
    for (double x : {9.0, 21.0})
        p.drawRect(QRectF(x, 7.5, 1, 20.5));
    litEllipse(p, QPointF(16, 18), 2.6, 3, hex(0xFFE080), hex(0xA07818));
    p.setBrush(toQColor(hex(0x2A2010)));
    p.drawRect(QRectF(15.5, 18, 1, 2));
    p.end();
    return art;
}

SpriteArt paintBarrel() {
    SpriteArt art{spriteSurface(32, 32), QRectF(4, 24, 26, 7)};
    QPainter p;
    beginPainting(p, art.drawn);
    QPainterPath body;
    body.moveTo(9, 8);
    body.cubicTo(6, 14, 6, 22, 9, 28);
    body.lineTo(23, 28);
    body.cubicTo(26, 22, 26, 14, 23, 8);
    body.closeSubpath();
    p.setBrush(horizontalGradient(6, 26, hex(0xC08850), hex(0x5A3418)));
    p.drawPath(body);
    p.setPen(QPen(toQColor(hex(0x6A4020)), 0.7));
    for (double x : {12.0, 16.0, 20.0})
        p.drawLine(QPointF(x, 9), QPointF(x, 27.5));
    p.setPen(Qt::NoPen);
    p.setBrush(toQColor(hex(0x3A3A40)));
    p.drawRect(QRectF(7, 12, 18, 2));
    p.drawRect(QRectF(7, 23, 18, 2));
    litEllipse(p, QPointF(16, 8), 7, 2.6, hex(0xC89A64), hex(0x7A5028));
    p.setPen(QPen(toQColor(hex(0x3A3A40)), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(16, 8), 7, 2.6);
    p.end();
    return art;
}

SpriteArt paintSignpost() {
    SpriteArt art{spriteSurface(32, 64), QRectF(6, 56, 20, 6)};
    QPainter p;
    beginPainting(p, art.drawn);
    p.setBrush(horizontalGradient(14, 18, hex(0xA8784A), hex(0x5A3A20)));
    p.drawRect(QRectF(14, 12, 4, 49));
    const auto board = [&p](double y, bool right) {
        QPolygonF shape;
        if (right)
            shape << QPointF(3, y) << QPointF(24, y) << QPointF(30, y + 4.5) << QPointF(24, y + 9)
                  << QPointF(3, y + 9);
        else
            shape << QPointF(29, y) << QPointF(8, y) << QPointF(2, y + 4.5) << QPointF(8, y + 9)
                  << QPointF(29, y + 9);
        p.setBrush(verticalGradient(y, y + 9, hex(0xD8AC74), hex(0x8A5C30)));
        p.drawPolygon(shape);
        p.setPen(QPen(toQColor(hex(0x4A2C14)), 0.9));
        for (double x = right ? 6 : 11; x < (right ? 21 : 26); x += 3.2)
            p.drawLine(QPointF(x, y + 3 + (static_cast<int>(x) % 2)), QPointF(x + 1.8, y + 3));
        p.drawLine(QPointF(right ? 6 : 11, y + 6), QPointF(right ? 18 : 23, y + 6));
        p.setPen(Qt::NoPen);
    };
    board(14, true);
    board(27, false);
    p.end();
    return art;
}

SpriteArt paintHaystack() {
    SpriteArt art{spriteSurface(64, 64), QRectF(2, 48, 62, 14)};
    QPainter p;
    beginPainting(p, art.drawn);
    Random rnd(0x4A7);
    QPainterPath dome;
    dome.moveTo(5, 58);
    dome.cubicTo(4, 20, 20, 6, 32, 6);
    dome.cubicTo(44, 6, 60, 20, 59, 58);
    dome.closeSubpath();
    QRadialGradient g(QPointF(32, 34), 34, QPointF(22, 20));
    g.setColorAt(0, toQColor(hex(0xF4D878)));
    g.setColorAt(1, toQColor(hex(0x9A7428)));
    p.setBrush(g);
    p.drawPath(dome);
    p.save();
    p.setClipPath(dome);
    for (int i = 0; i < 260; ++i) {
        const QPointF at(rnd.range(4, 60), rnd.range(6, 58));
        const bool lit = at.x() + at.y() < 60;
        p.setPen(QPen(toQColor(lit ? hex(0xFFF0A8) : hex(0x7A5A1C)), 0.8));
        p.drawLine(at, at + QPointF(rnd.range(-3, 3), rnd.range(2, 5)));
    }
    p.restore();
    p.setPen(QPen(toQColor(hex(0x6A4A18)), 1.2));
    p.drawLine(QPointF(6, 46), QPointF(58, 46));
    p.end();
    return art;
}

SpriteArt paintBench() {
    SpriteArt art{spriteSurface(64, 32), QRectF(2, 22, 62, 9)};
    QPainter p;
    beginPainting(p, art.drawn);
    p.setBrush(toQColor(hex(0x4A2E18)));
    for (double x : {8.0, 53.0}) {
        p.drawRect(QRectF(x, 6, 3, 21));
    }
    p.setBrush(verticalGradient(6, 11, hex(0xC8945C), hex(0x7A5028)));
    p.drawRect(QRectF(4, 6, 56, 5));
    p.setBrush(verticalGradient(14, 20, hex(0xD8A46C), hex(0x8A5C30)));
    p.drawRect(QRectF(3, 14, 58, 6));
    p.setBrush(toQColor(hex(0x5A3820)));
    p.drawRect(QRectF(3, 20, 58, 1.5));
    p.end();
    return art;
}

SpriteArt paintBoat() {
    SpriteArt art{spriteSurface(64, 32), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    QPainterPath hull;
    hull.moveTo(3, 15);
    hull.cubicTo(10, 5, 50, 4, 61, 14);
    hull.cubicTo(52, 27, 12, 28, 3, 15);
    p.setBrush(verticalGradient(5, 27, hex(0xA0683A), hex(0x4A2A14)));
    p.drawPath(hull);
    QPainterPath inside;
    inside.moveTo(8, 15);
    inside.cubicTo(14, 9, 48, 8, 56, 14);
    inside.cubicTo(48, 21, 14, 22, 8, 15);
    p.setBrush(verticalGradient(9, 21, hex(0x6A4424), hex(0xB07C4A)));
    p.drawPath(inside);
    p.setBrush(toQColor(hex(0x5A381C)));
    for (double x : {22.0, 40.0})
        p.drawRect(QRectF(x, 9, 3, 12));
    p.setPen(QPen(toQColor(hex(0xD8B080)), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 24), QPointF(44, 12));
    p.end();
    return art;
}

SpriteArt paintLadder() {
    SpriteArt art{spriteSurface(32, 64), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    // A patch of daylight under the ladder, then the ladder leaning on the
    // rock above.
    QRadialGradient light(QPointF(16, 52), 14);
    light.setColorAt(0, toQColor(hex(0xC8BC9C)));
    light.setColorAt(1, toQColor(hex(0x6A6050)));
    p.setBrush(light);
    p.drawEllipse(QPointF(16, 52), 14, 8);
    p.setBrush(horizontalGradient(6, 10, hex(0xB08050), hex(0x6A4424)));
    p.drawRect(QRectF(7, 0, 3, 56));
    p.setBrush(horizontalGradient(22, 26, hex(0xB08050), hex(0x6A4424)));
    p.drawRect(QRectF(22, 0, 3, 56));
    p.setBrush(verticalGradient(0, 2.5, hex(0xC89460), hex(0x6A4424)));
    for (double y = 4; y < 54; y += 7)
        p.drawRect(QRectF(10, y, 12, 2.5));
    p.end();
    return art;
}

} // namespace artgen
