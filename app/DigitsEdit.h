#pragma once

#include <QLineEdit>

// An edit field into which only digits (and the characters allowed besides,
// such as a sign) can be typed or pasted. Text set by the program itself is
// kept and can still be edited.
class CDigitsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CDigitsEdit(QWidget* parent = nullptr);

    // Lets these characters be typed too.
    void AllowAlso(const QString& characters) { m_alsoAllowed = characters; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool IsAllowed(const QString& text) const;

    QString m_alsoAllowed;
};
