#include "app/AngleFields.h"

#include "app/DialogFields.h"
#include "app/DigitsEdit.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>

#include <cmath>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(AngleFields)
};

constexpr int kSecondDecimals = 3;
constexpr double kMinutesToDegrees = 0.016666666666666666;
constexpr double kSecondsToDegrees = 0.0002777777777777778;
constexpr double kUnitsPerDegree = 60.0;

// The letters that name a hemisphere, as typed in either language.
const QString kLongitudeLetters = QStringLiteral("EWOewo");
const QString kLatitudeLetters = QStringLiteral("NSns");

// A whole number of degrees or minutes as "%d" would write it, without
// overflowing on the huge values that a document file may hold.
QString FormatWhole(double value)
{
    return QString::asprintf("%.0f", value);
}

// A number of digits with an optional fraction after "." or ",".
std::optional<double> UnsignedNumber(QString text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    if (!pattern.match(text).hasMatch()) {
        return std::nullopt;
    }
    return text.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

struct DegreesText {
    double magnitude = 0.0;
    std::optional<bool> positive;  // typed with a sign or a letter
    bool decimal = false;
};

// The hemisphere a letter names: true east or north.
std::optional<bool> HemisphereOfLetter(QChar letter)
{
    switch (letter.toUpper().unicode()) {
    case u'E':
    case u'N': return true;
    case u'W':
    case u'O':
    case u'S': return false;
    default: return std::nullopt;
    }
}

AngleReading Refused(const QString& error, AngleReading::Field field)
{
    AngleReading reading;
    reading.error = error;
    reading.field = field;
    return reading;
}

// Takes a hemisphere letter off either end of text.
std::optional<QChar> TakeLetter(QString& text)
{
    for (const bool front : {true, false}) {
        if (!text.isEmpty()) {
            const QChar end = front ? text.front() : text.back();
            if (end.isLetter()) {
                text = front ? text.mid(1) : text.chopped(1);
                return end;
            }
        }
    }
    return std::nullopt;
}

std::optional<DegreesText> ParseDegrees(const QString& typed, AngleAxis axis, QString& error)
{
    QString text = typed.simplified().remove(QLatin1Char(' '));
    const std::optional<QChar> letter = TakeLetter(text);
    std::optional<QChar> sign;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        sign = text.front();
        text = text.mid(1);
    }
    const std::optional<double> magnitude = UnsignedNumber(text);
    if (!magnitude) {
        error = CText::tr("Degrés illisibles « %1 » : tapez des degrés décimaux (3.70, -3.70, 3.70 O) "
                          "ou des degrés entiers avec leurs minutes et secondes.").arg(typed.trimmed());
        return std::nullopt;
    }
    DegreesText degrees{*magnitude, std::nullopt, text.contains(u'.') || text.contains(u',')};
    if (sign) {
        degrees.positive = *sign == u'+';
    }
    if (letter) {
        const QString& letters = axis == AngleAxis::Longitude ? kLongitudeLetters : kLatitudeLetters;
        if (!letters.contains(*letter)) {
            error = axis == AngleAxis::Longitude ? CText::tr("Une longitude se dit E (est), O ou W (ouest).")
                                                 : CText::tr("Une latitude se dit N (nord) ou S (sud).");
            return std::nullopt;
        }
        const bool positive = *HemisphereOfLetter(*letter);
        if (sign == u'-') {
            error = CText::tr("Le signe moins et la lettre d'hémisphère se contredisent dans « %1 ».").arg(typed.trimmed());
            return std::nullopt;
        }
        degrees.positive = positive;
    }
    return degrees;
}

} // namespace

AngleReading ReadAngle(const AngleEntry& entry, AngleAxis axis)
{
    QString error;
    const std::optional<DegreesText> degrees = ParseDegrees(entry.degrees, axis, error);
    if (!degrees) {
        return Refused(error, AngleReading::Field::Degrees);
    }
    const QString minutesText = entry.minutes.trimmed();
    static const QRegularExpression wholeNumber(QStringLiteral("^\\d+$"));
    const double minutes = minutesText.isEmpty() ? 0.0 : minutesText.toDouble();
    if (!minutesText.isEmpty() && (!wholeNumber.match(minutesText).hasMatch() || minutes >= kUnitsPerDegree)) {
        return Refused(CText::tr("Les minutes sont un nombre entier de 0 à 59."), AngleReading::Field::Minutes);
    }
    const QString secondsText = entry.seconds.trimmed();
    const std::optional<double> seconds = secondsText.isEmpty() ? std::optional(0.0) : UnsignedNumber(secondsText);
    if (!seconds || *seconds >= kUnitsPerDegree) {
        return Refused(CText::tr("Les secondes sont un nombre de 0 à moins de 60."), AngleReading::Field::Seconds);
    }
    if (degrees->decimal && (minutes != 0.0 || *seconds != 0.0)) {
        return Refused(CText::tr("Des degrés décimaux ne prennent ni minutes ni secondes."),
                       AngleReading::Field::Minutes);
    }
    const double magnitude = degrees->magnitude + minutes * kMinutesToDegrees + *seconds * kSecondsToDegrees;
    const double largest = axis == AngleAxis::Longitude ? 180.0 : 90.0;
    if (magnitude > largest) {
        return Refused(axis == AngleAxis::Longitude
                           ? CText::tr("Une longitude va de 0 à 180° est ou ouest (%1° lus).").arg(magnitude)
                           : CText::tr("Une latitude va de 0 à 90° nord ou sud (%1° lus).").arg(magnitude),
                       AngleReading::Field::Degrees);
    }
    AngleReading reading;
    reading.degrees = degrees->positive.value_or(entry.positiveHemisphere) ? magnitude : -magnitude;
    return reading;
}

QWidget* CAngleFields::MakeGroup(AngleAxis axis, const QString& title, const QString& positive,
                                 const QString& negative, const QString& namePrefix)
{
    m_axis = axis;
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    auto* degrees = new CDigitsEdit;
    degrees->AllowAlso(QStringLiteral("+-., ") + (axis == AngleAxis::Longitude ? kLongitudeLetters : kLatitudeLetters));
    degrees->setToolTip(CText::tr("Degrés entiers, ou décimaux avec leur signe ou leur hémisphère : 3.70 O, -3.70"));
    m_degrees = degrees;
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

AngleReading CAngleFields::Read() const
{
    const AngleReading reading =
        ReadAngle({m_degrees->text(), m_minutes->text(), m_seconds->text(), m_positive->isChecked()}, m_axis);
    if (!reading.degrees) {
        QLineEdit* field = reading.field == AngleReading::Field::Degrees   ? m_degrees
                           : reading.field == AngleReading::Field::Minutes ? static_cast<QLineEdit*>(m_minutes)
                                                                           : m_seconds;
        field->setFocus();
        field->selectAll();
    }
    return reading;
}
