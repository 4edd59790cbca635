#pragma once
// "Перейти к клетке...": the cell the designer asks for, checked against the
// location's size, and the small window that asks.

#include <QDialog>
#include <QPoint>

#include <optional>
#include <string>

class QLineEdit;

namespace editor {

// The cell (X, Y) typed as whole numbers inside a location of `width` x
// `height` cells; otherwise nothing, and `problem` says why (code page 1251).
std::optional<QPoint> cellToGoTo(const QString& x, const QString& y, std::int32_t width,
                                 std::int32_t height, std::string& problem);

class GoToCellDialog : public QDialog {
public:
    GoToCellDialog(QWidget* parent, std::int32_t width, std::int32_t height);

    // The cell, once the designer confirmed one that exists.
    std::optional<QPoint> cell() const { return m_cell; }

    QLineEdit* txtX;
    QLineEdit* txtY;

private:
    void confirm();

    std::int32_t m_width;
    std::int32_t m_height;
    std::optional<QPoint> m_cell;
};

} // namespace editor
