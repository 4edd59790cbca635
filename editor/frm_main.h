#pragma once
// The main editor window: the world canvas with its status fields and location
// commands, the object palette on the left, the cell inspector and the layer
// switches on the right, and the one menu "Файл".

#include "canvas/frm_full_screen.h"
#include "document/edit_history.h"
#include "document/location_document.h"
#include "editor/check_run.h"
#include "editor/entry_placement.h"
#include "model/palette_file.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace canvas {
class LocationOverview;
class OverviewWidget;
} // namespace canvas

namespace editor::tools {
class ToolBox;
}

class QAction;
class QComboBox;
class QToolBar;
class QDockWidget;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;
class WorldCanvas;

class PreviewBox;
class frmManagerLocation;
class frmMapManager;
class frmMapsBrowser;
class frmActionsManager;
class frmCheckMap;

// The chosen (selected) line of a list, or -1.
int chosenLine(const QListWidget* list);

class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Opens map `name` of the application folder's "Maps\" as the maps
    // browser does: folder, title, resources and the location "main".
    void openMap(const std::string& name);
    // Goes to location `name` of the current map as the location manager
    // does.
    void goToLocation(const std::string& name);

    // Commands of the window.
    void mnuNewMap_Click();
    void mnuOpenMap_Click();
    void mnyNewLocation_Click();
    void mnuOpenLocation_Click();
    void mnuSaveLocation_Click();
    void Command1_Click();
    void cmdDoorManager_Click();
    // The place command: puts the chosen palette entry into the cursor cell.
    void placeSelectedEntry();
    // The palette entry chosen now; none while no entry is chosen.
    std::optional<editor::PaletteChoice> chosenEntry() const;

    const std::string& EditorResourcesFolder() const { return m_editorResourcesFolder; }
    document::EditHistory& history() { return *m_history; }
    document::LocationDocument& locationDocument() { return *m_document; }

    // Before anything discards the current location's unsaved edits: asks
    // whether to save them. True when the caller may go on (nothing to save,
    // saved, or the designer chose not to); false when the designer cancelled
    // or the save failed.
    bool confirmDiscard();
    // Saves the current location's grid; true when it was written.
    bool saveLocation(bool confirm);
    frmFullScreen* fullScreenView() const { return m_fullScreen; }

    // The client area of a first start: every control at its fixed place.
    static QSize firstStartClientSize();
    // Resizes the window so that its client area is `client` (at least the
    // first-start size).
    void setClientSize(QSize client);

    // Controls, under their names.
    WorldCanvas* WorldCanvas1 = nullptr;
    std::array<QGroupBox*, 5> Frame1{};
    QListWidget* lstGroups = nullptr;
    QListWidget* lstObjects = nullptr;
    PreviewBox* picPreview = nullptr;
    std::array<QLabel*, 3> Label1{};
    QLabel* lblSize = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblCode = nullptr;
    std::array<QLabel*, 11> Label2{};
    QLineEdit* tbFileName = nullptr;
    QLineEdit* txtCursorX = nullptr;
    QLineEdit* txtCursorY = nullptr;
    QLineEdit* txtMapWidth = nullptr;
    QLineEdit* txtMapHeight = nullptr;
    QPushButton* cmdNewLocation = nullptr;
    QPushButton* cmdOpenLocation = nullptr;
    QPushButton* cmdSaveLocation = nullptr;
    QPushButton* cmdManagerLocations = nullptr;
    QPushButton* Command1 = nullptr;
    std::array<QLineEdit*, 4> txtLevel{};
    QCheckBox* chkIsBlock = nullptr;
    QCheckBox* chkIsGuardZone = nullptr;
    QPushButton* cmdDoorManager = nullptr;
    QListWidget* List1 = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    // Region commands of "Правка": the selection and the clipboard, each over
    // the layers checked in "Слои" (in the menu's order: ground, objects,
    // items, actions, blocked path, guard zone).
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuDelete = nullptr;
    QAction* mnuSelectAll = nullptr;
    QAction* mnuSelectNone = nullptr;
    QMenu* mnuLayers = nullptr;
    std::array<QAction*, 6> mnuLayer{};
    QAction* mnuNewMap = nullptr;
    QAction* mnuOpenMap = nullptr;
    QAction* mnyNewLocation = nullptr;
    QAction* mnuOpenLocation = nullptr;
    QAction* mnuSaveLocation = nullptr;
    QAction* mnuManagerLocation = nullptr;
    // "Проверить карту": the window with the findings of the open map.
    QAction* mnuCheckMap = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuZoomIn = nullptr;
    QAction* mnuZoomOut = nullptr;
    QAction* mnuZoomNormal = nullptr;
    QAction* mnuGoToCell = nullptr;
    // "Язык": the interface language, kept in the settings for the next start.
    QMenu* mnuLanguage = nullptr;
    QAction* mnuLanguageRussian = nullptr;
    QAction* mnuLanguageEnglish = nullptr;
    // "Обзор": the dock with the overview of the whole location.
    QAction* mnuOverview = nullptr;
    QDockWidget* dockOverview = nullptr;
    canvas::OverviewWidget* wndOverview = nullptr;
    // The status bar's text: the cell under the mouse and its values.
    QLabel* lblMouseCell = nullptr;
    // "Инструменты": the tools of the mouse on the map and what they paint.
    QToolBar* tbTools = nullptr;
    QAction* actCursorTool = nullptr;
    QAction* actBrushTool = nullptr;
    QAction* actRectangleTool = nullptr;
    QAction* actFillTool = nullptr;
    QAction* actSelectionTool = nullptr;
    QComboBox* cboPaintTarget = nullptr;

    // "Перейти к клетке...": asks for a cell and shows it under the cursor.
    void mnuGoToCell_Click();
    void chooseLanguage(bool english);

    // "Проверить карту": opens the window "Проверка карты" (one at a time;
    // an open one comes to the front, checking again when another map is open
    // now). It checks with `check`, checker::checkMap unless set.
    void mnuCheckMap_Click();
    void setMapCheck(editor::MapCheck check) { m_mapCheck = std::move(check); }
    frmCheckMap* checkMapWindow() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Where each control that follows the window's size stands at the
    // first-start size, and how it follows.
    struct Placement {
        QWidget* widget;
        QRect base;
        bool right, down, wider, taller;
    };
    void recordLayout();
    void layoutClient(QSize client);
    void createControls();
    void createMenu();
    void createViewMenu();

    // The region commands (frm_main_clipboard.cpp).
    void createRegionMenu();
    void updateRegionCommands();
    model::LayerSet chosenLayers() const;
    void copySelection();
    void cutSelection();
    void deleteSelection();
    void pasteCells();
    // Whether a line edit with the focus keeps `key` for itself although it
    // is a region command's shortcut.
    bool lineEditKeepsKey(QObject* watched, const QKeyEvent& key) const;
    void zoomAroundCursor(int steps);
    void createOverview();
    void createTools();
    void rebuildOverview();
    void showViewInOverview();
    QString cellDescription(QPoint cell) const;
    void showMouseCell(QPoint cell, bool inside);
    void refreshMouseCell(const QRect& cells);
    void connectCommands();
    void connectCheckMap();
    void updateCheckMapItem();
    void Form_Load();

    // Palette.
    void FillCategories();
    void lstGroups_Click();
    void lstObjects_Click();
    void ShowPreview(const std::string& path);
    void clearEntryLabels();

    // Inspector, switches and shortcuts.
    void List1_ItemCheck(int line);
    // The switch lines show the canvas's switches as they are.
    void showSwitchMarks();
    void chkIsBlock_Click();
    void chkIsGuardZone_Click();
    // Returns true when the character was a shortcut.
    bool Form_KeyPress(unsigned char code);
    // The designer changed the text of value box `index`: its number goes
    // into the cursor cell.
    void txtLevel_Change(int index);
    void WorldCanvas1_CursorChangePosition();
    void WorldCanvas1_MapLoad();
    void WorldCanvas1_ChangeLocation();
    // After undo or redo: the inspector and the view show the cells again.
    void showRestoredCells();
    // The inspector shows the cursor cell's values, writing nothing.
    void showCursorCell();
    void cellsChanged(const QRect& cells);
    void updateTitle();

    std::string m_editorResourcesFolder;
    std::unique_ptr<editor::PaletteFile> m_palette;
    std::vector<std::int32_t> m_entryCodes;
    std::string m_selectedBlockPattern;
    // The managers: each created once, on first use.
    frmManagerLocation& locationManager();
    frmManagerLocation* m_locationManager = nullptr;
    frmMapManager* m_mapManager = nullptr;
    frmMapsBrowser* m_mapsBrowser = nullptr;
    frmActionsManager* m_actionsManager = nullptr;
    QPointer<frmCheckMap> m_checkMap;
    editor::MapCheck m_mapCheck;
    QPointer<frmFullScreen> m_fullScreen;
    document::LocationDocument* m_document = nullptr;
    document::EditHistory* m_history = nullptr;
    std::vector<Placement> m_placements;
    std::optional<QPoint> m_mouseCell;
    canvas::LocationOverview* m_overview = nullptr;
    bool m_overviewStale = true; // built again when next shown
    QSize m_canvasSurface;
    QSize m_grown;
    QString m_baseTitle; // the title without the unsaved-edits mark
    bool m_settingTitle = false;
    std::unique_ptr<editor::tools::ToolBox> m_tools;
};
