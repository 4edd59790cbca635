#include "canvas/zoomed_labels.h"

#include "canvas/small_digits.h"

#include <QRect>

#include <algorithm>

namespace canvas {
namespace {

// Labels are kept for this many numbers and lines at most, then made again.
constexpr std::size_t kMaxKeptLabels = 16384;

std::int64_t keyOf(std::int32_t number, int line) {
    return std::int64_t{number} * 2 + line;
}

// Lines of the small digits: one blank row above each.
constexpr int kSmallLineHeight = kSmallDigitHeight + 1;

// The text laid as in an unzoomed cell, enlarged.
void enlarge(const CoordinateLabels::Placement& text, int top, const ViewZoom& zoom,
             QImage& coverage, int& left, int& zoomedTop) {
    const QImage& source = text.coverage;
    left = static_cast<int>(zoom.x.viewBegin(text.left));
    zoomedTop = static_cast<int>(zoom.y.viewBegin(top));
    const auto width = static_cast<int>(zoom.x.viewEnd(text.left + source.width() - 1) - left);
    const auto height = static_cast<int>(zoom.y.viewEnd(top + source.height() - 1) - zoomedTop);
    coverage = QImage(width, height, QImage::Format_Alpha8);
    for (int y = 0; y < height; ++y) {
        const uchar* from =
            source.constScanLine(static_cast<int>(zoom.y.sourceBegin(zoomedTop + y) - top));
        uchar* to = coverage.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = from[zoom.x.sourceBegin(left + x) - text.left] >= 128 ? 255 : 0;
    }
}

} // namespace

void ZoomedLabels::useZoom(const ViewZoom& zoom) {
    const std::int32_t key[4] = {zoom.x.from(), zoom.x.to(), zoom.y.from(), zoom.y.to()};
    if (std::equal(key, key + 4, m_zoom))
        return;
    std::copy(key, key + 4, m_zoom);
    m_labels.clear();
}

const ZoomedLabels::Label& ZoomedLabels::label(CoordinateLabels& labels, const ViewZoom& zoom,
                                               std::int32_t number, int line) {
    useZoom(zoom);
    const std::int64_t key = keyOf(number, line);
    const auto found = m_labels.find(key);
    if (found != m_labels.end())
        return found->second;
    if (m_labels.size() >= kMaxKeptLabels)
        m_labels.clear();

    Label label;
    if (zoom.x.enlarges() || zoom.y.enlarges()) {
        enlarge(labels.placement(number, zoom.x.from()), line * labels.lineHeight(), zoom,
                label.coverage, label.left, label.top);
    } else {
        label.coverage = smallDigitsCoverage(number);
        label.left = zoom.x.to() - 1 - label.coverage.width();
        label.top = 1 + line * kSmallLineHeight;
    }
    return m_labels.emplace(key, std::move(label)).first->second;
}

void ZoomedLabels::print(const PixelRows& surface, CoordinateLabels& labels, const ViewZoom& zoom,
                         std::int32_t number, int line, int cellLeft, int cellTop, QRgb colour) {
    const Label& text = label(labels, zoom, number, line);
    const int left = cellLeft + text.left;
    const int top = cellTop + text.top;
    const QRect area = QRect(left, top, text.coverage.width(), text.coverage.height())
                           .intersected(QRect(0, 0, surface.width, surface.height));
    const std::uint32_t pixel = 0xFF000000u | colour;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* coverage = text.coverage.constScanLine(y - top) + (area.left() - left);
        std::uint32_t* row = surface.row(y) + area.left();
        for (int i = 0; i < area.width(); ++i)
            if (coverage[i] != 0)
                row[i] = pixel;
    }
}

} // namespace canvas
