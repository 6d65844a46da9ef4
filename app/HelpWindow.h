#pragma once

#include <QWidget>

class QTextBrowser;

// "Rubriques de l'aide": the program's manual in the interface's language
// (French or English), shipped inside the program, in a window of its own
// beside the map.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    const QTextBrowser& Browser() const { return *m_browser; }

private:
    QTextBrowser* m_browser;
};
