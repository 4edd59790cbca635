#pragma once
// The full-screen view: a borderless, screen-sized window with a second world
// canvas that copies the main one when the window opens. Escape closes it;
// nothing done in it reaches the main canvas.

#include <QSize>
#include <QWidget>

#include <functional>

class WorldCanvas;

class frmFullScreen : public QWidget {
    Q_OBJECT

public:
    // `owner` is the window the view is centred on; `source` the canvas it
    // copies.
    frmFullScreen(QWidget* owner, WorldCanvas& source);

    WorldCanvas* WorldCanvas1() const { return m_canvas; }

    // The screen size the view takes; tests give their own.
    using ScreenSize = std::function<QSize()>;
    static void setScreenSize(ScreenSize screenSize);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(WorldCanvas& source);
    // Returns true when the key closed the window.
    bool Form_KeyPress(int key);

    WorldCanvas* m_canvas;
};
