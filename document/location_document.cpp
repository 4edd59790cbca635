#include "document/location_document.h"

#include "document/edit_history.h"

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
    emit locationReplaced();
}

} // namespace document
