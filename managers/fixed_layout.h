#pragma once
// Building the manager windows: every control at a fixed pixel rectangle of
// its parent (no layout managers), named after its control name, in the small
// sans-serif face the captions were measured for.

#include <QRect>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace managers {

// The windows' face: an 8-point-like sans-serif, 11 pixels high.
void applyWindowFont(QWidget& window);
// A fixed client area of `width` x `height` pixels.
void setClientSize(QWidget& window, int width, int height);

QGroupBox* addFrame(QWidget* parent, const char* name, const QString& caption, QRect rect);
// A caption label; with a `buddy` it announces and focuses that control (a
// list takes the caption, without its colon, as its accessible name).
QLabel* addLabel(QWidget* parent, const QString& caption, QRect rect, QWidget* buddy = nullptr);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect rect);
QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& caption, QRect rect);
// A one-line text box; maxLength 0 keeps the toolkit's limit.
QLineEdit* addTextBox(QWidget* parent, const char* name, const QString& text, QRect rect,
                      int maxLength = 0);
// A text box that only displays.
QLineEdit* addDisplayBox(QWidget* parent, const char* name, const QString& text, QRect rect);
QPlainTextEdit* addMultiLineBox(QWidget* parent, const char* name, QRect rect);
QComboBox* addDropDown(QWidget* parent, const char* name, QRect rect);
QListWidget* addList(QWidget* parent, const char* name, QRect rect);

} // namespace managers
