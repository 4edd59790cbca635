#pragma once
// The texts a person reads on a window, gathered from its widgets, and the
// captions that do not fit their controls; for the tests of the interface
// languages. Header only: the suites of windows include it.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolBar>
#include <QWidget>

#include <set>
#include <string>
#include <vector>

namespace testing_support {

struct ShownText {
    std::string where; // the widget's or action's object name and what the text is
    QString text;
};

inline bool hasCyrillic(const QString& text) {
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

namespace detail {

inline void addText(std::vector<ShownText>& texts, const QObject& owner, const char* what,
                    const QString& text) {
    if (!text.isEmpty())
        texts.push_back({owner.objectName().toStdString() + " " + what, text});
}

inline void addActions(std::vector<ShownText>& texts, const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
        addText(texts, *action, "text", action->text());
        if (action->toolTip() != action->text())
            addText(texts, *action, "tool tip", action->toolTip());
        if (action->menu()) {
            addText(texts, *action->menu(), "menu title", action->menu()->title());
            addActions(texts, action->menu()->actions());
        }
    }
}

} // namespace detail

// Window titles, labels, buttons, group box titles, dock titles, tool tips,
// accessible names, menus and their actions, tool bar actions, combo box
// items, list items and table headers of `window` and its children, except
// the items of the widgets named in `dataWidgets` (lists of the designer's
// own names, which stay as the files spell them).
inline std::vector<ShownText> shownTexts(QWidget& window,
                                         const std::set<QString>& dataWidgets = {}) {
    using detail::addText;
    std::vector<ShownText> texts;
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (widget->isWindow())
            addText(texts, *widget, "window title", widget->windowTitle());
        addText(texts, *widget, "tool tip", widget->toolTip());
        addText(texts, *widget, "accessible name", widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget))
            addText(texts, *label, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            addText(texts, *button, "text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            addText(texts, *group, "title", group->title());
        if (auto* dock = qobject_cast<QDockWidget*>(widget))
            addText(texts, *dock, "title", dock->windowTitle());
        if (auto* bar = qobject_cast<QToolBar*>(widget))
            addText(texts, *bar, "title", bar->windowTitle());
        if (auto* menu = qobject_cast<QMenu*>(widget))
            addText(texts, *menu, "menu title", menu->title());
        detail::addActions(texts, widget->actions());
        if (dataWidgets.count(widget->objectName()))
            continue;
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                addText(texts, *combo, "item", combo->itemText(i));
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int i = 0; i < list->count(); ++i)
                addText(texts, *list, "item", list->item(i)->text());
        if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                addText(texts, *header, "header",
                        header->model()->headerData(i, header->orientation()).toString());
    }
    return texts;
}

// The texts of `window` in a script of Cyrillic letters.
inline std::vector<std::string> cyrillicTexts(QWidget& window,
                                              const std::set<QString>& dataWidgets = {}) {
    std::vector<std::string> found;
    for (const ShownText& shown : shownTexts(window, dataWidgets))
        if (hasCyrillic(shown.text))
            found.push_back(shown.where + ": " + shown.text.toStdString());
    return found;
}

// The labels, buttons, check boxes and group boxes of `window` whose caption
// is wider than the room the control gives it (one line, as they are drawn).
inline std::vector<std::string> clippedCaptions(QWidget& window) {
    std::vector<std::string> clipped;
    const auto check = [&clipped](const QWidget& widget, const QString& caption, int room) {
        QString shown = caption;
        shown.remove('&');
        const int wide = widget.fontMetrics().horizontalAdvance(shown);
        if (!caption.isEmpty() && wide > room)
            clipped.push_back(widget.objectName().toStdString() + " \"" + caption.toStdString() +
                              "\": " + std::to_string(wide) + " > " + std::to_string(room));
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && !label->wordWrap() && !label->text().startsWith('<'))
            check(*label, label->text(), label->contentsRect().width());
        if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(box);
            const int indicator =
                box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
                box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
            check(*box, box->text(), box->width() - indicator);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            check(*button, button->text(), button->width() - 4);
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            QFont font = group->font();
            font.setBold(true);
            const int wide = QFontMetrics(font).horizontalAdvance(group->title());
            if (wide > group->width())
                clipped.push_back(group->objectName().toStdString() + " \"" +
                                  group->title().toStdString() + "\"");
        }
    }
    return clipped;
}

} // namespace testing_support
