#include "object_art.h"
#include "paint_kit.h"

namespace artgen {
namespace {

const Rgb kWoodLight = hex(0xC0905C);
const Rgb kWoodDark = hex(0x6A4424);

void post(QPainter& p, double x, double top, double bottom) {
    p.setBrush(horizontalGradient(x - 2, x + 2, kWoodLight, kWoodDark));
    p.drawRect(QRectF(x - 2, top, 4, bottom - top));
    p.setBrush(toQColor(shade(kWoodLight, 1.12)));
    p.drawRect(QRectF(x - 2, top, 4, 1.5));
}

void horizontalRails(QPainter& p, double x0, double x1) {
    for (double y : {13.0, 19.0}) {
        p.setBrush(verticalGradient(y, y + 3, kWoodLight, kWoodDark));
        p.drawRect(QRectF(x0, y, x1 - x0, 3));
    }
}

void verticalRail(QPainter& p, double y0, double y1) {
    p.setBrush(horizontalGradient(14.5, 17.5, kWoodLight, kWoodDark));
    p.drawRect(QRectF(14.5, y0, 3, y1 - y0));
}

} // namespace

SpriteArt paintFence(int sides) {
    SpriteArt art{spriteSurface(32, 32), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    // Seen from above and in front: rails to the north and south lie flat
    // behind and in front of the post, rails to the east and west stand.
    if (sides & kNorth)
        verticalRail(p, 0, 14);
    if (sides & kWest)
        horizontalRails(p, 0, 16);
    if (sides & kEast)
        horizontalRails(p, 16, 32);
    post(p, 16, 8, 25);
    if (sides & kSouth)
        verticalRail(p, 22, 32);
    p.end();
    return art;
}

SpriteArt paintGate() {
    SpriteArt art{spriteSurface(32, 32), QRectF()};
    QPainter p;
    beginPainting(p, art.drawn);
    horizontalRails(p, 0, 4);
    horizontalRails(p, 28, 32);
    post(p, 3, 6, 25);
    post(p, 29, 6, 25);
    // The leaf stands open, swung inwards from the left post.
    QPolygonF leaf;
    leaf << QPointF(5, 11) << QPointF(13, 17) << QPointF(13, 30) << QPointF(5, 24);
    p.setBrush(horizontalGradient(5, 13, kWoodLight, kWoodDark));
    p.drawPolygon(leaf);
    p.setPen(QPen(toQColor(shade(kWoodDark, 0.7)), 1.0));
    p.drawLine(QPointF(5, 17), QPointF(13, 23));
    p.drawLine(QPointF(9, 14), QPointF(9, 27));
    p.end();
    return art;
}

} // namespace artgen
