#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// A pair of arrows bound to an edit field, stepping the integer written in it
// by one within a range; the Up and Down keys in the field step it too. The
// range bounds only the arrows: a value typed into the field stays as typed.
class CSpinButtons : public QWidget {
    Q_OBJECT

public:
    CSpinButtons(QLineEdit& buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int Minimum() const { return m_minimum; }
    int Maximum() const { return m_maximum; }

    // Moves the field's value by steps, stopping at the bounds; a value
    // outside the range first comes back to the nearest bound.
    void StepBy(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* MakeArrow(Qt::ArrowType direction, int steps);

    QLineEdit& m_buddy;
    int m_minimum;
    int m_maximum;
};
