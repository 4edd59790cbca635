#include "document/edit_history.h"

#include "document/location_document.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace document {

namespace {

// One changed cell: any cell of a location that loads, and a value of at most
// two bytes.
struct CellChange {
    std::uint8_t layer;
    std::int32_t x;
    std::int32_t y;
    std::uint16_t before;
    std::uint16_t after;
};

// What a step is called in the menu when no edit named it: after its layer.
QString layerStepText(model::Layer layer) {
    switch (layer) {
    case model::Layer::Doors:
        return QStringLiteral("Действие");
    case model::Layer::Earths:
        return QStringLiteral("Земля");
    case model::Layer::Objects:
        return QStringLiteral("Объект");
    case model::Layer::Predmets:
        return QStringLiteral("Предмет");
    case model::Layer::Blocks:
        return QStringLiteral("Проходимость");
    case model::Layer::Guards:
        return QStringLiteral("Зона охраны");
    }
    return {};
}

} // namespace

// The changes of one step. Most steps change one cell, which is kept inline;
// the undo and redo themselves are done by the history when the stack's
// index moves, so a step is data only.
class EditHistory::Step : public QUndoCommand {
public:
    explicit Step(const QString& text) { setText(text); }

    void add(const CellChange& change) {
        if (m_count++ == 0) {
            m_first = change;
            return;
        }
        if (!m_rest)
            m_rest = std::make_unique<std::vector<CellChange>>();
        m_rest->push_back(change);
    }
    std::uint32_t count() const { return m_count; }
    const CellChange& at(std::uint32_t i) const { return i == 0 ? m_first : (*m_rest)[i - 1]; }

private:
    std::uint32_t m_count = 0;
    CellChange m_first{};
    std::unique_ptr<std::vector<CellChange>> m_rest; // only for steps of several cells
};

EditHistory::EditHistory(LocationDocument& document) : m_document(document) {
    connect(&m_stack, &QUndoStack::indexChanged, this, &EditHistory::applyIndexChange);
}

EditHistory::~EditHistory() {
    // The stack announces its clearing when it goes, after this object and
    // usually after the window connected to it are gone: nobody hears it.
    m_stack.blockSignals(true);
    disconnect(&m_stack, nullptr, this, nullptr);
    delete m_open;
}

void EditHistory::begin(const QString& text) {
    if (m_depth++ == 0)
        m_openText = text;
}

void EditHistory::end() {
    if (m_depth == 0 || --m_depth > 0)
        return;
    if (m_open) {
        Step* step = m_open;
        m_open = nullptr;
        push(step);
    }
}

void EditHistory::cancel() {
    if (m_depth == 0)
        return;
    if (m_open) {
        m_restoring = true;
        model::LocationGrid& grid = m_document.grid();
        for (std::uint32_t c = m_open->count(); c-- > 0;) {
            const CellChange& change = m_open->at(c);
            grid.restoreCell(static_cast<model::Layer>(change.layer), change.x, change.y,
                             change.before);
        }
        m_restoring = false;
        delete m_open;
        m_open = nullptr;
    }
    m_depth = 1;
    end();
}

void EditHistory::cellChanged(model::Layer layer, std::int32_t x, std::int32_t y,
                              std::uint16_t before, std::uint16_t after) {
    if (m_restoring)
        return;
    const CellChange change{static_cast<std::uint8_t>(layer), x, y, before, after};
    if (m_depth > 0) {
        if (!m_open)
            m_open = new Step(m_openText);
        m_open->add(change);
    } else {
        auto* step = new Step(layerStepText(layer));
        step->add(change);
        push(step);
    }
}

void EditHistory::push(Step* step) {
    // The step's cells are written already: pushing applies nothing.
    m_quiet = true;
    m_stack.push(step);
    m_quiet = false;
}

void EditHistory::gridReplaced() {
    delete m_open;
    m_open = nullptr;
    m_quiet = true; // clearing the steps puts no cell back
    m_stack.clear();
    m_quiet = false;
    m_index = 0;
}

void EditHistory::applyIndexChange(int index) {
    // Pushing, clearing or a stack emptied from outside: no cell to put back.
    if (m_quiet || index == m_index || m_index > m_stack.count()) {
        m_index = index;
        return;
    }
    m_restoring = true;
    m_document.beginBatch();
    model::LocationGrid& grid = m_document.grid();
    if (index < m_index) {
        for (int i = m_index - 1; i >= index; --i) {
            const auto* step = static_cast<const Step*>(m_stack.command(i));
            for (std::uint32_t c = step->count(); c-- > 0;) {
                const CellChange& change = step->at(c);
                grid.restoreCell(static_cast<model::Layer>(change.layer), change.x, change.y,
                                 change.before);
            }
        }
    } else {
        for (int i = m_index; i < index; ++i) {
            const auto* step = static_cast<const Step*>(m_stack.command(i));
            for (std::uint32_t c = 0; c < step->count(); ++c) {
                const CellChange& change = step->at(c);
                grid.restoreCell(static_cast<model::Layer>(change.layer), change.x, change.y,
                                 change.after);
            }
        }
    }
    m_restoring = false;
    m_index = index;
    m_document.endBatch();
    emit cellsRestored();
}

} // namespace document
