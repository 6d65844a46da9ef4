#pragma once

#include <QDialog>

// "A propos de Umbrant": the icon, the version, the credits of the data and
// the licence.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

inline const QString kVersionText = QStringLiteral("Umbrant version 0.1.0.8");
