#include "app/PromptingMenu.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QStatusTipEvent>

CPromptingMenu::CPromptingMenu(const QString& title, QWidget* parent) : QMenu(title, parent) {}

// Qt has shown the prompt of an enabled item, or cleared it, before the
// greyed item's turn.
void CPromptingMenu::mouseMoveEvent(QMouseEvent* event)
{
    QMenu::mouseMoveEvent(event);
    QAction* item = actionAt(event->position().toPoint());
    if (item != nullptr && !item->isSeparator() && !item->isEnabled()) {
        if (item != m_greyedItem) {
            m_greyedItem = item;
            ShowPrompt(item->statusTip());
        }
    } else if (item == nullptr || item->isSeparator()) {
        ForgetGreyedItem();
    } else {
        m_greyedItem = nullptr;
    }
}

void CPromptingMenu::leaveEvent(QEvent* event)
{
    ForgetGreyedItem();
    QMenu::leaveEvent(event);
}

void CPromptingMenu::hideEvent(QHideEvent* event)
{
    ForgetGreyedItem();
    QMenu::hideEvent(event);
}

void CPromptingMenu::ForgetGreyedItem()
{
    if (m_greyedItem != nullptr) {
        m_greyedItem = nullptr;
        ShowPrompt(QString());
    }
}

// The prompt goes where Qt sends those of enabled items: to the window that
// holds the menu bar, past any menus this one hangs from.
void CPromptingMenu::ShowPrompt(const QString& prompt)
{
    QWidget* holder = parentWidget();
    while (qobject_cast<QMenu*>(holder) != nullptr) {
        holder = holder->parentWidget();
    }
    if (holder != nullptr) {
        QStatusTipEvent tip(prompt);
        QCoreApplication::sendEvent(holder->window(), &tip);
    }
}
