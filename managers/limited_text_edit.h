#pragma once
// A multi-line text box that takes at most a given number of characters from
// the keyboard and from pasted text; text set by the program is not cut.

#include <QPlainTextEdit>

namespace managers {

class LimitedTextEdit : public QPlainTextEdit {
public:
    LimitedTextEdit(QWidget* parent, int maxLength);

    int maxLength() const { return m_maxLength; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Characters that can still be typed over the current selection.
    int room() const;

    int m_maxLength;
};

LimitedTextEdit* addLimitedMultiLineBox(QWidget* parent, const char* name, QRect rect,
                                        int maxLength);

} // namespace managers
