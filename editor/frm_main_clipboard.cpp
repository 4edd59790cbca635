// The region commands of the menu "Правка": cut, copy, paste and delete of
// the selected cells in the layers chosen under "Слои", and selecting all or
// nothing.

#include "canvas/message_box.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/cell_clipboard.h"
#include "editor/frm_main.h"
#include "support/cp1251.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace {

// The layers of "Слои", in the menu's order.
struct LayerItem {
    const char* caption;
    const char* name;
    model::Layer layer;
};
constexpr LayerItem kLayerItems[] = {
    {QT_TRANSLATE_NOOP("mapeditor", "Земля"), "mnuLayerEarth", model::Layer::Earths},
    {QT_TRANSLATE_NOOP("mapeditor", "Объекты"), "mnuLayerObjects", model::Layer::Objects},
    {QT_TRANSLATE_NOOP("mapeditor", "Предметы"), "mnuLayerItems", model::Layer::Predmets},
    {QT_TRANSLATE_NOOP("mapeditor", "Действия"), "mnuLayerActions", model::Layer::Doors},
    {QT_TRANSLATE_NOOP("mapeditor", "Путь закрыт"), "mnuLayerBlocks", model::Layer::Blocks},
    {QT_TRANSLATE_NOOP("mapeditor", "Охранная зона"), "mnuLayerGuards", model::Layer::Guards},
};

void warn(QWidget* parent, const QString& text) {
    ui::showMessage(parent, {ui::MessageIcon::Warning, "", cp1251::fromUtf8(text.toStdString())});
}

QString sizeText(std::int32_t width, std::int32_t height) {
    return QStringLiteral("%1 x %2").arg(width).arg(height);
}

} // namespace

void frmMain::createRegionMenu() {
    mnuEdit->addSeparator();
    const auto item = [this](const QString& caption, const char* name, const QKeySequence& key) {
        QAction* action = mnuEdit->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    mnuCut = item(Words::tr("Вырезать"), "mnuCut", QKeySequence::Cut);
    mnuCopy = item(Words::tr("Копировать"), "mnuCopy", QKeySequence::Copy);
    mnuPaste = item(Words::tr("Вставить"), "mnuPaste", QKeySequence::Paste);
    mnuDelete = item(Words::tr("Удалить"), "mnuDelete", QKeySequence(Qt::Key_Delete));
    mnuEdit->addSeparator();
    mnuSelectAll = item(Words::tr("Выделить всё"), "mnuSelectAll", QKeySequence::SelectAll);
    mnuSelectNone =
        item(Words::tr("Снять выделение"), "mnuSelectNone", QKeySequence(Qt::Key_Escape));
    mnuEdit->addSeparator();
    mnuLayers = mnuEdit->addMenu(Words::tr("Слои"));
    mnuLayers->setObjectName("mnuLayers");
    for (std::size_t i = 0; i < mnuLayer.size(); ++i) {
        QAction* layer = mnuLayers->addAction(Words::tr(kLayerItems[i].caption));
        layer->setObjectName(kLayerItems[i].name);
        layer->setCheckable(true);
        layer->setChecked(true);
        connect(layer, &QAction::toggled, this, &frmMain::updateRegionCommands);
        mnuLayer[i] = layer;
    }

    connect(mnuCut, &QAction::triggered, this, &frmMain::cutSelection);
    connect(mnuCopy, &QAction::triggered, this, &frmMain::copySelection);
    connect(mnuPaste, &QAction::triggered, this, &frmMain::pasteCells);
    connect(mnuDelete, &QAction::triggered, this, &frmMain::deleteSelection);
    connect(mnuSelectAll, &QAction::triggered, this, [this] {
        const model::LocationGrid& grid = m_document->grid();
        m_document->setSelection(model::CellRect{0, 0, grid.MapWidth(), grid.MapHeight()});
    });
    connect(mnuSelectNone, &QAction::triggered, this,
            [this] { m_document->setSelection(std::nullopt); });
    connect(m_document, &document::LocationDocument::selectionChanged, this,
            &frmMain::updateRegionCommands);
    connect(m_document, &document::LocationDocument::locationReplaced, this,
            &frmMain::updateRegionCommands);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &frmMain::updateRegionCommands);
    updateRegionCommands();
}

void frmMain::updateRegionCommands() {
    const bool selected = m_document->selection().has_value();
    const bool layers = chosenLayers().any();
    mnuCut->setEnabled(selected && layers);
    mnuCopy->setEnabled(selected && layers);
    mnuDelete->setEnabled(selected && layers);
    mnuSelectNone->setEnabled(selected);
    mnuSelectAll->setEnabled(m_document->hasLocation());
    mnuPaste->setEnabled(editor::clipboardOffersCells());
}

model::LayerSet frmMain::chosenLayers() const {
    model::LayerSet layers;
    for (std::size_t i = 0; i < mnuLayer.size(); ++i)
        if (mnuLayer[i] && mnuLayer[i]->isChecked())
            layers.set(model::layerIndex(kLayerItems[i].layer));
    return layers;
}

void frmMain::copySelection() {
    const auto& selection = m_document->selection();
    if (!selection || chosenLayers().none())
        return;
    const model::CellPatch patch =
        model::CellPatch::copy(m_document->grid(), *selection, chosenLayers());
    if (!patch.isEmpty())
        editor::putCellsOnClipboard(patch);
}

void frmMain::deleteSelection() {
    const auto& selection = m_document->selection();
    if (!selection || chosenLayers().none())
        return;
    {
        document::EditStep step(*m_document, Words::tr("Удалить"));
        model::clearCells(m_document->grid(), *selection, chosenLayers());
    }
    showRestoredCells();
}

void frmMain::cutSelection() {
    const auto& selection = m_document->selection();
    if (!selection || chosenLayers().none())
        return;
    copySelection();
    {
        document::EditStep step(*m_document, Words::tr("Вырезать"));
        model::clearCells(m_document->grid(), *selection, chosenLayers());
    }
    showRestoredCells();
}

void frmMain::pasteCells() {
    if (!m_document->hasLocation()) {
        warn(this, Words::tr("Локация не загружена: вставлять некуда."));
        return;
    }
    const std::optional<model::CellPatch> held = editor::cellsOnClipboard();
    if (!held) {
        warn(this, Words::tr("В буфере обмена нет клеток, которые можно вставить."));
        return;
    }
    const model::LocationGrid& grid = m_document->grid();
    if (held->width() > grid.MapWidth() || held->height() > grid.MapHeight()) {
        warn(this, Words::tr("Блок клеток %1 не помещается в локацию %2: вставить его нельзя.")
                       .arg(sizeText(held->width(), held->height()),
                            sizeText(grid.MapWidth(), grid.MapHeight())));
        return;
    }
    const model::CellPatch patch = held->withLayers(chosenLayers());
    if (patch.isEmpty()) {
        warn(this, Words::tr("В буфере обмена нет ни одного из слоёв, отмеченных в меню «Слои»."));
        return;
    }
    const std::int32_t x = grid.WorldCursorX();
    const std::int32_t y = grid.WorldCursorY();
    {
        document::EditStep step(*m_document, Words::tr("Вставить"));
        patch.pasteInto(m_document->grid(), x, y);
    }
    m_document->setSelection(model::CellRect{x, y, patch.width(), patch.height()});
    showRestoredCells();
}

bool frmMain::lineEditKeepsKey(QObject* watched, const QKeyEvent& key) const {
    const auto* box = qobject_cast<const QLineEdit*>(watched);
    if (!box || box->window() != this || !box->hasFocus())
        return false;
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (const QAction* action :
         {mnuCut, mnuCopy, mnuPaste, mnuDelete, mnuSelectAll, mnuSelectNone})
        if (action->shortcuts().contains(pressed))
            return true;
    return false;
}
