#include "editor/cell_clipboard.h"

#include <QByteArray>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace editor {

QMimeData* cellsMimeData(const model::CellPatch& patch) {
    auto* data = new QMimeData;
    const std::string bytes = patch.toBytes();
    data->setData(kCellsMimeType, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(QString::fromStdString(patch.toText()));
    return data;
}

std::optional<model::CellPatch> cellsFromMimeData(const QMimeData* data) {
    if (!data || !data->hasFormat(kCellsMimeType))
        return std::nullopt;
    const QByteArray bytes = data->data(kCellsMimeType);
    std::optional<model::CellPatch> patch =
        model::CellPatch::fromBytes(std::string_view(bytes.constData(), bytes.size()));
    if (!patch || patch->isEmpty() || patch->layers().none())
        return std::nullopt;
    // One-byte layers hold nothing above 255; the reader may not know that.
    for (const model::Layer layer : model::kAllLayers) {
        if (!patch->layers().test(model::layerIndex(layer)) || model::bytesPerCell(layer) == 2)
            continue;
        for (std::int32_t row = 0; row < patch->height(); ++row)
            for (std::int32_t column = 0; column < patch->width(); ++column)
                if (patch->value(layer, column, row) < 0 || patch->value(layer, column, row) > 255)
                    return std::nullopt;
    }
    return patch;
}

void putCellsOnClipboard(const model::CellPatch& patch) {
    QGuiApplication::clipboard()->setMimeData(cellsMimeData(patch));
}

bool clipboardOffersCells() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasFormat(kCellsMimeType);
}

std::optional<model::CellPatch> cellsOnClipboard() {
    return cellsFromMimeData(QGuiApplication::clipboard()->mimeData());
}

model::CellPatch withLayers(const model::CellPatch& patch, model::LayerSet layers) {
    const model::LayerSet kept = patch.layers() & layers;
    if (patch.isEmpty() || kept.none())
        return {};
    if (kept == patch.layers())
        return patch;
    // The block goes through a scratch grid of its own size, from which only
    // the kept layers are taken.
    model::LocationGrid scratch;
    scratch.setMapWidth(patch.width());
    scratch.setMapHeight(patch.height());
    scratch.CreatMap(0);
    if (!patch.pasteInto(scratch, 0, 0))
        return {};
    return model::CellPatch::copy(scratch, model::CellRect{0, 0, patch.width(), patch.height()},
                                  kept);
}

} // namespace editor
