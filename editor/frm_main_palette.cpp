// The object palette of the main window: categories, entries, the preview and
// the place command.

#include "canvas/message_box.h"
#include "canvas/picture_file.h"
#include "canvas/world_canvas.h"
#include "canvas/world_wrap.h"
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

void frmMain::placeSelectedEntry() {
    const auto level = model::parseWholeNumber(lblLevel->text().toStdString());
    const auto code = model::parseWholeNumber(lblCode->text().toStdString());
    if (!level || !code || !WorldCanvas1->hasLocation())
        return;
    const QListWidgetItem* chosen = lstObjects->currentItem();
    const document::EditStep step(*m_document,
                                  "Размещение «" + (chosen ? chosen->text() : QString()) + "»");
    if (*level == 0) {
        if (*code < 0 || *code > 255) {
            ui::showMessage(this, {ui::MessageIcon::Warning, cp1251::fromUtf8("Плохой код"),
                                   cp1251::fromUtf8("Код земли " + std::to_string(*code) +
                                                    " не помещается в клетку: коды земли "
                                                    "бывают только от 0 до 255.")});
            return;
        }
        WorldCanvas1->setCurrentEarth(static_cast<std::uint8_t>(*code));
    } else if (*level == 1) {
        WorldCanvas1->setCurrentObject(*code + 1);
        const std::int32_t width = WorldCanvas1->MapWidth();
        const std::int32_t height = WorldCanvas1->MapHeight();
        for (const auto& [row, column] : editor::footprintCells(m_selectedBlockPattern)) {
            // Wrapped whole, so that a footprint wider than the world stays in it.
            const std::int32_t x =
                canvas::wrapIntoWorld(std::int64_t{WorldCanvas1->WorldCursorX()} + column, width);
            const std::int32_t y =
                canvas::wrapIntoWorld(std::int64_t{WorldCanvas1->WorldCursorY()} + row, height);
            WorldCanvas1->ChangeBloks(y, x, 1);
        }
    }
    WorldCanvas1->Refresh();
}
