// The object palette of the main window: categories, entries, the preview and
// the place command.

#include "canvas/message_box.h"
#include "canvas/picture_file.h"
#include "canvas/ui_words.h"
#include "canvas/world_canvas.h"
#include "editor/entry_placement.h"
#include "editor/frm_main.h"
#include "editor/preview_box.h"
#include "model/location_config.h"
#include "support/cp1251.h"

#include <cmath>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

// Nearest whole number, halves to the even neighbour.
long long roundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

} // namespace

int chosenLine(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void frmMain::FillCategories() {
    const QSignalBlocker groups(lstGroups);
    const QSignalBlocker objects(lstObjects);
    lstGroups->clear();
    lstObjects->clear();
    for (const std::string& name : m_palette->categoryNames())
        lstGroups->addItem(qText(name));
}

void frmMain::clearEntryLabels() {
    picPreview->clear();
    lblCode->setText("-");
    lblLevel->setText("-");
    lblSize->setText("-");
}

void frmMain::lstGroups_Click() {
    m_entryCodes.clear();
    {
        const QSignalBlocker objects(lstObjects);
        lstObjects->clear();
    }
    clearEntryLabels();
    m_selectedBlockPattern.clear();
    const int category = chosenLine(lstGroups);
    if (category < 0)
        return;
    const QSignalBlocker objects(lstObjects);
    for (const auto& entry : m_palette->entries(category)) {
        lstObjects->addItem(qText(entry.name));
        m_entryCodes.push_back(entry.code);
    }
}

void frmMain::lstObjects_Click() {
    clearEntryLabels();
    m_selectedBlockPattern.clear();
    const int category = chosenLine(lstGroups);
    const int k = chosenLine(lstObjects);
    if (category < 0 || k < 0)
        return;
    const editor::PaletteFile::EntryDetails entry = m_palette->entry(category, k);
    if (!entry.exists)
        return;
    m_selectedBlockPattern = entry.footprint;
    if (k < static_cast<int>(m_entryCodes.size()))
        lblCode->setText(QString::number(m_entryCodes[static_cast<std::size_t>(k)]));
    lblLevel->setText(QString::number(entry.level));
    if (!entry.picture.empty())
        ShowPreview(m_editorResourcesFolder + entry.picture);
}

void frmMain::ShowPreview(const std::string& path) {
    picPreview->clear();
    const canvas::PictureReading reading = canvas::readPicture(path);
    if (reading.image.isNull())
        return; // the preview stays empty and the size "-"
    const double w = reading.image.width();
    const double h = reading.image.height();
    const int cellWidth = WorldCanvas1->CellWidth();
    const int cellHeight = WorldCanvas1->CellHeight();
    if (cellWidth > 0 && cellHeight > 0)
        lblSize->setText(
            QString("%1x%2").arg(roundHalfEven(w / cellWidth)).arg(roundHalfEven(h / cellHeight)));
    const QSize box = picPreview->innerSize();
    double drawWidth = w;
    double drawHeight = h;
    if (w > box.width() || h > box.height()) {
        const long long percent = roundHalfEven(box.width() * 100.0 / w);
        drawWidth = static_cast<double>(roundHalfEven(percent * w / 100.0));
        drawHeight = static_cast<double>(roundHalfEven(percent * h / 100.0));
    }
    picPreview->show(reading.image, QRectF((box.width() - drawWidth) / 2,
                                           (box.height() - drawHeight) / 2, drawWidth, drawHeight));
}

std::optional<editor::PaletteChoice> frmMain::chosenEntry() const {
    const auto level = model::parseWholeNumber(lblLevel->text().toStdString());
    const auto code = model::parseWholeNumber(lblCode->text().toStdString());
    if (!level || !code)
        return std::nullopt;
    const QListWidgetItem* chosen = lstObjects->currentItem();
    return editor::PaletteChoice{*level, *code, m_selectedBlockPattern,
                                 chosen ? chosen->text() : QString()};
}

void frmMain::placeSelectedEntry() {
    const std::optional<editor::PaletteChoice> entry = chosenEntry();
    if (!entry || !WorldCanvas1->hasLocation())
        return;
    const document::EditStep step(*m_document, Words::tr("Размещение «%1»").arg(entry->name));
    if (editor::placeEntry(m_document->grid(), *entry, WorldCanvas1->WorldCursorX(),
                           WorldCanvas1->WorldCursorY()) == editor::PlaceOutcome::BadGroundCode) {
        ui::showMessage(this, editor::badGroundCodeMessage(entry->code));
        return;
    }
    WorldCanvas1->Refresh();
}
