#include "editor/editor_application.h"

#include "canvas/message_box.h"
#include "support/cp1251.h"
#include "support/phrase.h"

#include <exception>
#include <new>

EditorApplication::EditorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool EditorApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        reportFailure("not enough memory");
    } catch (const std::exception& failure) {
        reportFailure(failure.what());
    } catch (...) {
        reportFailure("unknown failure");
    }
    return false;
}

void EditorApplication::reportFailure(const char* what) {
    // A failure while the message is up is not reported over it.
    if (m_reporting)
        return;
    m_reporting = true;
    try {
        ui::showMessage(activeWindow(),
                        {ui::MessageIcon::Critical, "Error",
                         phrase::say(phrase::Ru::tr("Действие не выполнено: %1.\r\nЛокация и её "
                                                    "несохранённые изменения остались как были."),
                                     {cp1251::fromUtf8(what)})});
    } catch (...) {
        // Nothing more can be told; the editor goes on.
    }
    m_reporting = false;
}
