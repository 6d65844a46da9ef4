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
    auto* towns = new QLabel(tr("Villes : GeoNames (geonames.org), sous licence CC-BY-4.0"));
    towns->setObjectName(QStringLiteral("townsCreditLabel"));
    auto* licence = new QLabel(tr("Logiciel libre sous licence GNU GPL version 3 ou ultérieure (GPL-3.0-or-later), "
                                  "sans aucune garantie"));
    licence->setObjectName(QStringLiteral("licenceLabel"));
    licence->setWordWrap(true);
    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(credit, 1, 1);
    layout->addWidget(towns, 2, 1);
    layout->addWidget(licence, 3, 1);
    layout->addWidget(ok, 0, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
