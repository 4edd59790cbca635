#include "editor/frm_main.h"

#include "canvas/frm_full_screen.h"
#include "canvas/location_overview.h"
#include "canvas/message_box.h"
#include "canvas/world_canvas.h"
#include "dialogs/mdl_cdlg.h"
#include "editor/map_folder.h"
#include "editor/preview_box.h"
#include "editor/tools/tool_box.h"
#include "managers/current_location.h"
#include "managers/frm_actions_manager.h"
#include "managers/frm_manager_location.h"
#include "managers/frm_map_manager.h"
#include "managers/frm_maps_browser.h"
#include "model/grid_file.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"
#include "support/phrase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using phrase::Ru;

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(ui::applicationTitle());
    // A small sans-serif close to the classic 8-point dialog font, so that the
    // captions fit their fixed places.
    QFont font("Liberation Sans");
    font.setPointSizeF(8);
    setFont(font);
    // The location's data lies beneath the window's views of it.
    m_document = new document::LocationDocument(this);
    m_history = &m_document->history();
    createControls();
    createMenu();
    createRegionMenu();
    createViewMenu();
    createOverview();
    createTools();
    connectCommands();
    // The window sees every typed character before the focused control does.
    qApp->installEventFilter(this);
    Form_Load();
    recordLayout();
    resize(sizeHint());
}

frmMain::~frmMain() {
    qApp->removeEventFilter(this);
    WorldCanvas1->setTool(nullptr); // the tools go before the canvas
}

void frmMain::Form_Load() {
    WorldCanvas1->setCellHeight(32);
    WorldCanvas1->setCellWidth(32);
    WorldCanvas1->setCanvasCellCountX(10);
    WorldCanvas1->setCanvasCellCountY(10);
    WorldCanvas1->Padding(); // lays the canvas out with its padding
    WorldCanvas1->setDrawOnlyMove(true);
    txtMapWidth->setText(QString::number(WorldCanvas1->MapWidth()));
    txtMapHeight->setText(QString::number(WorldCanvas1->MapHeight()));
    m_editorResourcesFolder = mdlMain::ApplicationFolder() + "Resources\\";
    m_palette = std::make_unique<editor::PaletteFile>(m_editorResourcesFolder);
    FillCategories();
    editor::MapFolder() = mdlMain::ApplicationFolder() + "Maps\\Default\\";
    showSwitchMarks();
    WorldCanvas1->Refresh();
}

void frmMain::connectCommands() {
    connect(mnuNewMap, &QAction::triggered, this, &frmMain::mnuNewMap_Click);
    connect(mnuOpenMap, &QAction::triggered, this, &frmMain::mnuOpenMap_Click);
    connect(mnyNewLocation, &QAction::triggered, this, &frmMain::mnyNewLocation_Click);
    connect(cmdNewLocation, &QPushButton::clicked, this, &frmMain::mnyNewLocation_Click);
    connect(mnuOpenLocation, &QAction::triggered, this, &frmMain::mnuOpenLocation_Click);
    connect(cmdOpenLocation, &QPushButton::clicked, this, &frmMain::mnuOpenLocation_Click);
    connect(mnuManagerLocation, &QAction::triggered, this, &frmMain::mnuOpenLocation_Click);
    connect(cmdManagerLocations, &QPushButton::clicked, this, &frmMain::mnuOpenLocation_Click);
    connect(mnuSaveLocation, &QAction::triggered, this, &frmMain::mnuSaveLocation_Click);
    connect(cmdSaveLocation, &QPushButton::clicked, this, &frmMain::mnuSaveLocation_Click);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(cmdDoorManager, &QPushButton::clicked, this, &frmMain::cmdDoorManager_Click);

    // A line is chosen when it is selected, by the mouse or the keyboard; a
    // list taking the focus only marks a current line, which chooses nothing.
    connect(lstGroups, &QListWidget::itemSelectionChanged, this, [this] { lstGroups_Click(); });
    connect(lstObjects, &QListWidget::itemSelectionChanged, this, [this] {
        if (chosenLine(lstObjects) >= 0)
            lstObjects_Click();
    });
    connect(picPreview, &PreviewBox::clicked, this, &frmMain::placeSelectedEntry);
    connect(List1, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { List1_ItemCheck(List1->row(item)); });
    connect(chkIsBlock, &QCheckBox::toggled, this, [this] { chkIsBlock_Click(); });
    connect(chkIsGuardZone, &QCheckBox::toggled, this, [this] { chkIsGuardZone_Click(); });
    for (std::size_t i = 0; i < txtLevel.size(); ++i) {
        txtLevel[i]->installEventFilter(this);
        // Typing, pasting and deleting count; moving the caret does not.
        connect(txtLevel[i], &QLineEdit::textEdited, this,
                [this, i] { txtLevel_Change(static_cast<int>(i)); });
    }

    connect(WorldCanvas1, &WorldCanvas::CursorChangePosition, this,
            &frmMain::WorldCanvas1_CursorChangePosition);
    connect(WorldCanvas1, &WorldCanvas::MapLoad, this, &frmMain::WorldCanvas1_MapLoad);
    connect(WorldCanvas1, &WorldCanvas::ChangeLocation, this,
            &frmMain::WorldCanvas1_ChangeLocation);
    connect(m_history, &document::EditHistory::cellsRestored, this, &frmMain::showRestoredCells);
    connect(m_document, &document::LocationDocument::cellsChanged, this, &frmMain::cellsChanged);
    connect(m_document, &document::LocationDocument::cellsChanged, this,
            &frmMain::refreshMouseCell);
    connect(&m_history->stack(), &QUndoStack::cleanChanged, this, &frmMain::updateTitle);
    connectCheckMap();
}

void frmMain::mnuSaveLocation_Click() {
    saveLocation(true);
}

bool frmMain::saveLocation(bool confirm) {
    const std::string name = WorldCanvas1->LocationName();
    if (!WorldCanvas1->grid().isComplete()) {
        ui::showMessage(this, {ui::MessageIcon::Warning, "",
                               phrase::say(Ru::tr("Локация не загружена: сохранять нечего."))});
        return false;
    }
    const std::string file = editor::MapFolder() + name + "." + WorldCanvas1->GetFileType(0);
    std::error_code ec;
    if (!model::writeGridFile(file, WorldCanvas1->grid(), ec)) {
        ui::showMessage(
            this, {ui::MessageIcon::Critical, "Error",
                   phrase::say(Ru::tr("Не удалось сохранить локацию \"%1\" (%2): %3."),
                               {name, fsys::displayText(file), cp1251::fromUtf8(ec.message())})});
        return false;
    }
    m_history->markSaved();
    if (confirm)
        ui::showMessage(this, {ui::MessageIcon::Information, "",
                               phrase::say(Ru::tr("Локация \"%1\" успешно сохранена!"), {name})});
    return true;
}

bool frmMain::confirmDiscard() {
    if (!m_history->isModified())
        return true;
    ui::Message question{ui::MessageIcon::Question, "",
                         phrase::say(Ru::tr("Сохранить изменения в локации \"%1\"?"),
                                     {WorldCanvas1->LocationName()}),
                         ui::MessageButtons::YesNoCancel};
    switch (ui::showMessage(this, question)) {
    case ui::MessageAnswer::Yes:
        return saveLocation(false);
    case ui::MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!confirmDiscard()) {
        event->ignore();
        return;
    }
    mdlCdlg::ReleaseActiveDialog();
    QMainWindow::closeEvent(event);
}

void frmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowTitleChange && !m_settingTitle) {
        m_baseTitle = windowTitle();
        updateTitle();
    }
    QMainWindow::changeEvent(event);
}

void frmMain::updateTitle() {
    m_settingTitle = true;
    setWindowTitle(m_history && m_history->isModified() ? m_baseTitle + "*" : m_baseTitle);
    m_settingTitle = false;
}

void frmMain::Command1_Click() {
    if (m_fullScreen) {
        m_fullScreen->raise();
        m_fullScreen->activateWindow();
        return;
    }
    m_fullScreen = new frmFullScreen(this, *WorldCanvas1);
    m_fullScreen->show();
}

void frmMain::openMap(const std::string& name) {
    if (confirmDiscard())
        managers::openMap(this, this, *WorldCanvas1, name);
}

void frmMain::goToLocation(const std::string& name) {
    if (confirmDiscard())
        managers::goToLocation(this, *WorldCanvas1, name);
}

frmManagerLocation& frmMain::locationManager() {
    if (!m_locationManager) {
        m_locationManager = new frmManagerLocation(this, *WorldCanvas1);
        m_locationManager->setDiscardCheck([this] { return confirmDiscard(); });
    }
    return *m_locationManager;
}

void frmMain::mnuNewMap_Click() {
    if (!m_mapManager) {
        m_mapManager = new frmMapManager(this, *WorldCanvas1);
        m_mapManager->setLocationManager(
            [this]() -> frmManagerLocation& { return locationManager(); });
        m_mapManager->setDiscardCheck([this] { return confirmDiscard(); });
    }
    m_mapManager->showModal();
}

void frmMain::mnuOpenMap_Click() {
    if (!m_mapsBrowser) {
        m_mapsBrowser = new frmMapsBrowser(this, *WorldCanvas1);
        m_mapsBrowser->setDiscardCheck([this] { return confirmDiscard(); });
    }
    m_mapsBrowser->showModal();
}

void frmMain::mnyNewLocation_Click() {
    frmManagerLocation& manager = locationManager();
    manager.Frame1[0]->setVisible(false);
    manager.Frame1[1]->setVisible(true);
    manager.txtLocationName->setEnabled(true);
    manager.Command5->setEnabled(true);
    manager.showModal();
}

void frmMain::mnuOpenLocation_Click() {
    frmManagerLocation& manager = locationManager();
    manager.Frame1[0]->setVisible(true);
    manager.Frame1[1]->setVisible(false);
    manager.showModal();
}

void frmMain::cmdDoorManager_Click() {
    if (!m_actionsManager)
        m_actionsManager = new frmActionsManager(this, *WorldCanvas1);
    m_actionsManager->showModal();
}
