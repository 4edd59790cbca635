#include "managers/key_filters.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QObject>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <functional>

namespace managers {
namespace {

const QString kNameCharacters =
    QStringLiteral("qwertyuiopasdfghjklzxcvbnmQWERTYUIOPASDFGHJKLZXCVBNM-_0123456789[]");

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

// Discards key presses whose typed characters the rule refuses.
class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* box, std::function<bool(QChar)> allowed, bool backspaceGivesOne)
        : QObject(box), m_box(box), m_allowed(std::move(allowed)),
          m_backspaceGivesOne(backspaceGivesOne) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_box || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace) {
            if (m_backspaceGivesOne && m_box->text().isEmpty()) {
                m_box->setText(QStringLiteral("1"));
                m_box->setCursorPosition(0);
            }
            return false;
        }
        const QString typed = key->text();
        if (typed.isEmpty() || isControl(typed.front()))
            return false;
        for (QChar c : typed) {
            if (!m_allowed(c))
                return true;
        }
        return false;
    }

private:
    QLineEdit* m_box;
    std::function<bool(QChar)> m_allowed;
    bool m_backspaceGivesOne;
};

void install(QLineEdit* box, std::function<bool(QChar)> allowed, const QString& pattern,
             bool backspaceGivesOne) {
    box->installEventFilter(new KeyFilter(box, std::move(allowed), backspaceGivesOne));
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
}

} // namespace

bool isNameCharacter(QChar c) {
    return kNameCharacters.contains(c);
}

void installNameFilter(QLineEdit* box) {
    install(box, isNameCharacter, QStringLiteral("[A-Za-z0-9\\-_\\[\\]]*"), false);
}

void installDigitFilter(QLineEdit* box, bool backspaceOnEmptyGivesOne) {
    install(box, isDigit, QStringLiteral("[0-9]*"), backspaceOnEmptyGivesOne);
}

} // namespace managers
