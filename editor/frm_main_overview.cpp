// The overview of the whole location beside the main window's frames: a dock
// the designer shows with "Вид" > "Обзор", built only while it is shown.

#include "canvas/location_overview.h"
#include "canvas/overview_widget.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"

#include <QAction>
#include <QDockWidget>
#include <QMenu>

void frmMain::createOverview() {
    m_overview = new canvas::LocationOverview(this);
    dockOverview = new QDockWidget(Words::tr("Обзор"), this);
    dockOverview->setObjectName("dockOverview");
    wndOverview = new canvas::OverviewWidget(dockOverview);
    wndOverview->setObjectName("wndOverview");
    wndOverview->setMinimumSize(160, 160);
    wndOverview->setOverview(m_overview);
    dockOverview->setWidget(wndOverview);
    addDockWidget(Qt::RightDockWidgetArea, dockOverview);
    // The first start keeps the window as it always was.
    dockOverview->hide();

    mnuOverview = dockOverview->toggleViewAction();
    mnuOverview->setText(Words::tr("Обзор"));
    mnuOverview->setObjectName("mnuOverview");
    mnuOverview->setShortcut(QKeySequence(QStringLiteral("Ctrl+M")));
    mnuView->addAction(mnuOverview);

    connect(dockOverview, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_overviewStale)
            rebuildOverview();
    });
    connect(WorldCanvas1, &WorldCanvas::MapLoad, this, [this] {
        m_overviewStale = true;
        if (dockOverview->isVisible())
            rebuildOverview();
        showViewInOverview();
    });
    connect(m_document, &document::LocationDocument::cellsChanged, this, [this](const QRect& r) {
        if (!m_overviewStale)
            m_overview->cellsChanged(r);
    });
    connect(WorldCanvas1, &WorldCanvas::CursorChangePosition, this, &frmMain::showViewInOverview);
    connect(WorldCanvas1, &WorldCanvas::zoomChanged, this, &frmMain::showViewInOverview);
    connect(wndOverview, &canvas::OverviewWidget::cellChosen, this, [this](QPoint cell) {
        WorldCanvas1->centreOnWorldCell(cell);
        WorldCanvas1->Refresh();
    });
}

void frmMain::rebuildOverview() {
    m_overviewStale = false;
    m_overview->showLocation(WorldCanvas1->grid(), WorldCanvas1->catalogues());
}

void frmMain::showViewInOverview() {
    wndOverview->setViewCells(WorldCanvas1->viewCells());
}
