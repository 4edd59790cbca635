#include "canvas/map_surface.h"

#include "canvas/world_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace canvas {

MapSurface::MapSurface(WorldCanvas& canvas) : QWidget(&canvas), m_canvas(canvas) {
    setObjectName("picMap");
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

short buttonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

void MapSurface::paintEvent(QPaintEvent*) {
    m_canvas.drawPendingPicture();
    QPainter painter(this);
    const QImage& picture = m_canvas.picMap();
    if (picture.isNull()) {
        painter.fillRect(rect(), QColor(0x40, 0x40, 0x40));
        return;
    }
    painter.drawImage(0, 0, picture);
    // Whatever the picture does not cover shows the background.
    if (picture.width() < width())
        painter.fillRect(picture.width(), 0, width() - picture.width(), height(),
                         QColor(0x40, 0x40, 0x40));
    if (picture.height() < height())
        painter.fillRect(0, picture.height(), width(), height() - picture.height(),
                         QColor(0x40, 0x40, 0x40));
    m_canvas.paintOverlays(painter);
}

void MapSurface::keyPressEvent(QKeyEvent* event) {
    m_canvas.surfaceKeyDown(event->key());
}

void MapSurface::mousePressEvent(QMouseEvent* event) {
    m_canvas.surfaceMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                              static_cast<float>(event->position().x()),
                              static_cast<float>(event->position().y()));
}

void MapSurface::mouseMoveEvent(QMouseEvent* event) {
    m_canvas.surfaceMouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                              static_cast<float>(event->position().x()),
                              static_cast<float>(event->position().y()));
}

void MapSurface::mouseReleaseEvent(QMouseEvent* event) {
    m_canvas.surfaceMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()),
                            static_cast<float>(event->position().x()),
                            static_cast<float>(event->position().y()),
                            rect().contains(event->position().toPoint()));
}

void MapSurface::wheelEvent(QWheelEvent* event) {
    m_canvas.surfaceWheel(event->angleDelta(), event->modifiers(), event->position());
    event->accept();
}

void MapSurface::leaveEvent(QEvent* event) {
    m_canvas.surfaceMouseLeft();
    QWidget::leaveEvent(event);
}

} // namespace canvas
