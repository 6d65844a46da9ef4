#include "core/Calendar.h"

#include "core/Units.h"

#include <cmath>

namespace {

// 1582 October 15, the first day of the Gregorian calendar.
constexpr double kGregorianReformJulianDate = 2299160.5;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kJulianDateYear2000 = 2451544.5;  // 2000 January 1, 0 h

} // namespace

double JulianDateAtMidnight(int year, int month, int day)
{
    double y = year;
    double m = month;
    if (month <= 2) {
        y -= 1.0;
        m += 12.0;
    }
    const double julian = std::floor(365.25 * (y + 4716.0)) + std::floor(30.6001 * (m + 1.0)) + day - 1524.5;
    if (julian < kGregorianReformJulianDate) {
        return julian;
    }
    const double a = std::floor(y / 100.0);
    return julian + 2.0 - a + std::floor(a / 4.0);
}

CivilDateTime CivilFromJulianDate(double part1, double part2)
{
    // Split into the civil day (starting at 0 h) and the seconds into it.
    const double shifted1 = part1 + 0.5;
    const double whole = std::floor(shifted1) + std::floor(part2);
    double fraction = (shifted1 - std::floor(shifted1)) + (part2 - std::floor(part2));
    double z = whole + std::floor(fraction);
    fraction -= std::floor(fraction);
    double seconds = fraction * kSecondsPerDay;
    if (seconds >= kSecondsPerDay) {
        seconds = 0.0;
        z += 1.0;
    }
    double a = z;
    if (z >= 2299161.0) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);

    CivilDateTime civil;
    civil.day = static_cast<int>(b - d - std::floor(30.6001 * e));
    civil.month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
    civil.year = static_cast<int>(civil.month > 2 ? c - 4716.0 : c - 4715.0);
    civil.hour = static_cast<int>(seconds / kSecondsPerHour);
    seconds -= civil.hour * kSecondsPerHour;
    civil.minute = static_cast<int>(seconds / kSecondsPerMinute);
    civil.second = seconds - civil.minute * kSecondsPerMinute;
    return civil;
}

double DecimalYear(double julianDate)
{
    return 2000.0 + (julianDate - kJulianDateYear2000) / kDaysPerJulianYear;
}
