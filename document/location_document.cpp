#include "document/location_document.h"

#include "document/edit_history.h"
#include "model/world_wrap.h"

#include <algorithm>

namespace document {

LocationDocument::LocationDocument(QObject* parent)
    : QObject(parent), m_history(new EditHistory(*this)) {
    m_history->setParent(this);
    m_grid.setObserver(this);
}

LocationDocument::~LocationDocument() {
    m_grid.setObserver(nullptr);
    delete m_history; // before the grid it reads
    m_history = nullptr;
}

bool LocationDocument::hasLocation() const {
    return m_grid.MapWidth() >= 1 && m_grid.MapHeight() >= 1 && m_grid.isComplete();
}

void LocationDocument::beginEdit(const QString& text) {
    m_history->begin(text);
    beginBatch();
}

void LocationDocument::endEdit() {
    m_history->end();
    endBatch();
}

void LocationDocument::cancelEdit() {
    m_history->cancel();
    endBatch();
}

void LocationDocument::beginBatch() {
    ++m_batch;
}

void LocationDocument::endBatch() {
    if (m_batch > 0 && --m_batch == 0)
        announce();
}

void LocationDocument::cellChanged(model::Layer layer, std::int32_t x, std::int32_t y,
                                   std::uint16_t before, std::uint16_t after) {
    m_history->cellChanged(layer, x, y, before, after);
    m_changed |= QRect(x, y, 1, 1);
    if (m_batch == 0)
        announce();
}

void LocationDocument::spanChanged(model::Layer layer, std::int32_t y, std::int32_t x,
                                   std::int32_t length, const unsigned char* before,
                                   const unsigned char* after) {
    m_history->spanChanged(layer, y, x, length, before, after);
    m_changed |= QRect(x, y, length, 1);
    if (m_batch == 0)
        announce();
}

void LocationDocument::announce() {
    if (m_changed.isEmpty())
        return;
    const QRect changed = m_changed;
    m_changed = QRect();
    emit cellsChanged(changed);
}

void LocationDocument::gridReplaced() {
    m_changed = QRect();
    m_history->gridReplaced();
    const bool hadSelection = m_selection.has_value();
    m_selection.reset();
    emit locationReplaced();
    if (hadSelection)
        emit selectionChanged();
}

void LocationDocument::setSelection(const std::optional<model::CellRect>& cells) {
    std::optional<model::CellRect> selection;
    if (cells && cells->width > 0 && cells->height > 0 && hasLocation()) {
        const std::int32_t width = m_grid.MapWidth();
        const std::int32_t height = m_grid.MapHeight();
        selection = model::CellRect{model::wrapIntoWorld(cells->x, width),
                                    model::wrapIntoWorld(cells->y, height),
                                    std::min(cells->width, width), std::min(cells->height, height)};
    }
    const auto same = [](const model::CellRect& a, const model::CellRect& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    };
    if (selection.has_value() == m_selection.has_value() &&
        (!selection || same(*selection, *m_selection)))
        return;
    m_selection = selection;
    emit selectionChanged();
}

} // namespace document
