#include "ephemeris/EpochArithmetic.h"

#include "core/Calendar.h"
#include "core/Units.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;
constexpr std::int64_t kHundredthsPerDay = 8640000;
void SetDate(CObservation& observation, double julianDayAtMidnight)
{
    const CivilDateTime date = CivilFromJulianDate(julianDayAtMidnight, 0.0);
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
    return {JulianDateAtMidnight(observation.m_year, observation.m_month, observation.m_day), seconds / kSecondsPerDay};
}

void AddMinutesToEpoch(CObservation& observation, int minutes)
{
    const std::int64_t total = static_cast<std::int64_t>(observation.m_hour) * 60 + observation.m_minute + minutes;
    const std::int64_t days = FloorDivide(total, kMinutesPerDay);
    const std::int64_t within = total - days * kMinutesPerDay;
    observation.m_hour = static_cast<std::int32_t>(within / 60);
    observation.m_minute = static_cast<std::int32_t>(within % 60);
    if (days != 0) {
        SetDate(observation, JulianDateAtMidnight(observation.m_year, observation.m_month, observation.m_day) +
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
    return IsCalendarDate(year, month, day);
}
