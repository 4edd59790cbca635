#pragma once
// The map surface picMap inside the world canvas: shows the canvas's drawn
// picture and hands keyboard and mouse input to the canvas.

#include <QWidget>

class WorldCanvas;

namespace canvas {

class MapSurface : public QWidget {
public:
    explicit MapSurface(WorldCanvas& canvas);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    WorldCanvas& m_canvas;
};

// Mouse buttons and modifier keys as the canvas's mouse signals carry them:
// 1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt.
short buttonCode(Qt::MouseButtons buttons);
short shiftCode(Qt::KeyboardModifiers modifiers);

} // namespace canvas
