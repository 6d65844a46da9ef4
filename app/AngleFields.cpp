#include "app/AngleFields.h"

#include "app/DialogFields.h"
#include "app/DigitsEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

QWidget* CAngleFields::MakeGroup(const QString& title, const QString& positive, const QString& negative,
                                 const QString& namePrefix)
{
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    m_degrees = new CDigitsEdit;
    m_minutes = new CDigitsEdit;
    m_seconds = new QLineEdit;
    m_degrees->setObjectName(namePrefix + QStringLiteral("DegreesEdit"));
    m_minutes->setObjectName(namePrefix + QStringLiteral("MinutesEdit"));
    m_seconds->setObjectName(namePrefix + QStringLiteral("SecondsEdit"));
    grid->addWidget(m_degrees, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("°")), 0, 1);
    grid->addWidget(m_minutes, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("'")), 0, 3);
    grid->addWidget(m_seconds, 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("''")), 0, 5);
    m_positive = new QRadioButton(positive);
    m_negative = new QRadioButton(negative);
    m_positive->setObjectName(namePrefix + QStringLiteral("PositiveButton"));
    m_negative->setObjectName(namePrefix + QStringLiteral("NegativeButton"));
    grid->addWidget(m_positive, 1, 0, 1, 2);
    grid->addWidget(m_negative, 1, 2, 1, 2);
    return group;
}

void CAngleFields::Show(double degrees) const
{
    const double magnitude = std::fabs(degrees);
    const double wholeDegrees = std::trunc(magnitude);
    const double minutesWithFraction = (magnitude - wholeDegrees) * kUnitsPerDegree;
    const double wholeMinutes = std::trunc(minutesWithFraction);
    const double seconds = (minutesWithFraction - wholeMinutes) * kUnitsPerDegree;
    m_degrees->setText(FormatWhole(wholeDegrees));
    m_minutes->setText(FormatWhole(wholeMinutes));
    m_seconds->setText(FormatFixed(seconds, kSecondDecimals));
    (degrees >= 0.0 ? m_positive : m_negative)->setChecked(true);
}

double CAngleFields::Read() const
{
    const double magnitude = ReadIntegerField(*m_degrees) + ReadIntegerField(*m_minutes) * kMinutesToDegrees +
                             ReadRealField(*m_seconds) * kSecondsToDegrees;
    return m_positive->isChecked() ? magnitude : -magnitude;
}
