#include "editor/working_folder.h"

#include <QMainWindow>
#include <QStatusBar>

namespace editor {

QString workingFolderNote(const QString& folder) {
    return QStringLiteral("Папка приложения: ") + folder;
}

void showWorkingFolder(QMainWindow& window, const QString& folder) {
    window.statusBar()->showMessage(workingFolderNote(folder), kWorkingFolderNoteMs);
}

} // namespace editor
