#include "cli/UniversalTimeText.h"

#include "core/Calendar.h"
#include "core/Units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kTenths = 10.0;
constexpr double kMargin = 0.01;  // seconds

std::string YearText(int year)
{
    char text[16];
    std::snprintf(text, sizeof text, year < 0 ? "-%04d" : "%04d", std::abs(year));
    return text;
}

double SecondsOfDay(const CivilDateTime& civil)
{
    return civil.hour * kSecondsPerHour + civil.minute * kSecondsPerMinute + civil.second;
}

CivilDateTime CivilOf(const Instant& universal)
{
    return CivilFromJulianDate(universal.WholeDays(), universal.DayFraction());
}

} // namespace

std::string IsoUniversalTime(const Instant& instant, double deltaT)
{
    // Move to 10 ms past the nearest tenth of a second, so that the date
    // follows when the tenth rounds up to midnight and truncating the
    // seconds gives that tenth.
    const Instant universal = instant.PlusSeconds(-deltaT);
    const double raw = SecondsOfDay(CivilOf(universal));
    const Instant rounded = universal.PlusSeconds(std::round(raw * kTenths) / kTenths - raw + kMargin);
    const CivilDateTime civil = CivilOf(rounded);
    const long tenths = static_cast<long>(std::floor(SecondsOfDay(civil) * kTenths));
    char text[64];
    std::snprintf(text, sizeof text, "%s-%02d-%02dT%02ld:%02ld:%02ld.%ldZ", YearText(civil.year).c_str(), civil.month,
                  civil.day, tenths / 36000, tenths / 600 % 60, tenths / 10 % 60, tenths % 10);
    return text;
}

std::string DateText(const UniversalCalendarDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s-%02d-%02d", YearText(date.year).c_str(), date.month, date.day);
    return text;
}
