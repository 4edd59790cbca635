#pragma once
// The location being edited, beneath every view of it: the grid with its
// current cell, the map and location it belongs to, the catalogues it is
// drawn with, and its edit history. The canvas, the full-screen view, the
// overview, the inspector and the managers are views of a document.
//
// Every change of cells is announced once per edit as the rectangle of world
// cells it touched (a single write, a grouped edit, an undo or a redo), and a
// replaced grid (a load, a new location) as such.

#include "canvas/resource_catalogues.h"
#include "model/cell_patch.h"
#include "model/location_grid.h"

#include <QObject>
#include <QRect>

#include <memory>
#include <optional>
#include <string>

namespace document {

class EditHistory;

class LocationDocument : public QObject, private model::CellWriteObserver {
    Q_OBJECT

public:
    explicit LocationDocument(QObject* parent = nullptr);
    ~LocationDocument() override;

    model::LocationGrid& grid() { return m_grid; }
    const model::LocationGrid& grid() const { return m_grid; }
    canvas::ResourceCatalogues& catalogues() { return m_catalogues; }
    const canvas::ResourceCatalogues& catalogues() const { return m_catalogues; }
    EditHistory& history() { return *m_history; }

    // The map's folder name below "Maps\", the location's name as stored
    // (empty before any), and the resource folder's name.
    std::string& mapPath() { return m_mapPath; }
    const std::string& mapPath() const { return m_mapPath; }
    std::string& locationName() { return m_locationName; }
    const std::string& locationName() const { return m_locationName; }
    std::string& resourcesPath() { return m_resourcesPath; }
    const std::string& resourcesPath() const { return m_resourcesPath; }

    // Whether a whole location is there to edit.
    bool hasLocation() const;

    // Cell changes between beginEdit() and the matching endEdit() are one
    // undo step called `text` and one announcement. Edits do not nest: an
    // inner pair is part of the outer one.
    void beginEdit(const QString& text);
    void endEdit();
    // Puts back every cell the open edit changed and drops the edit: no undo
    // step, and the cells are announced as changed back. Ends the edit as
    // endEdit() would.
    void cancelEdit();
    // Announces the cells changed so far in the open edit (a stroke that is
    // still being painted), leaving the edit open.
    void flushChanges() { announce(); }

    // The selected cells: a rectangle whose top-left cell lies in the world
    // and which may run across the location's edges as the world wraps; it
    // is never wider or taller than the location. None at first and after
    // the grid is replaced.
    const std::optional<model::CellRect>& selection() const { return m_selection; }
    // Selects `cells` (its start wrapped into the world, its size limited to
    // the location's), or nothing; nothing as well without a location or
    // for an empty rectangle.
    void setSelection(const std::optional<model::CellRect>& cells);

signals:
    // Cells in `cells` (world columns and rows) changed.
    void cellsChanged(const QRect& cells);
    // The grid was rebuilt or replaced as a whole.
    void locationReplaced();
    // The selection changed (or went).
    void selectionChanged();

private:
    friend class EditHistory;
    // Undo and redo put many cells back as one announcement.
    void beginBatch();
    void endBatch();

    void cellChanged(model::Layer layer, std::int32_t x, std::int32_t y, std::uint16_t before,
                     std::uint16_t after) override;
    void spanChanged(model::Layer layer, std::int32_t y, std::int32_t x, std::int32_t length,
                     const unsigned char* before, const unsigned char* after) override;
    void gridReplaced() override;
    void announce();

    model::LocationGrid m_grid;
    canvas::ResourceCatalogues m_catalogues;
    std::string m_mapPath;
    std::string m_locationName;
    std::string m_resourcesPath;
    EditHistory* m_history = nullptr;
    int m_batch = 0;
    QRect m_changed;
    std::optional<model::CellRect> m_selection;
};

// One grouped edit: beginEdit() when made, endEdit() when it goes.
class EditStep {
public:
    EditStep(LocationDocument& document, const QString& text) : m_document(document) {
        m_document.beginEdit(text);
    }
    ~EditStep() { m_document.endEdit(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    LocationDocument& m_document;
};

} // namespace document
