#include "managers/limited_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace managers {

LimitedTextEdit::LimitedTextEdit(QWidget* parent, int maxLength)
    : QPlainTextEdit(parent), m_maxLength(maxLength) {}

int LimitedTextEdit::room() const {
    const QTextCursor cursor = textCursor();
    const int selected = cursor.selectionEnd() - cursor.selectionStart();
    return m_maxLength - (static_cast<int>(toPlainText().size()) - selected);
}

void LimitedTextEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool inserts =
        !typed.isEmpty() && (typed.front().isPrint() || typed.front() == QLatin1Char('\t') ||
                             event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    if (inserts && room() < typed.size()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    const int available = room();
    if (available <= 0)
        return;
    insertPlainText(source->text().left(available));
}

LimitedTextEdit* addLimitedMultiLineBox(QWidget* parent, const char* name, QRect rect,
                                        int maxLength) {
    auto* box = new LimitedTextEdit(parent, maxLength);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(rect);
    return box;
}

} // namespace managers
