#pragma once
// Driving the managers' controls as a designer would: typing key by key and
// clicking list entries.

#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace managers_testing {

// Types `text` character by character into `widget`, letters beyond ASCII
// included.
inline void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Replaces the text of `box` by typing `text` over all of it.
inline void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    typeText(box, text);
}

inline QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Where the entry of a list is, for clicks.
inline QPoint entryPlace(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}
inline QPoint entryPlace(QListWidget* list, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? QPoint(-1, -1) : list->visualItemRect(found.front()).center();
}

template <class Entry> void clickEntry(QListWidget* list, const Entry& entry) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entryPlace(list, entry));
}
template <class Entry> void doubleClickEntry(QListWidget* list, const Entry& entry) {
    clickEntry(list, entry);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entryPlace(list, entry));
}

} // namespace managers_testing
