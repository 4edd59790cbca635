#include "dialogs/mdl_cdlg.h"

#include "dialogs/tkd_common_dialog.h"
#include "support/cp1251.h"

#include <QEvent>
#include <QFileDialog>

#include <memory>

namespace mdlCdlg {
namespace {

std::unique_ptr<tkdCommonDialog>& shared() {
    static std::unique_ptr<tkdCommonDialog> instance;
    return instance;
}

QString qText(const std::string& text) {
    return QString::fromStdString(cp1251::toUtf8(text));
}

// Acts on the dialog's first showing, the moment it is set up, and on
// nothing else.
class Hook : public QObject {
public:
    explicit Hook(QFileDialog& dialog) : QObject(&dialog), m_dialog(dialog) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_dialog && event->type() == QEvent::Show && !m_done) {
            m_done = true;
            apply();
        }
        return false;
    }

private:
    void apply() {
        const tkdCommonDialog& settings = ActiveDialog();
        if (settings.Left() != 0 || settings.Top() != 0)
            m_dialog.move(settings.Left(), settings.Top());
        if (!settings.OKText().empty())
            m_dialog.setLabelText(QFileDialog::Accept, qText(settings.OKText()));
        if (!settings.CancelText().empty())
            m_dialog.setLabelText(QFileDialog::Reject, qText(settings.CancelText()));
    }

    QFileDialog& m_dialog;
    bool m_done = false;
};

} // namespace

tkdCommonDialog& ActiveDialog() {
    if (!shared())
        shared() = std::make_unique<tkdCommonDialog>();
    return *shared();
}

void ReleaseActiveDialog() {
    shared().reset();
}

void installHook(QFileDialog& dialog) {
    dialog.installEventFilter(new Hook(dialog));
}

} // namespace mdlCdlg
