#include "core/Calendar.h"

#include "core/Units.h"

#include <cmath>

namespace {

// 1582 October 15, the first day of the Gregorian calendar.
constexpr double kGregorianReformJulianDate = 2299160.5;
constexpr double kDaysPerJulianYear = 365.25;
constexpr double kJulianDateYear2000 = 2451544.5;  // 2000 January 1, 0 h
// The first day number (Julian Day + 0.5) of the Gregorian calendar.
constexpr double kFirstGregorianDayNumber = 2299161.0;
constexpr double kDaysPerFourJulianYears = 1461.0;
constexpr int kReformYear = 1582;
constexpr int kReformMonth = 10;
constexpr int kLastJulianDay = 4;
constexpr int kFirstGregorianDay = 15;

bool IsGregorianYear(int year, int month, int day)
{
    if (year != kReformYear) {
        return year > kReformYear;
    }
    return month > kReformMonth || (month == kReformMonth && day >= kFirstGregorianDay);
}

bool IsLeapYear(int year, bool gregorian)
{
    return gregorian ? (year % 4 == 0 && year % 100 != 0) || year % 400 == 0 : year % 4 == 0;
}

} // namespace

int DaysInMonth(int year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    const bool leap = IsLeapYear(year, IsGregorianYear(year, month, 1));
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool InGregorianGap(int year, int month, int day)
{
    return year == kReformYear && month == kReformMonth && day > kLastJulianDay && day < kFirstGregorianDay;
}

bool IsCalendarDate(int year, int month, int day)
{
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month) && !InGregorianGap(year, month, day);
}

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
    // Meeus's method holds for day numbers from 0 on; earlier ones are
    // brought there by whole cycles of four Julian years.
    double cycles = 0.0;
    if (z < 0.0) {
        cycles = std::ceil(-z / kDaysPerFourJulianYears) + 1.0;
        z += cycles * kDaysPerFourJulianYears;
    }
    double a = z;
    if (z >= kFirstGregorianDayNumber) {
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
    civil.year = static_cast<int>((civil.month > 2 ? c - 4716.0 : c - 4715.0) - 4.0 * cycles);
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
