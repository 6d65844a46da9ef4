#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QLabel;
class QStatusBar;

// Which lock indicators of the keyboard are lit.
struct LockStates {
    bool capitals = false;
    bool numbers = false;
    bool scroll = false;
};

// Asks the keyboard for its lock indicators; nothing when the platform does
// not tell.
using IndicatorQuery = std::function<std::optional<LockStates>()>;

// The query of the platform the program runs on: the keyboard's indicators
// as the X server keeps them; none elsewhere (offscreen, Wayland).
IndicatorQuery PlatformIndicatorQuery();

// The "MAJ", "NUM" and "DEF" panes of the status bar, each shown active while
// its lock is on and greyed otherwise. They follow the indicator query at
// start-up and at every key event. Without a query, on X11 the native
// modifiers of key events tell the capitals and number locks from the first
// key on; elsewhere the panes stay greyed.
class CKeyboardIndicators : public QObject {
    Q_OBJECT

public:
    explicit CKeyboardIndicators(QStatusBar& statusBar, IndicatorQuery query = PlatformIndicatorQuery());

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddIndicator(QStatusBar& statusBar, const QString& text, const char* name);
    // Shows the query's answer; false when there is none.
    bool ShowQueriedStates();
    void ShowStates(const LockStates& states);

    IndicatorQuery m_query;
    QLabel* m_capitals;
    QLabel* m_numbers;
    QLabel* m_scroll;
};
