#include "canvas/overview_widget.h"
#include "canvas/ui_words.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace canvas {

OverviewWidget::OverviewWidget(QWidget* parent) : QWidget(parent) {
    setAccessibleName(Words::tr("Обзор"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(64, 64);
}

void OverviewWidget::setOverview(LocationOverview* overview) {
    if (m_overview)
        disconnect(m_overview, nullptr, this, nullptr);
    m_overview = overview;
    if (overview) {
        const auto repaint = [this] { update(); };
        connect(overview, &LocationOverview::pictureReplaced, this, repaint);
        // A few changed blocks are a few pixels of the widget at most, but
        // which ones depends on rounding: the whole widget is cheap enough.
        connect(overview, &LocationOverview::pixelsChanged, this, repaint);
    }
    update();
}

void OverviewWidget::setViewCells(QRect cells) {
    if (cells == m_viewCells)
        return;
    m_viewCells = cells;
    update();
}

QString OverviewWidget::buildingText() {
    return Words::tr("Строится обзор…");
}

bool OverviewWidget::showsBuilding() const {
    return m_overview && m_overview->isBuilding() && !picture();
}

const OverviewPicture* OverviewWidget::picture() const {
    return m_overview ? m_overview->picture() : nullptr;
}

OverviewGeometry OverviewWidget::placement() const {
    const OverviewPicture* shown = picture();
    return OverviewGeometry(size(), shown ? shown->world() : QSize());
}

void OverviewWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor::fromRgb(kMargin));
    if (showsBuilding()) {
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(rect(), Qt::AlignCenter, buildingText());
        return;
    }
    const OverviewPicture* shown = picture();
    const OverviewGeometry geometry = placement();
    if (!shown || geometry.isEmpty())
        return;

    // A pixel of the picture stands for a block of reduction x reduction
    // cells; the blocks at the right and bottom edges may reach past the
    // world and are cut at its edge.
    const double blockSide = geometry.cellSide() * shown->reduction();
    const QRectF world = geometry.worldArea();
    const QRectF target(world.topLeft(), QSizeF(blockSide * shown->image().width(),
                                                blockSide * shown->image().height()));
    painter.save();
    painter.setClipRect(world);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, blockSide < 1.0);
    painter.drawImage(target, shown->image());
    painter.restore();

    painter.setPen(QColor::fromRgb(kViewOutline));
    for (const WrappedPiece& piece : wrappedPieces(m_viewCells, shown->world())) {
        const QRect pixels = geometry.pixelsOf(piece.cells);
        if (piece.left)
            painter.drawLine(pixels.topLeft(), pixels.bottomLeft());
        if (piece.right)
            painter.drawLine(pixels.topRight(), pixels.bottomRight());
        if (piece.top)
            painter.drawLine(pixels.topLeft(), pixels.topRight());
        if (piece.bottom)
            painter.drawLine(pixels.bottomLeft(), pixels.bottomRight());
    }
}

void OverviewWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !picture())
        return QWidget::mousePressEvent(event);
    const QPoint pixel(static_cast<int>(std::floor(event->position().x())),
                       static_cast<int>(std::floor(event->position().y())));
    const std::optional<QPoint> cell = placement().cellAt(pixel);
    if (!cell)
        return;
    m_dragging = true;
    m_lastChosen.reset();
    choose(*cell);
}

void OverviewWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton) || !picture())
        return QWidget::mouseMoveEvent(event);
    const QPoint pixel(static_cast<int>(std::floor(event->position().x())),
                       static_cast<int>(std::floor(event->position().y())));
    choose(placement().nearestCellTo(pixel));
}

void OverviewWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void OverviewWidget::choose(QPoint cell) {
    if (m_lastChosen == cell)
        return;
    m_lastChosen = cell;
    emit cellChosen(cell);
}

} // namespace canvas
