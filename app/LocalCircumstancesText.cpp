#include "app/LocalCircumstancesText.h"

#include "app/ToolTexts.h"
#include "core/Calendar.h"
#include "core/Instant.h"
#include "core/Units.h"
#include "places/TimeZone.h"

#include <cmath>

namespace {

constexpr double kTenths = 10.0;
constexpr double kMargin = 0.01;  // seconds

double SecondsOfDay(const CivilDateTime& civil)
{
    return civil.hour * kSecondsPerHour + civil.minute * kSecondsPerMinute + civil.second;
}

CivilDateTime CivilOf(const Instant& instant)
{
    return CivilFromJulianDate(instant.WholeDays(), instant.DayFraction());
}

// Moved to 10 ms past the nearest tenth of a second, so that the date
// follows when the tenth rounds up to midnight and truncating the seconds
// gives that tenth.
CivilDateTime RoundedToTenth(const Instant& instant)
{
    const double raw = SecondsOfDay(CivilOf(instant));
    return CivilOf(instant.PlusSeconds(std::round(raw * kTenths) / kTenths - raw + kMargin));
}

double DayNumber(const CivilDateTime& civil)
{
    return JulianDateAtMidnight(civil.year, civil.month, civil.day);
}

} // namespace

QString TimeOfDayText(const Instant& instant, double deltaT, double offsetHours)
{
    const Instant universal = instant.PlusSeconds(-deltaT);
    const CivilDateTime local = RoundedToTenth(universal.PlusSeconds(offsetHours * kSecondsPerHour));
    const long tenths = static_cast<long>(std::floor(SecondsOfDay(local) * kTenths));
    QString text = QString::asprintf("%02ld:%02ld:%02ld.%ld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60, tenths % 10);
    const double shift = DayNumber(local) - DayNumber(RoundedToTenth(universal));
    if (shift > 0.0) {
        text += kNextDayNote;
    } else if (shift < 0.0) {
        text += kPreviousDayNote;
    }
    return text;
}

QString ZoneTimeOfDayText(const Instant& instant, double deltaT, const TimeZone& zone)
{
    const ZoneOffset offset = zone.OffsetAt(PosixSecondsOf(instant, deltaT));
    // The abbreviation after the clock, before the note of another day.
    const QString text = TimeOfDayText(instant, deltaT, offset.seconds / kSecondsPerHour);
    const qsizetype clockLength = QStringLiteral("00:00:00.0").size();
    return text.left(clockLength) + QLatin1Char(' ') + QString::fromStdString(offset.abbreviation) + text.mid(clockLength);
}

QString LocalTypeText(LocalEclipseType type)
{
    switch (type) {
    case LocalEclipseType::Total: return kTotalType;
    case LocalEclipseType::Annular: return kAnnularType;
    case LocalEclipseType::Partial: return kPartialType;
    case LocalEclipseType::None: break;
    }
    return kNoneType;
}

QString DurationText(double seconds)
{
    const int minutes = static_cast<int>(seconds / kSecondsPerMinute);
    return QString::asprintf("%d min %04.1f s", minutes, seconds - kSecondsPerMinute * minutes);
}

QString OffsetText(double offsetHours)
{
    return QStringLiteral("%1%2").arg(offsetHours < 0.0 ? QStringLiteral("-") : QStringLiteral("+"),
                                      QString::number(std::fabs(offsetHours), 'g', 6));
}
