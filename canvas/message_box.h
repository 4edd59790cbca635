#pragma once
// Every message box of the program goes through here, so that tests can see
// what the designer would be told (icon, title, text) without a modal dialog.
// Texts are code page 1251, as everywhere in the program.

#include <functional>
#include <string>

class QString;
class QWidget;

namespace ui {

// The program's own title: the main window's first caption, and the title of
// message boxes that have none of their own. Window titles reach the window
// system exactly as the program sets them, with nothing appended.
QString applicationTitle();

enum class MessageIcon { Information, Warning, Critical, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct Message {
    MessageIcon icon = MessageIcon::Information;
    std::string title; // empty: applicationTitle()
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
};

// Shows the message (modal over `parent`) and returns the button pressed.
MessageAnswer showMessage(QWidget* parent, const Message& message);

// Replaces the dialog by `handler` until the returned guard goes; tests use it.
using MessageHandler = std::function<MessageAnswer(const Message&)>;
class MessageHandlerScope {
public:
    explicit MessageHandlerScope(MessageHandler handler);
    ~MessageHandlerScope();
    MessageHandlerScope(const MessageHandlerScope&) = delete;
    MessageHandlerScope& operator=(const MessageHandlerScope&) = delete;

private:
    MessageHandler m_previous;
};

} // namespace ui
