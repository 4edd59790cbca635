// "Файл" > "Проверить карту": the main window's side of the window
// "Проверка карты".

#include "canvas/world_canvas.h"
#include "editor/frm_check_map.h"
#include "editor/frm_main.h"
#include "support/cp1251.h"

#include <QAction>
#include <QMenu>

void frmMain::connectCheckMap() {
    connect(mnuCheckMap, &QAction::triggered, this, &frmMain::mnuCheckMap_Click);
    // Without an open map there is nothing to check.
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::updateCheckMapItem);
    connect(WorldCanvas1, &WorldCanvas::MapLoad, this, &frmMain::updateCheckMapItem);
    updateCheckMapItem();
}

void frmMain::updateCheckMapItem() {
    mnuCheckMap->setEnabled(!WorldCanvas1->MapPath().empty());
}

void frmMain::mnuCheckMap_Click() {
    if (!m_checkMap) {
        m_checkMap = new frmCheckMap(*this, m_mapCheck ? m_mapCheck : checker::checkMap);
    } else if (!m_checkMap->checking() &&
               !cp1251::sameNameIgnoringCase(m_checkMap->checkedMap(), WorldCanvas1->MapPath())) {
        m_checkMap->startCheck();
    }
    m_checkMap->show();
    m_checkMap->raise();
    m_checkMap->activateWindow();
}

frmCheckMap* frmMain::checkMapWindow() const {
    return m_checkMap;
}
