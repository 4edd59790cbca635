#pragma once
// The undo history of a location document. Every change of cells reaches it
// from the document; changes made between begin() and end() form one step,
// any other change a step of its own. A step keeps only the cells it changed,
// as compact runs (see EditRecord); undo and redo put them back through the
// grid's span writes. Loading or building another grid clears it.

#include "model/location_grid.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <cstdint>

namespace document {

class LocationDocument;

class EditHistory : public QObject, public model::CellWriteObserver {
    Q_OBJECT

public:
    explicit EditHistory(LocationDocument& document);
    ~EditHistory() override;

    QUndoStack& stack() { return m_stack; }

    // Groups the following cell changes into one step called `text`. Steps
    // do not nest: a begin() inside a step is part of it.
    void begin(const QString& text);
    void end();
    // Puts back the cells of the open step and drops it, then ends it.
    void cancel();

    // Whether the location has changes that are not saved.
    bool isModified() const { return !m_stack.isClean(); }
    void markSaved() { m_stack.setClean(); }

    // Heap bytes held by the records of all steps, the open one included.
    std::size_t recordBytes() const;

    void cellChanged(model::Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                     std::uint16_t after) override;
    void spanChanged(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                     const unsigned char* before, const unsigned char* after) override;
    void gridReplaced() override;

signals:
    // Cells were put back by undo or redo.
    void cellsRestored();

private:
    class Step;
    void applyIndexChange(int index);
    void push(Step* step);
    // The step the next change belongs to: the open one, or a new one of its
    // own named after the layer (pushed by finishChange).
    Step& stepFor(model::Layer layer);
    void finishChange(Step& step);

    LocationDocument& m_document;
    QUndoStack m_stack;
    Step* m_open = nullptr;
    QString m_openText;
    int m_depth = 0;
    int m_index = 0;
    bool m_restoring = false;
    bool m_quiet = false; // the stack moves without cells to put back
};

} // namespace document
