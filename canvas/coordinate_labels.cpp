#include "canvas/coordinate_labels.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QString>

#include <algorithm>

namespace canvas {
namespace {

// 7 points at 96 dots per inch, rounded as the platform does for a font height.
constexpr int kFontPixelSize = 9;
constexpr int kRightMargin = 4;
// Glyphs may reach a little past their advance on either side.
constexpr int kOverhang = 2;
// Labels are kept for this many numbers at most, then made again.
constexpr std::size_t kMaxKeptLabels = 8192;

// A pixel is either part of a stroke (at least half covered) and takes the
// label's colour, or stays as it was.
void printRow(std::uint32_t* dst, const uchar* coverage, int count, QRgb colour) {
    for (int i = 0; i < count; ++i) {
        if (coverage[i] >= 128)
            dst[i] = 0xFF000000u | colour;
    }
}

} // namespace

CoordinateLabels::CoordinateLabels() {
    m_font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    m_font.setPixelSize(kFontPixelSize);
    m_font.setStyleHint(QFont::SansSerif);
    // Small labels are drawn without smoothing, so every stroke pixel has the
    // label's exact colour.
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics metrics(m_font);
    m_lineHeight = metrics.height();
    m_blankWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    m_ascent = metrics.ascent();
}

const CoordinateLabels::Label& CoordinateLabels::label(std::int32_t number) {
    const auto found = m_labels.find(number);
    if (found != m_labels.end())
        return found->second;
    if (m_labels.size() >= kMaxKeptLabels)
        m_labels.clear();

    const QString digits = QString::number(number);
    const QFontMetrics metrics(m_font);
    Label label;
    label.digitsWidth = metrics.horizontalAdvance(digits);
    QImage canvas(label.digitsWidth + 2 * kOverhang, m_lineHeight,
                  QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(m_font);
        painter.setPen(Qt::white);
        painter.drawText(kOverhang, m_ascent, digits);
    }
    label.coverage = canvas.convertToFormat(QImage::Format_Alpha8);
    return m_labels.emplace(number, std::move(label)).first->second;
}

CoordinateLabels::Placement CoordinateLabels::placement(std::int32_t number, int cellWidth) {
    const Label& text = label(number);
    // The text starts with a blank, so its digits begin one blank to the right.
    const int textLeft = cellWidth - text.digitsWidth - kRightMargin;
    return {text.coverage, textLeft + m_blankWidth - kOverhang};
}

int CoordinateLabels::rightReach(int cellWidth) const {
    return cellWidth - kRightMargin + m_blankWidth + kOverhang;
}

void CoordinateLabels::print(const PixelRows& surface, std::int32_t number, int cellLeft,
                             int cellWidth, int top, QRgb colour) {
    const Placement text = placement(number, cellWidth);
    const int left = cellLeft + text.left;
    const QRect area = QRect(left, top, text.coverage.width(), text.coverage.height())
                           .intersected(QRect(0, 0, surface.width, surface.height));
    if (area.isEmpty())
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* coverage = text.coverage.constScanLine(y - top) + (area.left() - left);
        std::uint32_t* row = surface.row(y) + area.left();
        printRow(row, coverage, area.width(), colour);
    }
}

} // namespace canvas
