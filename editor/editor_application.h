#pragma once
// The editor's application object. No exception escapes an event handler: a
// failure inside one is shown in a critical message naming what failed, and
// the editor goes on with the location and its unsaved edits as they were.

#include <QApplication>

class EditorApplication : public QApplication {
public:
    EditorApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    void reportFailure(const char* what);
    bool m_reporting = false;
};
