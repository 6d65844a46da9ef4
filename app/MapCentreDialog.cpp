#include "app/MapCentreDialog.h"

#include "app/DialogFields.h"
#include "app/DigitsEdit.h"
#include "model/Observation.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kSecondDecimals = 3;
constexpr double kMinutesToDegrees = 0.016666666666666666;
constexpr double kSecondsToDegrees = 0.0002777777777777778;
constexpr double kUnitsPerDegree = 60.0;

// A whole number of degrees or minutes as "%d" would write it, without
// overflowing on the huge values that a document file may hold.
QString FormatWhole(double value)
{
    return QString::asprintf("%.0f", value);
}

} // namespace

CMapCentreDialog::CMapCentreDialog(CObservation& observation, QWidget* parent)
    : QDialog(parent), m_observation(observation)
{
    setWindowTitle(QStringLiteral("Centre de la carte"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    // "OK" is created first: it comes first in tab order and takes the focus.
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Annuler"));
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(MakeAngleGroup(QStringLiteral("Longitude"), QStringLiteral("Est"), QStringLiteral("Ouest"),
                                     QStringLiteral("longitude"), m_longitude),
                      0, 0);
    layout->addWidget(MakeAngleGroup(QStringLiteral("Latitude"), QStringLiteral("Nord"), QStringLiteral("Sud"),
                                     QStringLiteral("latitude"), m_latitude),
                      1, 0);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    layout->addLayout(buttons, 0, 1, 2, 1);

    ShowAngle(m_observation.m_centre.m_longitude, m_longitude);
    ShowAngle(m_observation.m_centre.m_latitude, m_latitude);
    ok->setFocus();
}

QWidget* CMapCentreDialog::MakeAngleGroup(const QString& title, const QString& positive, const QString& negative,
                                          const QString& namePrefix, AngleFields& fields)
{
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    fields.degrees = new CDigitsEdit;
    fields.minutes = new CDigitsEdit;
    fields.seconds = new QLineEdit;
    fields.degrees->setObjectName(namePrefix + QStringLiteral("DegreesEdit"));
    fields.minutes->setObjectName(namePrefix + QStringLiteral("MinutesEdit"));
    fields.seconds->setObjectName(namePrefix + QStringLiteral("SecondsEdit"));
    grid->addWidget(fields.degrees, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("°")), 0, 1);
    grid->addWidget(fields.minutes, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("'")), 0, 3);
    grid->addWidget(fields.seconds, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("''")), 0, 5);
    fields.positive = new QRadioButton(positive);
    fields.negative = new QRadioButton(negative);
    fields.positive->setObjectName(namePrefix + QStringLiteral("PositiveButton"));
    fields.negative->setObjectName(namePrefix + QStringLiteral("NegativeButton"));
    grid->addWidget(fields.positive, 1, 0, 1, 2);
    grid->addWidget(fields.negative, 1, 2, 1, 2);
    return group;
}

// The minutes are not carried when the seconds round up to 60.000.
void CMapCentreDialog::ShowAngle(double degrees, const AngleFields& fields)
{
    const double magnitude = std::fabs(degrees);
    const double wholeDegrees = std::trunc(magnitude);
    const double minutesWithFraction = (magnitude - wholeDegrees) * kUnitsPerDegree;
    const double wholeMinutes = std::trunc(minutesWithFraction);
    const double seconds = (minutesWithFraction - wholeMinutes) * kUnitsPerDegree;
    fields.degrees->setText(FormatWhole(wholeDegrees));
    fields.minutes->setText(FormatWhole(wholeMinutes));
    fields.seconds->setText(FormatFixed(seconds, kSecondDecimals));
    (degrees >= 0.0 ? fields.positive : fields.negative)->setChecked(true);
}

double CMapCentreDialog::ReadAngle(const AngleFields& fields)
{
    const double magnitude = ReadIntegerField(*fields.degrees) + ReadIntegerField(*fields.minutes) * kMinutesToDegrees +
                             ReadRealField(*fields.seconds) * kSecondsToDegrees;
    return fields.positive->isChecked() ? magnitude : -magnitude;
}

void CMapCentreDialog::accept()
{
    m_observation.m_centre.m_longitude = ReadAngle(m_longitude);
    m_observation.m_centre.m_latitude = ReadAngle(m_latitude);
    QDialog::accept();
}
