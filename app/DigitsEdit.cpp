#include "app/DigitsEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace {

// Text typed by a key: printable characters only; editing keys carry none or
// control characters.
bool TypesText(const QKeyEvent& event)
{
    const QString text = event.text();
    return !text.isEmpty() && std::none_of(text.begin(), text.end(), [](QChar character) {
        return character.category() == QChar::Other_Control;
    });
}

} // namespace

CDigitsEdit::CDigitsEdit(QWidget* parent) : QLineEdit(parent)
{
    // Dropped text would bypass the filter on typing.
    setAcceptDrops(false);
}

bool CDigitsEdit::IsAllowed(const QString& text) const
{
    return std::all_of(text.begin(), text.end(), [this](QChar character) {
        return (character >= u'0' && character <= u'9') || m_alsoAllowed.contains(character);
    });
}

void CDigitsEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text();
        if (IsAllowed(pasted)) {
            insert(pasted);
        } else {
            QApplication::beep();
        }
        event->accept();
        return;
    }
    if (TypesText(*event) && !IsAllowed(event->text())) {
        QApplication::beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CDigitsEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (!IsAllowed(event->commitString())) {
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}
