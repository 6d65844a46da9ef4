#pragma once

#include <QLineEdit>

// An edit field into which only digits can be typed or pasted. Text set by
// the program itself (a sign, a decimal point) is kept and can still be
// edited digit by digit.
class CDigitsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CDigitsEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};
