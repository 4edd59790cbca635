// The menu "Вид" and the status bar of the main window: going to a cell, and
// the values of the cell under the mouse.

#include "canvas/message_box.h"
#include "canvas/ui_words.h"
#include "canvas/view_zoom.h"
#include "canvas/world_canvas.h"
#include "editor/frm_main.h"
#include "editor/go_to_cell.h"
#include "editor/language.h"
#include "editor/window_settings.h"
#include "model/location_grid.h"
#include "support/cp1251.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>

void frmMain::createViewMenu() {
    mnuView = menuBar()->addMenu(Words::tr("Вид"));
    mnuView->setObjectName("mnuView");
    const auto item = [this](const QString& caption, const char* name,
                             const QList<QKeySequence>& keys) {
        QAction* action = mnuView->addAction(caption);
        action->setObjectName(name);
        action->setShortcuts(keys);
        return action;
    };
    mnuZoomIn =
        item(Words::tr("Крупнее"), "mnuZoomIn",
             {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    mnuZoomOut = item(Words::tr("Мельче"), "mnuZoomOut", {QKeySequence(QStringLiteral("Ctrl+-"))});
    mnuZoomNormal = item(Words::tr("Обычный масштаб"), "mnuZoomNormal",
                         {QKeySequence(QStringLiteral("Ctrl+0"))});
    connect(mnuZoomIn, &QAction::triggered, this, [this] { zoomAroundCursor(1); });
    connect(mnuZoomOut, &QAction::triggered, this, [this] { zoomAroundCursor(-1); });
    connect(mnuZoomNormal, &QAction::triggered, this,
            [this] { WorldCanvas1->setZoom(canvas::kNormalZoom); });
    mnuView->addSeparator();
    mnuGoToCell = mnuView->addAction(Words::tr("Перейти к клетке..."));
    mnuGoToCell->setObjectName("mnuGoToCell");
    mnuGoToCell->setShortcut(QKeySequence(QStringLiteral("Ctrl+G")));
    connect(mnuGoToCell, &QAction::triggered, this, &frmMain::mnuGoToCell_Click);
    mnuView->addSeparator();
    mnuLanguage = mnuView->addMenu(Words::tr("Язык"));
    mnuLanguage->setObjectName("mnuLanguage");
    // Each language is named in itself, so that either can be found.
    mnuLanguageRussian = mnuLanguage->addAction(QStringLiteral("Русский"));
    mnuLanguageRussian->setObjectName("mnuLanguageRussian");
    mnuLanguageEnglish = mnuLanguage->addAction(QStringLiteral("English"));
    mnuLanguageEnglish->setObjectName("mnuLanguageEnglish");
    auto* languages = new QActionGroup(this);
    for (QAction* language : {mnuLanguageRussian, mnuLanguageEnglish}) {
        language->setCheckable(true);
        languages->addAction(language);
    }
    const bool english = editor::currentLanguage() == editor::Language::English;
    (english ? mnuLanguageEnglish : mnuLanguageRussian)->setChecked(true);
    connect(mnuLanguageRussian, &QAction::triggered, this, [this] { chooseLanguage(false); });
    connect(mnuLanguageEnglish, &QAction::triggered, this, [this] { chooseLanguage(true); });

    lblMouseCell = new QLabel(this);
    lblMouseCell->setObjectName("lblMouseCell");
    lblMouseCell->setAccessibleName(Words::tr("Клетка под мышью"));
    statusBar()->setObjectName("statusBar");
    statusBar()->addWidget(lblMouseCell, 1);
    connect(WorldCanvas1, &WorldCanvas::mouseCellChanged, this, &frmMain::showMouseCell);
}

void frmMain::chooseLanguage(bool english) {
    const editor::Language language =
        english ? editor::Language::English : editor::Language::Russian;
    QSettings settings(editor::settingsFile(), QSettings::IniFormat);
    editor::storeLanguage(settings, language);
    if (editor::currentLanguage() == language)
        return;
    // The windows are built with their texts, so the new language starts with
    // the next run; the note is in both languages.
    ui::showMessage(this, {ui::MessageIcon::Information, "",
                           cp1251::fromUtf8("Язык интерфейса сменится при следующем запуске "
                                            "редактора.\r\nThe interface language will change the "
                                            "next time the editor starts.")});
}

void frmMain::zoomAroundCursor(int steps) {
    // The cursor cell keeps its place on the screen.
    const QSize cell = WorldCanvas1->cellPixels();
    WorldCanvas1->zoomBy(steps, QPointF((WorldCanvas1->CursorX() + 0.5) * cell.width(),
                                        (WorldCanvas1->CursorY() + 0.5) * cell.height()));
}

void frmMain::mnuGoToCell_Click() {
    editor::GoToCellDialog dialog(this, WorldCanvas1->hasLocation() ? WorldCanvas1->MapWidth() : 0,
                                  WorldCanvas1->hasLocation() ? WorldCanvas1->MapHeight() : 0);
    if (dialog.exec() != QDialog::Accepted || !dialog.cell())
        return;
    WorldCanvas1->showWorldCell(*dialog.cell());
}

QString frmMain::cellDescription(QPoint cell) const {
    const model::LocationGrid& grid = WorldCanvas1->grid();
    const auto value = [&](model::Layer layer) {
        return grid.cellValue(layer, cell.x(), cell.y());
    };
    return Words::tr("x %1, y %2 - земля %3, объект %4, предмет %5, действие %6, %7, %8")
        .arg(cell.x())
        .arg(cell.y())
        .arg(value(model::Layer::Earths))
        .arg(value(model::Layer::Objects))
        .arg(value(model::Layer::Predmets))
        .arg(value(model::Layer::Doors))
        .arg(value(model::Layer::Blocks) != 0 ? Words::tr("путь закрыт") : Words::tr("путь открыт"))
        .arg(value(model::Layer::Guards) != 0 ? Words::tr("охрана есть") : Words::tr("охрана нет"));
}

void frmMain::showMouseCell(QPoint cell, bool inside) {
    m_mouseCell = inside ? std::optional<QPoint>(cell) : std::nullopt;
    lblMouseCell->setText(inside ? cellDescription(cell) : QString());
}

void frmMain::refreshMouseCell(const QRect& cells) {
    if (m_mouseCell && cells.contains(*m_mouseCell))
        lblMouseCell->setText(cellDescription(*m_mouseCell));
}
