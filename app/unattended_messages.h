#pragma once
// While the editor runs unattended (writing a screenshot for a script), no
// modal message box may wait for a person: each message it would show goes to
// the error stream instead, as "mapeditor: TITLE: TEXT", and an error message
// makes the run fail.

#include "canvas/message_box.h"

class UnattendedMessages {
public:
    UnattendedMessages();

    // Whether a critical message was printed.
    bool hadError() const { return m_hadError; }

private:
    ui::MessageAnswer print(const ui::Message& message);

    bool m_hadError = false;
    ui::MessageHandlerScope m_scope;
};
