#include "canvas/message_box.h"

#include "support/cp1251.h"

#include <QApplication>
#include <QMessageBox>

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

MessageAnswer showMessage(QWidget* parent, const Message& message) {
    if (currentHandler())
        return currentHandler()(message);
    const QString title =
        message.title.empty() ? QApplication::applicationDisplayName() : qText(message.title);
    QMessageBox box(qIcon(message.icon), title, qText(message.text),
                    message.buttons == MessageButtons::YesNo
                        ? QMessageBox::Yes | QMessageBox::No
                        : QMessageBox::StandardButtons(QMessageBox::Ok),
                    parent);
    const int answer = box.exec();
    if (message.buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

MessageHandlerScope::MessageHandlerScope(MessageHandler handler)
    : m_previous(std::move(currentHandler())) {
    currentHandler() = std::move(handler);
}

MessageHandlerScope::~MessageHandlerScope() {
    currentHandler() = std::move(m_previous);
}

} // namespace ui
