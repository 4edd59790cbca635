#include "preview.h"

#include "world_reader.h"

#include "model/location_grid.h"
#include "support/cp1251.h"

#include <QPainter>

#include <stdexcept>
#include <vector>

namespace artgen {
namespace {

constexpr int kCell = 32;

// The raster rule of a masked draw: d = (d OR NOT mask) AND sprite.
void drawMasked(QImage& surface, int x0, int y0, const QImage& sprite, const QImage& mask) {
    for (int y = 0; y < sprite.height(); ++y) {
        const int ty = y0 + y;
        if (ty < 0 || ty >= surface.height())
            continue;
        auto* row = reinterpret_cast<QRgb*>(surface.scanLine(ty));
        for (int x = 0; x < sprite.width(); ++x) {
            const int tx = x0 + x;
            if (tx < 0 || tx >= surface.width())
                continue;
            const QRgb notMask = ~mask.pixel(x, y) & 0xFFFFFF;
            row[tx] = 0xFF000000u | (((row[tx] | notMask) & sprite.pixel(x, y)) & 0xFFFFFF);
        }
    }
}

} // namespace

void writePreview(const std::string& location, const PreviewArea& area, const std::string& pngFile,
                  double scale) {
    const LoadedCatalogues art = readCatalogues();
    if (!art.problems.empty())
        throw std::runtime_error(art.problems.front());
    model::LocationGrid grid;
    std::string reason;
    if (!loadLocation(location, grid, reason))
        throw std::runtime_error("cannot load " + location + ": " + reason);
    const int w = grid.MapWidth(), rows = grid.MapHeight() + 1;
    QImage surface(w * kCell, rows * kCell, QImage::Format_RGB32);
    surface.fill(QColor(0x40, 0x40, 0x40));
    {
        QPainter p(&surface);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < w; ++x) {
                const auto code =
                    static_cast<std::size_t>(grid.cellValue(model::Layer::Earths, x, y));
                if (code < art.ground.size())
                    p.drawImage(QRect(x * kCell, y * kCell, kCell, kCell), art.ground[code]);
            }
        }
    }
    std::vector<QImage> sprites, masks;
    for (std::size_t e = 0; e < art.sprites.size(); ++e) {
        sprites.push_back(art.sprites[e].convertToFormat(QImage::Format_RGB32));
        masks.push_back(art.masks[e].convertToFormat(QImage::Format_RGB32));
    }
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < rows; ++y) {
            const int code = grid.cellValue(model::Layer::Objects, x, y);
            if (code <= 0 || static_cast<std::size_t>(code) > art.sprites.size())
                continue;
            const auto e = static_cast<std::size_t>(code - 1);
            drawMasked(surface, x * kCell, y * kCell, sprites[e], masks[e]);
        }
    }
    const int columns = area.columns > 0 ? area.columns : w - area.x;
    const int shownRows = area.rows > 0 ? area.rows : rows - area.y;
    const QImage part =
        surface.copy(area.x * kCell, area.y * kCell, columns * kCell, shownRows * kCell);
    const QImage out = scale == 1.0 ? part
                                    : part.scaledToWidth(static_cast<int>(part.width() * scale),
                                                         Qt::SmoothTransformation);
    if (!out.save(QString::fromUtf8(pngFile.c_str()), "PNG"))
        throw std::runtime_error("cannot write " + pngFile);
}

} // namespace artgen
