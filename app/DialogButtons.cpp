#include "app/DialogButtons.h"

#include "app/AtlasTexts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QWidget* MakeQuitOkRow(QDialog& dialog, QPushButton** okButton)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    auto* quit = new QPushButton(kQuitButton);
    quit->setObjectName(QStringLiteral("quitButton"));
    quit->setAutoDefault(false);
    auto* ok = new QPushButton(kOkButton);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(quit, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(quit);
    layout->addWidget(ok);
    if (okButton != nullptr) {
        *okButton = ok;
    }
    return row;
}
