#pragma once
// The full-screen view: a borderless window covering the screen that holds
// its owner, with a second world canvas that copies the main one when the
// window opens. It is drawn at its full size before it is first shown and
// takes the keyboard focus when shown. Escape closes it; nothing done in it
// reaches the main canvas.

#include <QRect>
#include <QWidget>

#include <functional>

class WorldCanvas;

class frmFullScreen : public QWidget {
    Q_OBJECT

public:
    // `owner` is the window whose screen the view covers; `source` the
    // canvas it copies.
    frmFullScreen(QWidget* owner, WorldCanvas& source);

    WorldCanvas* WorldCanvas1() const { return m_canvas; }

    // The rectangle of the screen holding `owner` (the primary screen
    // without one); tests give their own.
    using ScreenArea = std::function<QRect(const QWidget* owner)>;
    static void setScreenArea(ScreenArea screenArea);
    static QRect screenArea(const QWidget* owner);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load(WorldCanvas& source);
    // Returns true when the key closed the window.
    bool Form_KeyPress(int key);

    WorldCanvas* m_canvas;
};
