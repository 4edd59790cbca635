#include "canvas/frm_full_screen.h"
#include "canvas/ui_words.h"

#include "canvas/world_canvas.h"

#include <cmath>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

frmFullScreen::ScreenArea& screenAreaSource() {
    static frmFullScreen::ScreenArea source;
    return source;
}

// Cells that cover `pixels`: the nearest whole number, halves to the even one.
std::int32_t cellsToCover(int pixels, std::int32_t cellSize) {
    if (cellSize == 0)
        return 0;
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(pixels) / cellSize));
}

} // namespace

void frmFullScreen::setScreenArea(ScreenArea screenArea) {
    screenAreaSource() = std::move(screenArea);
}

QRect frmFullScreen::screenArea(const QWidget* owner) {
    if (screenAreaSource())
        return screenAreaSource()(owner);
    QScreen* screen = nullptr;
    if (owner) {
        // The screen holding the middle of the owner's window, else the one
        // the platform gives it.
        screen = QGuiApplication::screenAt(owner->window()->frameGeometry().center());
        if (!screen)
            screen = owner->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

frmFullScreen::frmFullScreen(QWidget* owner, WorldCanvas& source)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("frmFullScreen");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(Words::tr("Полноэкранный режим"));
    m_canvas = new WorldCanvas(this);
    m_canvas->setObjectName("WorldCanvas1");
    m_canvas->move(0, 0);
    // The window sees key presses before its canvas does.
    m_canvas->mapSurface()->installEventFilter(this);
    Form_Load(source);
}

void frmFullScreen::Form_Load(WorldCanvas& source) {
    const QRect screen = screenArea(parentWidget());
    setFixedSize(screen.size());
    move(screen.topLeft());
    m_canvas->Clone(source);
    // Cells at the copied zoom (the cell size itself without one).
    m_canvas->setCanvasCellCountX(cellsToCover(width(), m_canvas->cellPixels().width()));
    m_canvas->setCanvasCellCountY(cellsToCover(height(), m_canvas->cellPixels().height()));
    // Drawn at its full size now, so the window never shows the background
    // where cells belong.
    m_canvas->Refresh();
}

void frmFullScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Escape and the arrow keys work at once, without a click first.
    m_canvas->mapSurface()->setFocus(Qt::ActiveWindowFocusReason);
    raise();
    activateWindow();
}

bool frmFullScreen::Form_KeyPress(int key) {
    if (key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

bool frmFullScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && Form_KeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void frmFullScreen::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyPress(event->key()))
        QWidget::keyPressEvent(event);
}
