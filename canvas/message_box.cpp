#include "canvas/message_box.h"
#include "canvas/ui_words.h"

#include "support/cp1251.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace ui {
namespace {

MessageHandler& currentHandler() {
    static MessageHandler handler;
    return handler;
}

QString qText(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

QMessageBox::Icon qIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString applicationTitle() {
    return Words::tr("Редактор карт");
}

MessageAnswer showMessage(QWidget* parent, const Message& message) {
    if (currentHandler())
        return currentHandler()(message);
    const QString title = message.title.empty() ? applicationTitle() : qText(message.title);
    QMessageBox box(qIcon(message.icon), title, qText(message.text), QMessageBox::NoButton, parent);
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.addButton(QMessageBox::Ok);
        break;
    case MessageButtons::YesNoCancel:
        box.addButton(QMessageBox::Cancel)->setText(Words::tr("Отмена"));
        box.setEscapeButton(QMessageBox::Cancel);
        [[fallthrough]];
    case MessageButtons::YesNo:
        box.addButton(QMessageBox::Yes)->setText(Words::tr("Да"));
        box.addButton(QMessageBox::No)->setText(Words::tr("Нет"));
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return message.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
}

MessageHandlerScope::MessageHandlerScope(MessageHandler handler)
    : m_previous(std::move(currentHandler())) {
    currentHandler() = std::move(handler);
}

MessageHandlerScope::~MessageHandlerScope() {
    currentHandler() = std::move(m_previous);
}

} // namespace ui
