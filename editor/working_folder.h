#pragma once
// The start-up note of the main window: which application folder the editor
// works in, shown for a while in the status bar the window already has (so
// the client area keeps its size).

#include <QString>

class QMainWindow;

namespace editor {

// How long the note stays, in milliseconds.
constexpr int kWorkingFolderNoteMs = 15000;

QString workingFolderNote(const QString& folder);
void showWorkingFolder(QMainWindow& window, const QString& folder);

} // namespace editor
