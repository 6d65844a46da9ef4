#include "core/Calendar.h"
#include "core/CalendarText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

struct DatedDay {
    int year;
    int month;
    int day;
    double julianDate;  // at 0 h
};

// Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7 and its examples,
// and the reform: 1582 October 4 (Julian) is followed by October 15.
constexpr DatedDay kPublishedDays[] = {
    {2000, 1, 1, 2451544.5},   {1999, 1, 1, 2451179.5},   {1987, 1, 27, 2446822.5}, {1987, 6, 19, 2446965.5},
    {1988, 1, 27, 2447187.5},  {1988, 6, 19, 2447331.5},  {1900, 1, 1, 2415020.5},  {1600, 1, 1, 2305447.5},
    {1600, 12, 31, 2305812.5}, {837, 4, 10, 2026871.5},   {-123, 12, 31, 1676496.5}, {-122, 1, 1, 1676497.5},
    {-1000, 7, 12, 1356000.5}, {-1000, 2, 29, 1355866.5}, {-1001, 8, 17, 1355670.5}, {-4712, 1, 1, -0.5},
    {1582, 10, 4, 2299159.5},  {1582, 10, 15, 2299160.5}, {1582, 12, 1, 2299207.5}, {1583, 1, 1, 2299238.5},
    {333, 1, 27, 1842712.5},   {1957, 10, 4, 2436115.5},
};

TEST(Calendar, JulianDatesOfPublishedDaysAndBack)
{
    for (const DatedDay& d : kPublishedDays) {
        const std::string date = IsoDateText(d.year, d.month, d.day);
        EXPECT_EQ(JulianDateAtMidnight(d.year, d.month, d.day), d.julianDate) << date;
        const CivilDateTime back = CivilFromJulianDate(d.julianDate, 0.0);
        EXPECT_EQ(IsoDateText(back.year, back.month, back.day), date);
        EXPECT_TRUE(IsCalendarDate(d.year, d.month, d.day)) << date;
    }
}

// Before the Julian Day's origin the days are counted back in whole cycles.
TEST(Calendar, DaysBeforeTheJulianDaysOriginComeBackToTheirDates)
{
    for (const int year : {-4713, -4800, -10000}) {
        const double julianDate = JulianDateAtMidnight(year, 3, 1);
        const CivilDateTime back = CivilFromJulianDate(julianDate, 0.0);
        EXPECT_EQ(IsoDateText(back.year, back.month, back.day), IsoDateText(year, 3, 1));
        EXPECT_EQ(JulianDateAtMidnight(year, 2, 28) + 1.0 + (year % 4 == 0 ? 1.0 : 0.0), julianDate);
    }
}

TEST(Calendar, KnowsTheDaysOfEachMonthInBothCalendars)
{
    EXPECT_EQ(DaysInMonth(1500, 2), 29);   // Julian: every fourth year
    EXPECT_EQ(DaysInMonth(1700, 2), 28);   // Gregorian: not the centuries
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(-4, 2), 29);
    EXPECT_EQ(DaysInMonth(2023, 4), 30);
    EXPECT_FALSE(IsCalendarDate(2024, 2, 30));
    EXPECT_FALSE(IsCalendarDate(2024, 13, 1));
    for (int day = 5; day <= 14; ++day) {
        EXPECT_FALSE(IsCalendarDate(1582, 10, day)) << day;
        EXPECT_TRUE(InGregorianGap(1582, 10, day)) << day;
    }
    // Days beyond the month run on, as the document's epochs do.
    EXPECT_EQ(JulianDateAtMidnight(2006, 2, 30), JulianDateAtMidnight(2006, 3, 2));
}

TEST(CalendarText, ReadsDatesAndTimesOfTheCalendarOnly)
{
    struct Case {
        const char* text;
        std::optional<DateTextError> error;
        bool hasTime;
    };
    const Case cases[] = {
        {"2024-04-08", std::nullopt, false},
        {"2024-04-08T18:17", std::nullopt, true},
        {"2024-04-08T18:17:20Z", std::nullopt, true},
        {"-0584-05-28T14:05:09.25", std::nullopt, true},
        {"1582-10-04", std::nullopt, false},
        {"1582-10-15T00:00:00", std::nullopt, true},
        {"1582-10-10", DateTextError::GregorianGap, false},
        {"2024-02-30", DateTextError::NoSuchDay, false},
        {"2023-02-29T00:00", DateTextError::NoSuchDay, true},
        {"2024-04-08T24:00", DateTextError::NoSuchDay, true},
        {"2024-04-08T18:60", DateTextError::NoSuchDay, true},
        {"2024-4-08", DateTextError::Malformed, false},
        {"2024-04-08T18", DateTextError::Malformed, true},
        {"2024-04-08T18:17:20.", DateTextError::Malformed, true},
        {"2024-04-08 ", DateTextError::Malformed, false},
        {"", DateTextError::Malformed, false},
        {"+2024-04-08", DateTextError::Malformed, false},
    };
    for (const Case& c : cases) {
        const ParsedDateTime parsed = ParseIsoDateTime(c.text);
        EXPECT_EQ(parsed.error, c.error) << c.text;
        EXPECT_EQ(parsed.hasTime, c.hasTime) << c.text;
    }
    const ParsedDateTime parsed = ParseIsoDateTime("-0584-05-28T14:05:09.25Z");
    EXPECT_EQ(parsed.value.year, -584);
    EXPECT_EQ(parsed.value.hour, 14);
    EXPECT_DOUBLE_EQ(parsed.value.second, 9.25);
}

// Rounding carries into the minute, the hour and the date.
TEST(CalendarText, WritesInstantsRoundedWithTheirCarries)
{
    const Instant midnight = Instant::FromJulianDate(2460408.5);  // 2024-04-08 0 h
    EXPECT_EQ(IsoUniversalTime(midnight.PlusSeconds(-0.04), 0.0), "2024-04-08T00:00:00.0Z");
    EXPECT_EQ(IsoUniversalTime(midnight.PlusSeconds(-0.06), 0.0), "2024-04-07T23:59:59.9Z");
    EXPECT_EQ(IsoUniversalTime(midnight.PlusSeconds(-0.4), 0.0, 0), "2024-04-08T00:00:00Z");
    EXPECT_EQ(IsoUniversalTime(midnight.PlusSeconds(65858.3 + 69.2), 69.2), "2024-04-08T18:17:38.3Z");
    EXPECT_EQ(IsoUniversalTime(midnight.PlusSeconds(65858.3 + 69.2), 69.2, 0), "2024-04-08T18:17:38Z");
    const Instant ancient = Instant::FromJulianDate(JulianDateAtMidnight(-584, 5, 28)).PlusSeconds(50709.0);
    EXPECT_EQ(IsoUniversalTime(ancient, 0.0, 0), "-0584-05-28T14:05:09Z");
}

// The digits are written without the C library's formatting, and read as
// its "%04d-%02d-%02dT%02d:%02d:%0*.*fZ" of the same rounded time, over
// 14 000 years, with zero to three decimals.
TEST(CalendarText, WritesTimesAsTheCLibraryPrintsThem)
{
    for (double julianDate = 0.0; julianDate < 5.4e6; julianDate += 1234.56789123) {
        const Instant instant = Instant::FromJulianDate(julianDate);
        for (int decimals = 0; decimals <= 3; ++decimals) {
            const CivilDateTime civil = RoundedCivilTime(instant, decimals);
            char expected[64];
            std::snprintf(expected, sizeof expected, "%s%04d-%02d-%02dT%02d:%02d:%0*.*fZ", civil.year < 0 ? "-" : "",
                          std::abs(civil.year), civil.month, civil.day, civil.hour, civil.minute,
                          decimals > 0 ? decimals + 3 : 2, decimals, civil.second);
            ASSERT_EQ(IsoUniversalTime(instant, 0.0, decimals), expected) << "JD " << julianDate;
        }
    }
}

} // namespace
