#include "ephemeris/EpochArithmetic.h"

#include "core/Units.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;
constexpr std::int64_t kHundredthsPerDay = 8640000;
constexpr double kDaysPerFourJulianYears = 1461.0;
constexpr int kLastJulianYear = 1582;

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A day number (the Julian Day at 0 h plus 0.5) as a date of the Julian or
// of the Gregorian calendar. Meeus's method holds for day numbers from 0 on;
// earlier ones are brought there by whole cycles of four Julian years.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.
CivilDate DateOfDayNumber(double z, bool gregorian)
{
    double cycles = 0.0;
    if (z < 0.0) {
        cycles = std::ceil(-z / kDaysPerFourJulianYears) + 1.0;
        z += cycles * kDaysPerFourJulianYears;
    }
    double a = z;
    if (gregorian) {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + 1.0 + alpha - std::floor(alpha / 4.0);
    }
    const double b = a + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    CivilDate date;
    date.day = static_cast<int>(b - d - std::floor(30.6001 * e));
    date.month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
    date.year = static_cast<int>((date.month > 2 ? c - 4716.0 : c - 4715.0) - 4.0 * cycles);
    return date;
}

// The inverse of JulianDayAtMidnight: the Gregorian date where it names a
// year after 1582, the Julian date otherwise.
CivilDate DateOfJulianDay(double julianDayAtMidnight)
{
    const double z = std::floor(julianDayAtMidnight + 0.5);
    const CivilDate gregorian = DateOfDayNumber(z, true);
    return gregorian.year > kLastJulianYear ? gregorian : DateOfDayNumber(z, false);
}

void SetDate(CObservation& observation, double julianDayAtMidnight)
{
    const CivilDate date = DateOfJulianDay(julianDayAtMidnight);
    observation.m_year = date.year;
    observation.m_month = date.month;
    observation.m_day = date.day;
}

std::int64_t FloorDivide(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t quotient = value / divisor;
    return quotient * divisor > value ? quotient - 1 : quotient;
}

} // namespace

UniversalDate UniversalOfEpoch(const CObservation& observation)
{
    const double seconds = observation.m_hour * kSecondsPerHour + observation.m_minute * kSecondsPerMinute +
                           static_cast<double>(observation.m_second);
    return {JulianDayAtMidnight(observation.m_day, observation.m_month, observation.m_year), seconds / kSecondsPerDay};
}

void AddMinutesToEpoch(CObservation& observation, int minutes)
{
    const std::int64_t total = static_cast<std::int64_t>(observation.m_hour) * 60 + observation.m_minute + minutes;
    const std::int64_t days = FloorDivide(total, kMinutesPerDay);
    const std::int64_t within = total - days * kMinutesPerDay;
    observation.m_hour = static_cast<std::int32_t>(within / 60);
    observation.m_minute = static_cast<std::int32_t>(within % 60);
    if (days != 0) {
        SetDate(observation, JulianDayAtMidnight(observation.m_day, observation.m_month, observation.m_year) +
                                 static_cast<double>(days));
    }
}

void SetEpochToUniversal(CObservation& observation, const UniversalDate& universal)
{
    // The day at 0 h and the hundredths of a second into it, in whole numbers
    // so that 59.999 s rounds up into the next minute, hour or day.
    const double shifted = universal.part1 + 0.5;
    double day = std::floor(shifted) + std::floor(universal.part2);
    const double fraction = (shifted - std::floor(shifted)) + (universal.part2 - std::floor(universal.part2));
    std::int64_t hundredths = std::llround(fraction * static_cast<double>(kHundredthsPerDay));
    const std::int64_t extraDays = FloorDivide(hundredths, kHundredthsPerDay);
    hundredths -= extraDays * kHundredthsPerDay;
    day += static_cast<double>(extraDays);
    SetDate(observation, day - 0.5);
    observation.m_hour = static_cast<std::int32_t>(hundredths / 360000);
    observation.m_minute = static_cast<std::int32_t>(hundredths / 6000 % 60);
    observation.m_second = static_cast<float>(static_cast<double>(hundredths % 6000) / 100.0);
}

bool EpochDateExists(int year, int month, int day)
{
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return false;
    }
    const CivilDate date = DateOfJulianDay(JulianDayAtMidnight(day, month, year));
    return date.year == year && date.month == month && date.day == day;
}
