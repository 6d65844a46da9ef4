#include "ephemeris/EpochArithmetic.h"
#include "ephemeris/TimeScales.h"
#include "tests/Epochs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

namespace {

struct Fields {
    int year, month, day, hour, minute;
};

CObservation EpochOf(const Fields& fields, float second = 0.0f)
{
    return UtEpoch(fields.day, fields.month, fields.year, fields.hour, fields.minute, second, std::nullopt);
}

void ExpectFields(const CObservation& observation, const Fields& expected, const char* label)
{
    EXPECT_EQ(observation.m_year, expected.year) << label;
    EXPECT_EQ(observation.m_month, expected.month) << label;
    EXPECT_EQ(observation.m_day, expected.day) << label;
    EXPECT_EQ(observation.m_hour, expected.hour) << label;
    EXPECT_EQ(observation.m_minute, expected.minute) << label;
}

double SecondsBetween(const UniversalDate& later, const UniversalDate& earlier)
{
    return ((later.part1 - earlier.part1) + (later.part2 - earlier.part2)) * 86400.0;
}

} // namespace

TEST(EpochSteps, CarryIntoTheHourDayMonthAndYearBothWays)
{
    struct Case {
        const char* label;
        Fields from;
        int minutes;
        Fields to;
    };
    const Case cases[] = {
        {"into the new year", {2024, 12, 31, 23, 59}, 1, {2025, 1, 1, 0, 0}},
        {"back into the old year", {2025, 1, 1, 0, 0}, -1, {2024, 12, 31, 23, 59}},
        {"back onto a Gregorian leap day", {2024, 3, 1, 0, 5}, -10, {2024, 2, 29, 23, 55}},
        {"1900 is no Gregorian leap year", {1900, 3, 1, 0, 0}, -1, {1900, 2, 28, 23, 59}},
        {"1500 is a Julian leap year", {1500, 3, 1, 0, 0}, -1, {1500, 2, 29, 23, 59}},
        // The calendar turns Gregorian at the reform: ten days are skipped there.
        {"from the last Julian day to the first Gregorian", {1582, 10, 4, 23, 59}, 1, {1582, 10, 15, 0, 0}},
        {"back across the reform", {1582, 10, 15, 0, 0}, -1, {1582, 10, 4, 23, 59}},
        {"into 1583, no skip", {1582, 12, 31, 23, 55}, 10, {1583, 1, 1, 0, 5}},
        {"across the year 0", {-500, 1, 1, 0, 5}, -10, {-501, 12, 31, 23, 55}},
        {"a month of days at once", {2024, 1, 31, 10, 0}, 30 * 1440, {2024, 3, 1, 10, 0}},
        {"a minute beyond 59 carries", {2024, 4, 8, 18, 75}, 1, {2024, 4, 8, 19, 16}},
        {"a day beyond the month runs on", {2023, 2, 31, 10, 0}, 1440, {2023, 3, 4, 10, 0}},
        {"an hour of 24 carries back", {2024, 4, 8, 24, 0}, -1, {2024, 4, 8, 23, 59}},
    };
    for (const Case& c : cases) {
        CObservation epoch = EpochOf(c.from);
        AddMinutesToEpoch(epoch, c.minutes);
        ExpectFields(epoch, c.to, c.label);
    }
}

// The Julian Day of the date, from the document's own calendar, is the
// independent route: a step of n minutes moves it by n minutes exactly, and
// the float seconds come back bit for bit.
TEST(EpochSteps, MoveTheUniversalTimeByTheMinutesAndKeepTheSeconds)
{
    std::mt19937 random(13);
    std::uniform_int_distribution<int> year(-1999, 3000);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_int_distribution<int> minuteOfDay(0, 1439);
    std::uniform_int_distribution<int> step(-3000, 3000);
    for (int i = 0; i < 2000; ++i) {
        const int minute = minuteOfDay(random);
        CObservation epoch = EpochOf({year(random), month(random), day(random), minute / 60, minute % 60}, 37.37f);
        const UniversalDate before = UniversalOfEpoch(epoch);
        const int minutes = step(random);
        AddMinutesToEpoch(epoch, minutes);
        EXPECT_NEAR(SecondsBetween(UniversalOfEpoch(epoch), before), minutes * 60.0, 1e-3);
        const float expectedSecond = 37.37f;
        EXPECT_EQ(std::memcmp(&epoch.m_second, &expectedSecond, sizeof expectedSecond), 0);
        EXPECT_GE(epoch.m_day, 1);
        EXPECT_LE(epoch.m_day, 31);
        EXPECT_LT(epoch.m_minute, 60);
        EXPECT_LT(epoch.m_hour, 24);
    }
}

TEST(EpochToUniversal, GivesThePublishedDatesOfJulianDays)
{
    struct Case {
        const char* label;
        UniversalDate universal;
        Fields expected;
        float second;
    };
    const Case cases[] = {
        // Meeus, Astronomical Algorithms, examples 7.a and 7.c.
        {"1957 October 4.81", {2436116.31, 0.0}, {1957, 10, 4, 19, 26}, 24.0f},
        {"333 January 27.5, Julian", {1842713.0, 0.0}, {333, 1, 27, 12, 0}, 0.0f},
        {"-584 May 28.63, Julian", {1507900.13, 0.0}, {-584, 5, 28, 15, 7}, 12.0f},
        // 59.996 s rounds to the hundredth into the next day.
        {"just before midnight", {2460408.5, 1.0 - 0.004 / 86400.0}, {2024, 4, 9, 0, 0}, 0.0f},
        {"greatest eclipse 2024", {2460408.5, (18 * 3600 + 17 * 60 + 20.25) / 86400.0}, {2024, 4, 8, 18, 17}, 20.25f},
    };
    for (const Case& c : cases) {
        CObservation epoch;
        epoch.m_deltaT = 69.1f;
        epoch.m_deltaTAuto = false;
        SetEpochToUniversal(epoch, c.universal);
        ExpectFields(epoch, c.expected, c.label);
        EXPECT_NEAR(epoch.m_second, c.second, 1e-4) << c.label;
        EXPECT_EQ(epoch.m_deltaT, 69.1f) << c.label;
        EXPECT_FALSE(epoch.m_deltaTAuto) << c.label;
    }
}

TEST(EpochToUniversal, ComesBackToItsJulianDayWithinAHundredthOfASecond)
{
    std::mt19937 random(29);
    std::uniform_int_distribution<int> day(990557, 2817152);  // -2000 to 3000
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 0; i < 2000; ++i) {
        const UniversalDate universal{day(random) + 0.5, fraction(random)};
        CObservation epoch;
        SetEpochToUniversal(epoch, universal);
        EXPECT_NEAR(SecondsBetween(UniversalOfEpoch(epoch), universal), 0.0, 0.006);
    }
}
