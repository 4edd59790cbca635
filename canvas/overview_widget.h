#pragma once
// The overview of the whole location in a small widget: the picture scaled to
// fit (keeping the world's proportions), the rectangle of the map view over
// it (in pieces where the view wraps round the world's edges), and the text
// "Строится обзор…" while the picture is being built. A click or a drag with
// the left button chooses the world cell under the pointer.

#include "canvas/location_overview.h"
#include "canvas/overview_geometry.h"

#include <QPointer>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <optional>

namespace canvas {

class OverviewWidget : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb kViewOutline = 0xFFFFFFFF;
    static constexpr QRgb kMargin = 0xFF202020;

    explicit OverviewWidget(QWidget* parent = nullptr);

    // Shows the overview `overview` (not owned; none: nothing) and follows it.
    void setOverview(LocationOverview* overview);
    // The map view's rectangle of world cells; it may reach past the world's
    // edges, the part beyond showing at the opposite edge.
    void setViewCells(QRect cells);
    QRect viewCells() const { return m_viewCells; }

    // Whether the widget shows that the picture is being built.
    bool showsBuilding() const;
    static QString buildingText();
    // The world's place in the widget at its present size.
    OverviewGeometry placement() const;

    QSize sizeHint() const override { return {256, 256}; }

signals:
    // The designer chose world cell `cell` (clicked it, or dragged onto it).
    void cellChosen(QPoint cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const OverviewPicture* picture() const;
    void choose(QPoint cell);

    QPointer<LocationOverview> m_overview;
    QRect m_viewCells;
    bool m_dragging = false;
    std::optional<QPoint> m_lastChosen;
};

} // namespace canvas
