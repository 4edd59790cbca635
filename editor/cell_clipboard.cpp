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

} // namespace editor
