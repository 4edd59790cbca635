#include "editor/go_to_cell.h"

#include "canvas/message_box.h"
#include "support/cp1251.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace editor {
namespace {

std::string ru(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

// A whole number of the text, or nothing.
std::optional<long long> wholeNumber(const QString& text) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<long long>(value) : std::nullopt;
}

} // namespace

std::optional<QPoint> cellToGoTo(const QString& x, const QString& y, std::int32_t width,
                                 std::int32_t height, std::string& problem) {
    if (width < 1 || height < 1) {
        problem = ru("Локация не загружена: переходить некуда.");
        return std::nullopt;
    }
    const auto column = wholeNumber(x);
    const auto row = wholeNumber(y);
    if (!column || !row) {
        problem = ru("Укажите X и Y целыми числами.");
        return std::nullopt;
    }
    if (*column < 0 || *column >= width || *row < 0 || *row >= height) {
        problem = ru("Клетки (") + std::to_string(*column) + ", " + std::to_string(*row) +
                  ru(") в локации нет: X бывает от 0 до ") + std::to_string(width - 1) +
                  ru(", Y от 0 до ") + std::to_string(height - 1) + ".";
        return std::nullopt;
    }
    return QPoint(static_cast<int>(*column), static_cast<int>(*row));
}

GoToCellDialog::GoToCellDialog(QWidget* parent, std::int32_t width, std::int32_t height)
    : QDialog(parent), m_width(width), m_height(height) {
    setObjectName("frmGoToCell");
    setWindowTitle(QStringLiteral("Перейти к клетке"));
    auto* form = new QFormLayout(this);
    txtX = new QLineEdit(this);
    txtY = new QLineEdit(this);
    txtX->setObjectName("txtX");
    txtY->setObjectName("txtY");
    form->addRow(QStringLiteral("X:"), txtX);
    form->addRow(QStringLiteral("Y:"), txtY);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Перейти"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToCellDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void GoToCellDialog::confirm() {
    std::string problem;
    m_cell = cellToGoTo(txtX->text(), txtY->text(), m_width, m_height, problem);
    if (!m_cell) {
        ui::showMessage(this, {ui::MessageIcon::Warning, ru("Перейти к клетке"), problem});
        return;
    }
    accept();
}

} // namespace editor
