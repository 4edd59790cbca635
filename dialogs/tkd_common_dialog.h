#pragma once
// tkdCommonDialog: the open-file and save-file dialogs behind properties, on
// the toolkit's own file dialog (not the desktop's), so that the initial
// position and the texts of the OK and Cancel buttons can be applied. The
// dialog always starts in the application folder.
//
// Nothing in the editor shows a file dialog: this is a component kept ready
// for use. The one shared instance, mdlCdlg::ActiveDialog(), is the one whose
// Left, Top, OKText and CancelText are applied to every file dialog as it
// opens (see mdl_cdlg.h); the main window releases it when it closes with
// mdlCdlg::ReleaseActiveDialog().
//
// Texts are code page 1251, file names program texts with "\" separators.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class QWidget;

class tkdCommonDialog {
public:
    // Raised by ShowOpen and ShowSave for a cancelled dialog when CancelError
    // is true.
    class CancelledError : public std::runtime_error {
    public:
        CancelledError() : std::runtime_error("the file dialog was cancelled") {}
    };

    // The longest FileName the dialog takes or gives.
    static constexpr std::size_t kMaxFileName = 260;

    // Option flags. Every dialog gets kExplorerStyle and kHookEnabled added;
    // of the rest, kOverwritePrompt (save: ask before replacing a file) and
    // kFileMustExist (open: only existing files) take effect.
    static constexpr std::int32_t kOverwritePrompt = 0x2;
    static constexpr std::int32_t kHookEnabled = 0x20;
    static constexpr std::int32_t kFileMustExist = 0x1000;
    static constexpr std::int32_t kExplorerStyle = 0x80000;

    // Shows the dialog modally. On confirmation sets FileName, FileTitle and
    // FilterIndex; on cancellation leaves them and, when CancelError is true,
    // raises CancelledError. A chosen path longer than kMaxFileName cannot be
    // handed back and counts as a cancellation.
    void ShowOpen();
    void ShowSave();

    // The flags a dialog is shown with.
    std::int32_t requestFlags() const { return m_flags | kExplorerStyle | kHookEnabled; }

    const std::string& FileName() const { return m_fileName; }
    // Takes at most kMaxFileName characters.
    void setFileName(const std::string& name) { m_fileName = name.substr(0, kMaxFileName); }
    const std::string& FileTitle() const { return m_fileTitle; }
    void setFileTitle(const std::string& title) { m_fileTitle = title; }
    const std::string& Filter() const { return m_filter; }
    void setFilter(const std::string& filter) { m_filter = filter; }
    // 1-based: the selected pair of Filter.
    std::int32_t FilterIndex() const { return m_filterIndex; }
    void setFilterIndex(std::int32_t index) { m_filterIndex = index; }
    const std::string& DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const std::string& ext) { m_defaultExt = ext; }
    const std::string& DialogTitle() const { return m_dialogTitle; }
    void setDialogTitle(const std::string& title) { m_dialogTitle = title; }
    std::int32_t flags() const { return m_flags; }
    void setFlags(std::int32_t flags) { m_flags = flags; }
    QWidget* hOwner() const { return m_owner; }
    void setHOwner(QWidget* owner) { m_owner = owner; }
    bool CancelError() const { return m_cancelError; }
    void setCancelError(bool on) { m_cancelError = on; }
    // Empty keeps the dialog's own caption.
    const std::string& OKText() const { return m_okText; }
    void setOKText(const std::string& text) { m_okText = text; }
    const std::string& CancelText() const { return m_cancelText; }
    void setCancelText(const std::string& text) { m_cancelText = text; }
    // Screen position of the dialog window; both 0 keeps the toolkit's placement.
    std::int32_t Left() const { return m_left; }
    void setLeft(std::int32_t left) { m_left = left; }
    std::int32_t Top() const { return m_top; }
    void setTop(std::int32_t top) { m_top = top; }
    // Kept only.
    const std::string& DialogPrompt() const { return m_dialogPrompt; }
    void setDialogPrompt(const std::string& prompt) { m_dialogPrompt = prompt; }
    const std::string& AppName() const { return m_appName; }
    void setAppName(const std::string& name) { m_appName = name; }

private:
    void show(bool save);

    std::string m_fileName;
    std::string m_fileTitle;
    std::string m_filter;
    std::int32_t m_filterIndex = 0;
    std::string m_defaultExt;
    std::string m_dialogTitle;
    std::int32_t m_flags = 0;
    QWidget* m_owner = nullptr;
    bool m_cancelError = false;
    std::string m_okText;
    std::string m_cancelText;
    std::int32_t m_left = 0;
    std::int32_t m_top = 0;
    std::string m_dialogPrompt;
    std::string m_appName;
};
