#include "editor/working_folder.h"

#include "canvas/ui_words.h"

#include <QMainWindow>
#include <QStatusBar>

namespace editor {

QString workingFolderNote(const QString& folder) {
    return Words::tr("Папка приложения: %1").arg(folder);
}

void showWorkingFolder(QMainWindow& window, const QString& folder) {
    window.statusBar()->showMessage(workingFolderNote(folder), kWorkingFolderNoteMs);
}

} // namespace editor
