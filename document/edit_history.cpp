#include "document/edit_history.h"

#include "document/edit_record.h"
#include "document/location_document.h"

#include <QCoreApplication>

namespace document {

namespace {

// What a step is called in the menu when no edit named it: after its layer.
QString layerStepText(model::Layer layer) {
    switch (layer) {
    case model::Layer::Doors:
        return QCoreApplication::translate("mapeditor", "Действие");
    case model::Layer::Earths:
        return QCoreApplication::translate("mapeditor", "Земля");
    case model::Layer::Objects:
        return QCoreApplication::translate("mapeditor", "Объект");
    case model::Layer::Predmets:
        return QCoreApplication::translate("mapeditor", "Предмет");
    case model::Layer::Blocks:
        return QCoreApplication::translate("mapeditor", "Проходимость");
    case model::Layer::Guards:
        return QCoreApplication::translate("mapeditor", "Зона охраны");
    }
    return {};
}

} // namespace

// The changes of one step. The undo and redo themselves are done by the
// history when the stack's index moves, so a step is data only.
class EditHistory::Step : public QUndoCommand {
public:
    explicit Step(const QString& text) { setText(text); }

    EditRecord record;
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
        finishChange(*step);
    }
}

void EditHistory::cancel() {
    if (m_depth == 0)
        return;
    if (m_open) {
        m_restoring = true;
        m_open->record.apply(m_document.grid());
        m_restoring = false;
        delete m_open;
        m_open = nullptr;
    }
    m_depth = 1;
    end();
}

std::size_t EditHistory::recordBytes() const {
    std::size_t bytes = m_open ? sizeof(Step) + m_open->record.heapBytes() : 0;
    for (int i = 0; i < m_stack.count(); ++i)
        bytes += sizeof(Step) + static_cast<const Step*>(m_stack.command(i))->record.heapBytes();
    return bytes;
}

EditHistory::Step& EditHistory::stepFor(model::Layer layer) {
    if (m_depth == 0)
        return *new Step(layerStepText(layer));
    if (!m_open)
        m_open = new Step(m_openText);
    return *m_open;
}

void EditHistory::finishChange(Step& step) {
    if (&step == m_open)
        return;
    // Cells written and written back within one step leave nothing to undo.
    step.record.finish();
    if (step.record.isEmpty()) {
        delete &step;
        return;
    }
    push(&step);
}

void EditHistory::cellChanged(model::Layer layer, std::int32_t x, std::int32_t y,
                              std::uint16_t before, std::uint16_t after) {
    if (m_restoring || before == after)
        return;
    Step& step = stepFor(layer);
    step.record.addCell(layer, x, y, before, after);
    finishChange(step);
}

void EditHistory::spanChanged(model::Layer layer, std::int32_t y, std::int32_t x,
                              std::int32_t length, const unsigned char* before,
                              const unsigned char* after) {
    if (m_restoring || length <= 0)
        return;
    Step& step = stepFor(layer);
    step.record.addSpan(layer, y, x, length, before, after);
    finishChange(step);
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
    // A record flips its cells between their two values, so undo and redo
    // both apply it.
    if (index < m_index) {
        for (int i = m_index - 1; i >= index; --i)
            static_cast<const Step*>(m_stack.command(i))->record.apply(grid);
    } else {
        for (int i = m_index; i < index; ++i)
            static_cast<const Step*>(m_stack.command(i))->record.apply(grid);
    }
    m_restoring = false;
    m_index = index;
    m_document.endBatch();
    emit cellsRestored();
}

} // namespace document
