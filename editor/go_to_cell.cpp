#include "editor/go_to_cell.h"
#include "canvas/ui_words.h"

#include "canvas/message_box.h"
#include "support/cp1251.h"
#include "support/phrase.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

using phrase::Ru;

namespace editor {
namespace {

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
        problem = phrase::say(Ru::tr("Локация не загружена: переходить некуда."));
        return std::nullopt;
    }
    const auto column = wholeNumber(x);
    const auto row = wholeNumber(y);
    if (!column || !row) {
        problem = phrase::say(Ru::tr("Укажите X и Y целыми числами."));
        return std::nullopt;
    }
    if (*column < 0 || *column >= width || *row < 0 || *row >= height) {
        problem = phrase::say(Ru::tr("Клетки (%1, %2) в локации нет: X бывает от 0 до %3, Y от 0 "
                                     "до %4."),
                              {std::to_string(*column), std::to_string(*row),
                               std::to_string(width - 1), std::to_string(height - 1)});
        return std::nullopt;
    }
    return QPoint(static_cast<int>(*column), static_cast<int>(*row));
}

GoToCellDialog::GoToCellDialog(QWidget* parent, std::int32_t width, std::int32_t height)
    : QDialog(parent), m_width(width), m_height(height) {
    setObjectName("frmGoToCell");
    setWindowTitle(Words::tr("Перейти к клетке"));
    auto* form = new QFormLayout(this);
    txtX = new QLineEdit(this);
    txtY = new QLineEdit(this);
    txtX->setObjectName("txtX");
    txtY->setObjectName("txtY");
    form->addRow(QStringLiteral("X:"), txtX);
    form->addRow(QStringLiteral("Y:"), txtY);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Words::tr("Перейти"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Words::tr("Отмена"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToCellDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void GoToCellDialog::confirm() {
    std::string problem;
    m_cell = cellToGoTo(txtX->text(), txtY->text(), m_width, m_height, problem);
    if (!m_cell) {
        ui::showMessage(
            this, {ui::MessageIcon::Warning, phrase::say(Ru::tr("Перейти к клетке")), problem});
        return;
    }
    accept();
}

} // namespace editor
