#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The "MAJ", "NUM" and "DEF" panes of the status bar. Qt reports the lock
// states only through the native modifiers of key events on X11, so an
// indicator is shown active once a key event has told that its lock is on,
// and greyed otherwise (also while the state is unknown).
class CKeyboardIndicators : public QObject {
    Q_OBJECT

public:
    explicit CKeyboardIndicators(QStatusBar& statusBar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddIndicator(QStatusBar& statusBar, const QString& text);

    QLabel* m_capitals;
    QLabel* m_numbers;
    QLabel* m_scroll;
};
