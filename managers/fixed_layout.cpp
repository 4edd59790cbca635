#include "managers/fixed_layout.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace managers {
namespace {

template <class Control> Control* placed(Control* control, const char* name, QRect rect) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(rect);
    return control;
}

} // namespace

void applyWindowFont(QWidget& window) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    window.setFont(font);
}

void setClientSize(QWidget& window, int width, int height) {
    window.setFixedSize(width, height);
}

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    return placed(new QGroupBox(caption, parent), name, rect);
}

QLabel* addLabel(QWidget* parent, const QString& caption, QRect rect, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setGeometry(rect);
    if (buddy) {
        label->setBuddy(buddy);
        // Lists are not announced by their buddies: they get the caption as
        // their own name.
        if (qobject_cast<QAbstractItemView*>(buddy)) {
            QString name = caption;
            if (name.endsWith(QLatin1Char(':')))
                name.chop(1);
            buddy->setAccessibleName(name);
        }
    }
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    return placed(new QPushButton(caption, parent), name, rect);
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect) {
    return placed(new QCheckBox(caption, parent), name, rect);
}

QLineEdit* addTextBox(QWidget* parent, const char* name, const QString& text, QRect rect,
                      int maxLength) {
    auto* box = placed(new QLineEdit(text, parent), name, rect);
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

QLineEdit* addDisplayBox(QWidget* parent, const char* name, const QString& text, QRect rect) {
    auto* box = addTextBox(parent, name, text, rect);
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit* addMultiLineBox(QWidget* parent, const char* name, QRect rect) {
    return placed(new QPlainTextEdit(parent), name, rect);
}

QComboBox* addDropDown(QWidget* parent, const char* name, QRect rect) {
    return placed(new QComboBox(parent), name, rect);
}

QListWidget* addList(QWidget* parent, const char* name, QRect rect) {
    return placed(new QListWidget(parent), name, rect);
}

} // namespace managers
