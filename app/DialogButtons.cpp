#include "app/DialogButtons.h"

#include "app/AtlasTexts.h"
#include "app/ToolTexts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

QWidget* MakeCancelOkRow(QDialog& dialog, QPushButton** okButton)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    auto* cancel = new QPushButton(kCancelButton);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    auto* ok = new QPushButton(kOkButton);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    layout->addWidget(cancel);
    layout->addWidget(ok);
    if (okButton != nullptr) {
        *okButton = ok;
    }
    return row;
}
