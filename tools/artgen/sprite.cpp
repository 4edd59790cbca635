#include "sprite.h"

#include "random.h"

#include <QPointF>

#include <algorithm>

namespace artgen {
namespace {

bool opaque(const QImage& image, int x, int y) {
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() &&
           qAlpha(image.pixel(x, y)) >= 128;
}

QRgb darkened(QRgb c, double f) {
    return qRgb(static_cast<int>(qRed(c) * f), static_cast<int>(qGreen(c) * f),
                static_cast<int>(qBlue(c) * f));
}

// A one-pixel border of the object's own colour, darkened, around its shape.
void addOutline(QImage& image) {
    const QImage before = image.copy();
    const int dx[] = {1, -1, 0, 0};
    const int dy[] = {0, 0, 1, -1};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (opaque(before, x, y))
                continue;
            for (int k = 0; k < 4; ++k) {
                if (opaque(before, x + dx[k], y + dy[k])) {
                    image.setPixel(x, y, darkened(before.pixel(x + dx[k], y + dy[k]), 0.35));
                    break;
                }
            }
        }
    }
}

void addGrain(QImage& image, unsigned seed) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 128)
                continue;
            const double f = 1.0 + 0.08 * (hashUnit(x, y, seed) - 0.5);
            const auto ch = [f](int v) { return std::clamp(static_cast<int>(v * f), 0, 255); };
            image.setPixel(x, y, qRgba(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)), 255));
        }
    }
}

// Every other pixel of the ellipse that the object leaves free: a shadow the
// 1-bit mask can carry. Sprites sit on cell corners, so the pattern lines up
// between neighbouring objects.
void addShadow(QImage& image, const QRectF& ellipse) {
    if (ellipse.isEmpty())
        return;
    const QPointF c = ellipse.center();
    const double rx = ellipse.width() / 2, ry = ellipse.height() / 2;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double u = (x + 0.5 - c.x()) / rx, v = (y + 0.5 - c.y()) / ry;
            if (u * u + v * v > 1.0 || (x + y) % 2 != 0 || opaque(image, x, y))
                continue;
            image.setPixel(x, y, qRgba(0x1E, 0x26, 0x16, 255));
        }
    }
}

} // namespace

QImage spriteSurface(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

SpritePicture finishSprite(const SpriteArt& art, unsigned seed) {
    QImage image = art.drawn.convertToFormat(QImage::Format_ARGB32);
    addGrain(image, seed);
    if (art.outline)
        addOutline(image);
    addShadow(image, art.shadow);

    SpritePicture out;
    out.picture = QImage(image.size(), QImage::Format_RGB32);
    out.mask = QImage(image.size(), QImage::Format_Mono);
    out.mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const bool solid = qAlpha(c) >= 128;
            out.picture.setPixel(x, y,
                                 solid ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(255, 255, 255));
            out.mask.setPixel(x, y, solid ? 0u : 1u);
        }
    }
    return out;
}

} // namespace artgen
