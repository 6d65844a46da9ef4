#include "app/AboutDialog.h"

#include "app/ToolBarIcons.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("A propos de Umbrant"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* icon = new QLabel;
    icon->setPixmap(MakeProgramIcon().pixmap(32, 32));
    auto* version = new QLabel(kVersionText);
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* credit = new QLabel(tr("Cartes des éclipses de Soleil : VSOP87, ELP 2000-82B, GSHHS"));
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(credit, 1, 1);
    layout->addWidget(ok, 0, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
