#include "canvas/frm_full_screen.h"

#include "canvas/world_canvas.h"

#include <cmath>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

frmFullScreen::ScreenSize& screenSizeSource() {
    static frmFullScreen::ScreenSize source;
    return source;
}

QSize currentScreenSize(QWidget* owner) {
    if (screenSizeSource())
        return screenSizeSource()();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

// Cells that cover `pixels`: the nearest whole number, halves to the even one.
std::int32_t cellsToCover(int pixels, std::int32_t cellSize) {
    if (cellSize == 0)
        return 0;
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(pixels) / cellSize));
}

} // namespace

void frmFullScreen::setScreenSize(ScreenSize screenSize) {
    screenSizeSource() = std::move(screenSize);
}

frmFullScreen::frmFullScreen(QWidget* owner, WorldCanvas& source)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("frmFullScreen");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Полноэкранный режим"));
    m_canvas = new WorldCanvas(this);
    m_canvas->setObjectName("WorldCanvas1");
    m_canvas->move(0, 0);
    // The window sees key presses before its canvas does.
    m_canvas->mapSurface()->installEventFilter(this);
    Form_Load(source);
}

void frmFullScreen::Form_Load(WorldCanvas& source) {
    const QSize screen = currentScreenSize(parentWidget());
    setFixedSize(screen);
    if (parentWidget()) {
        const QPoint centre = parentWidget()->geometry().center();
        move(centre.x() - screen.width() / 2, centre.y() - screen.height() / 2);
    } else {
        move(0, 0);
    }
    m_canvas->Clone(source);
    m_canvas->setCanvasCellCountX(cellsToCover(width(), m_canvas->CellWidth()));
    m_canvas->setCanvasCellCountY(cellsToCover(height(), m_canvas->CellHeight()));
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
