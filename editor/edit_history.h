#pragma once
// The undo history of the current location. Every change of a cell reaches it
// from the grid; changes made between begin() and end() form one step, any
// other change a step of its own. Undo and redo put the cells back through
// the grid's own cell write. Loading or building another grid clears it.

#include "model/location_grid.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>

#include <cstdint>

#include "canvas/world_canvas.h"

namespace editor {

class EditHistory : public QObject, public model::CellWriteObserver {
    Q_OBJECT

public:
    EditHistory(WorldCanvas& canvas, QObject* parent = nullptr);
    ~EditHistory() override;

    QUndoStack& stack() { return m_stack; }

    // Groups the following cell changes into one step called `text`. Steps
    // do not nest: a begin() inside a step is part of it.
    void begin(const QString& text);
    void end();

    // Whether the location has changes that are not saved.
    bool isModified() const { return !m_stack.isClean(); }
    void markSaved() { m_stack.setClean(); }

    void cellChanged(model::Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                     std::uint16_t after) override;
    void gridReplaced() override;

signals:
    // Cells were put back by undo or redo.
    void cellsRestored();
    // Undo or redo put back cell (x, y); told for each cell, before
    // cellsRestored.
    void cellRestored(std::int32_t x, std::int32_t y);
    // An edit changed cell (x, y) (not undo or redo).
    void cellEdited(std::int32_t x, std::int32_t y);

private:
    class Step;
    void applyIndexChange(int index);
    void push(Step* step);

    QPointer<WorldCanvas> m_canvas;
    QUndoStack m_stack;
    Step* m_open = nullptr;
    QString m_openText;
    int m_depth = 0;
    int m_index = 0;
    bool m_restoring = false;
    bool m_quiet = false; // the stack moves without cells to put back
};

// One RAII step: begin() when made, end() when it goes.
class EditStep {
public:
    EditStep(EditHistory& history, const QString& text) : m_history(history) {
        m_history.begin(text);
    }
    ~EditStep() { m_history.end(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    EditHistory& m_history;
};

} // namespace editor
