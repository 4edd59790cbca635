#include "dialogs/tkd_common_dialog.h"

#include "dialogs/file_filter.h"
#include "dialogs/mdl_cdlg.h"
#include "support/cp1251.h"
#include "support/file_system.h"
#include "support/mdl_main.h"

#include <QFileDialog>

#include <filesystem>

namespace {

QString qText(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

// A program path text as the toolkit names it.
QString nativeText(const std::string& text) {
    std::error_code ec;
    const std::filesystem::path native = fsys::resolve(text, ec);
    return ec ? qText(text) : QString::fromStdString(native.string());
}

// The index of the chosen filter: the dialog names it in full, or by its
// description alone when it hides the patterns.
std::int32_t chosenFilter(const QStringList& filters, const QString& chosen) {
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters[i] == chosen || filters[i].startsWith(chosen + QStringLiteral(" (")))
            return static_cast<std::int32_t>(i);
    }
    return 0;
}

} // namespace

void tkdCommonDialog::ShowOpen() {
    show(false);
}

void tkdCommonDialog::ShowSave() {
    show(true);
}

void tkdCommonDialog::show(bool save) {
    const std::int32_t request = requestFlags();
    QFileDialog dialog(m_owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // The filters read as their descriptions alone.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && (request & kFileMustExist) ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request & kOverwritePrompt));
    dialog.setDirectory(nativeText(mdlMain::ApplicationFolder()));
    if (!m_dialogTitle.empty())
        dialog.setWindowTitle(qText(m_dialogTitle));
    dialog.setDefaultSuffix(qText(m_defaultExt));

    const QStringList filters = dialogs::nameFilters(m_filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const bool known = m_filterIndex >= 1 && m_filterIndex <= filters.size();
        dialog.selectNameFilter(filters[known ? m_filterIndex - 1 : 0]);
    }
    if (!m_fileName.empty()) {
        const bool hasFolder = m_fileName.find_first_of("\\/") != std::string::npos;
        dialog.selectFile(hasFolder ? nativeText(m_fileName) : qText(m_fileName));
    }
    mdlCdlg::installHook(dialog);

    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const std::filesystem::path chosen(dialog.selectedFiles().front().toStdString());
        const std::string fileName = fsys::toText(chosen);
        if (fileName.size() <= kMaxFileName) {
            m_fileName = fileName;
            m_fileTitle = fsys::toText(chosen.filename());
            if (!filters.isEmpty())
                m_filterIndex = chosenFilter(filters, dialog.selectedNameFilter()) + 1;
            return;
        }
    }
    if (m_cancelError)
        throw CancelledError();
}
