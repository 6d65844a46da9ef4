#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

// A menu whose greyed items show their prompt in the status bar too when the
// mouse is over them: Qt shows the prompts (status tips) of enabled items
// only. Leaving a greyed item for a separator, for outside the menu or
// closing the menu brings the idle text back.
class CPromptingMenu : public QMenu {
    Q_OBJECT

public:
    CPromptingMenu(const QString& title, QWidget* parent);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ShowPrompt(const QString& prompt);
    void ForgetGreyedItem();

    QPointer<QAction> m_greyedItem;  // the greyed item whose prompt is shown
};
