// How the main window's controls follow its size. At the first-start size
// (a client area of 724 x 474) every control has its fixed place; a larger
// window gives all its extra width and height to the frame "Мир", whose
// canvas fills it, while the fields and buttons below the canvas move down,
// the frames on the right move right and the lists of the side frames grow
// in height.

#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/preview_box.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr QSize kFirstStartClient(724, 474);

} // namespace

QSize frmMain::firstStartClientSize() {
    return kFirstStartClient;
}

void frmMain::setClientSize(QSize client) {
    client = client.expandedTo(kFirstStartClient);
    resize(size() + client - centralWidget()->size());
    // Laid out at once, also for a window that is not shown yet.
    layout()->activate();
    layoutClient(centralWidget()->size());
}

void frmMain::recordLayout() {
    enum : unsigned { Right = 1, Down = 2, Wider = 4, Taller = 8 };
    const auto add = [this](QWidget* widget, unsigned how) {
        m_placements.push_back({widget, widget->geometry(), (how & Right) != 0, (how & Down) != 0,
                                (how & Wider) != 0, (how & Taller) != 0});
    };
    // Left: the object list grows, what is below it moves down.
    add(Frame1[1], Taller);
    add(lstObjects, Taller);
    const std::initializer_list<QWidget*> belowObjects = {
        picPreview, Label1[0], Label1[1], Label1[2], lblSize, lblLevel, lblCode};
    for (QWidget* below : belowObjects)
        add(below, Down);
    // The world takes all that is left; what is below the canvas moves down.
    add(Frame1[2], Wider | Taller);
    const std::initializer_list<QWidget*> belowCanvas = {
        Label2[1],      tbFileName,      Label2[3],       txtCursorX,          Label2[4],
        txtCursorY,     Label2[0],       txtMapWidth,     Label2[2],           txtMapHeight,
        cmdNewLocation, cmdOpenLocation, cmdSaveLocation, cmdManagerLocations, Command1};
    for (QWidget* below : belowCanvas)
        add(below, Down);
    // Right: the inspector keeps its place beside the world, the switch list grows.
    add(Frame1[3], Right);
    add(Frame1[4], Right | Taller);
    add(List1, Taller);
    m_canvasSurface = WorldCanvas1->mapSurface()->size();
}

void frmMain::layoutClient(QSize client) {
    if (m_placements.empty())
        return;
    const int dx = std::max(0, client.width() - kFirstStartClient.width());
    const int dy = std::max(0, client.height() - kFirstStartClient.height());
    if (dx == m_grown.width() && dy == m_grown.height())
        return;
    m_grown = QSize(dx, dy);
    for (const Placement& p : m_placements) {
        QRect r = p.base;
        r.translate(p.right ? dx : 0, p.down ? dy : 0);
        r.setSize(r.size() + QSize(p.wider ? dx : 0, p.taller ? dy : 0));
        p.widget->setGeometry(r);
    }
    WorldCanvas1->fitSurface(m_canvasSurface + QSize(dx, dy));
    showViewInOverview();
}
