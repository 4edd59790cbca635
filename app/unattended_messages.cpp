#include "app/unattended_messages.h"

#include "support/cp1251.h"

#include <QString>

#include <cstdio>
#include <string>

UnattendedMessages::UnattendedMessages()
    : m_scope([this](const ui::Message& message) { return print(message); }) {}

ui::MessageAnswer UnattendedMessages::print(const ui::Message& message) {
    // One line: each line break becomes a blank.
    std::string line;
    for (const char c : cp1251::toUtf8(message.text)) {
        if (c == '\n')
            line += ' ';
        else if (c != '\r')
            line += c;
    }
    const std::string title = message.title.empty() ? ui::applicationTitle().toStdString()
                                                    : cp1251::toUtf8(message.title);
    std::fprintf(stderr, "mapeditor: %s: %s\n", title.c_str(), line.c_str());
    if (message.icon == ui::MessageIcon::Critical)
        m_hadError = true;
    // Nobody is there to agree to anything: questions are declined.
    return message.buttons == ui::MessageButtons::Ok ? ui::MessageAnswer::Ok
                                                     : ui::MessageAnswer::Cancel;
}
