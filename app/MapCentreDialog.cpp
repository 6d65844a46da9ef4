#include "app/MapCentreDialog.h"

#include "app/DialogFields.h"
#include "model/Observation.h"

#include <QLabel>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

CMapCentreDialog::CMapCentreDialog(CObservation& observation, QWidget* parent)
    : QDialog(parent), m_observation(observation)
{
    setWindowTitle(tr("Centre de la carte"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // "OK" is created first: it comes first in tab order and takes the focus.
    auto* ok = new QPushButton(tr("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Annuler"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_longitude.MakeGroup(AngleAxis::Longitude, tr("Longitude"), tr("Est"), tr("Ouest"),
                                            QStringLiteral("longitude")),
                      0, 0);
    layout->addWidget(m_latitude.MakeGroup(AngleAxis::Latitude, tr("Latitude"), tr("Nord"), tr("Sud"),
                                           QStringLiteral("latitude")),
                      1, 0);
    m_error = MakeErrorLabel();
    layout->addWidget(m_error, 2, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1, 2, 1);

    m_longitude.Show(m_observation.m_centre.m_longitude);
    m_latitude.Show(m_observation.m_centre.m_latitude);
    ok->setFocus();
}

void CMapCentreDialog::accept()
{
    const AngleReading longitude = m_longitude.Read();
    if (!longitude.degrees) {
        SetFieldError(*m_error, longitude.error);
        return;
    }
    const AngleReading latitude = m_latitude.Read();
    if (!latitude.degrees) {
        SetFieldError(*m_error, latitude.error);
        return;
    }
    m_observation.m_centre.m_longitude = *longitude.degrees;
    m_observation.m_centre.m_latitude = *latitude.degrees;
    QDialog::accept();
}
