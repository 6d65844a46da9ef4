#include "app/TimeFormatting.h"

#include "app/InterfaceLanguage.h"
#include "ephemeris/EpochArithmetic.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The context of this file's texts for their translation.
class CText {
    Q_DECLARE_TR_FUNCTIONS(TimeFormatting)
};

// The epoch fields of a date, whole seconds below.
CObservation FieldsOf(const UniversalDate& date)
{
    CObservation fields;
    SetEpochToUniversal(fields, date);
    return fields;
}

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString Degrees(double value, int decimals)
{
    return FormatDecimal(std::abs(value), decimals) + QStringLiteral("°");
}

} // namespace

QString FormatDate(const UniversalDate& date)
{
    const CObservation fields = FieldsOf(date);
    return QStringLiteral("%1/%2/%3").arg(TwoDigits(fields.m_day), TwoDigits(fields.m_month)).arg(fields.m_year);
}

QString FormatClock(const UniversalDate& date)
{
    const CObservation fields = FieldsOf(date);
    const int seconds = static_cast<int>(std::floor(static_cast<double>(fields.m_second)));
    return QStringLiteral("%1:%2:%3").arg(TwoDigits(fields.m_hour), TwoDigits(fields.m_minute), TwoDigits(seconds));
}

QString FormatDateTime(const UniversalDate& date)
{
    return FormatDate(date) + QLatin1Char(' ') + FormatClock(date);
}

QString FormatTimeOffset(double hours)
{
    if (hours == 0.0 || !std::isfinite(hours)) {
        return CText::tr("TU");
    }
    const long minutes = std::lround(std::abs(hours) * 60.0);
    QString text = CText::tr("TU%1%2").arg(hours < 0.0 ? QLatin1Char('-') : QLatin1Char('+')).arg(minutes / 60);
    if (minutes % 60 != 0) {
        text += QLatin1Char(':') + TwoDigits(static_cast<int>(minutes % 60));
    }
    return text;
}

QString FormatDecimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (InterfaceLanguage() == QLocale::French) {
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    return text;
}

QString FormatDuration(double seconds)
{
    const long whole = std::lround(seconds);
    if (whole < 60) {
        return QStringLiteral("%1 s").arg(whole);
    }
    return QStringLiteral("%1 min %2 s").arg(whole / 60).arg(TwoDigits(static_cast<int>(whole % 60)));
}

QString FormatLatitude(double degrees)
{
    return Degrees(degrees, 2) + (degrees < 0.0 ? CText::tr(" S") : CText::tr(" N"));
}

QString FormatLongitude(double degrees)
{
    return Degrees(degrees, 2) + (degrees < 0.0 ? CText::tr(" O") : CText::tr(" E"));
}
