#include "places/TimeZone.h"

#include "core/Calendar.h"
#include "core/CalendarText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The POSIX count of a moment of UT.
std::int64_t PosixSeconds(int year, int month, int day, int hour, int minute, int second)
{
    const double days = JulianDateAtMidnight(year, month, day) - 2440587.5;
    return static_cast<std::int64_t>(days) * 86400 + hour * 3600 + minute * 60 + second;
}

} // namespace

// The offsets and names of civil time that the governments published, from
// the system's zone database: summer time where it applies on the day,
// half and three-quarter hours, and the rule beyond the database's tables
// (2037) for eclipses to come.
TEST(SystemTimeZone, GivesThePublishedOffsetOfTheDay)
{
    struct Case {
        const char* zone;
        int year, month, day, hour, minute;
        int offsetSeconds;
        const char* abbreviation;
    };
    const Case cases[] = {
        {"America/Chicago", 2024, 4, 8, 18, 40, -5 * 3600, "CDT"},        // Dallas at totality
        {"America/Chicago", 2024, 1, 15, 18, 0, -6 * 3600, "CST"},        // its standard time
        {"America/Chicago", 2045, 8, 12, 17, 0, -5 * 3600, "CDT"},        // beyond the tables
        {"America/Chicago", 2045, 12, 12, 17, 0, -6 * 3600, "CST"},
        {"Europe/Madrid", 2026, 8, 12, 18, 28, 2 * 3600, "CEST"},         // Burgos at totality
        {"Europe/Madrid", 2026, 2, 17, 12, 0, 3600, "CET"},
        {"Asia/Kolkata", 2009, 7, 22, 0, 55, 5 * 3600 + 1800, "IST"},     // the 2009 eclipse in India
        {"Asia/Kathmandu", 2024, 4, 8, 18, 0, 5 * 3600 + 2700, "+0545"},
        {"Australia/Adelaide", 2024, 1, 15, 0, 0, 10 * 3600 + 1800, "ACDT"},
        {"Pacific/Kiritimati", 2024, 4, 8, 18, 0, 14 * 3600, "+14"},
        {"UTC", 2024, 4, 8, 18, 0, 0, "UTC"},
    };
    for (const Case& c : cases) {
        const std::shared_ptr<const TimeZone> zone = SystemTimeZone(c.zone);
        ASSERT_TRUE(zone) << c.zone;
        EXPECT_EQ(zone->Name(), c.zone);
        const ZoneOffset offset = zone->OffsetAt(PosixSeconds(c.year, c.month, c.day, c.hour, c.minute, 0));
        EXPECT_EQ(offset.seconds, c.offsetSeconds) << c.zone << " " << c.year << "-" << c.month;
        EXPECT_EQ(offset.abbreviation, c.abbreviation) << c.zone << " " << c.year << "-" << c.month;
    }
}

TEST(SystemTimeZone, KnowsNoZoneOutsideTheDatabase)
{
    for (const std::string& name : std::vector<std::string>{"", "Mars/Olympus_Mons", "../../etc/passwd", "/etc/localtime", "America//Chicago",
                                   "America/Chicago/", "right/UTC", "America/Chicago; rm -rf /", "Europe/Paris\n",
                                   std::string(100000, 'A'), std::string("UTC\0x", 5), "zone.tab"}) {
        EXPECT_EQ(SystemTimeZone(name), nullptr) << name.substr(0, 40);
    }
}

// Zones read in turn answer as each alone does.
TEST(SystemTimeZone, AnswersTheSameWhenZonesAreReadInTurn)
{
    const auto chicago = SystemTimeZone("America/Chicago");
    const auto kolkata = SystemTimeZone("Asia/Kolkata");
    const std::int64_t moment = PosixSeconds(2024, 4, 8, 18, 40, 43);
    for (int turn = 0; turn < 3; ++turn) {
        EXPECT_EQ(chicago->OffsetAt(moment + turn).abbreviation, "CDT");
        EXPECT_EQ(kolkata->OffsetAt(moment + turn).abbreviation, "IST");
    }
    // Across the change to summer time, 2024-03-10 at 2 h CST (8 h UT).
    EXPECT_EQ(chicago->OffsetAt(PosixSeconds(2024, 3, 10, 7, 59, 59)).abbreviation, "CST");
    EXPECT_EQ(chicago->OffsetAt(PosixSeconds(2024, 3, 10, 8, 0, 0)).abbreviation, "CDT");
    EXPECT_EQ(chicago->OffsetAt(PosixSeconds(2024, 3, 10, 7, 59, 59)).abbreviation, "CST");
}

// Dallas's second contact, 18:40:43 UT (NASA's), is 13:40:43 CDT.
TEST(LocalTimeOf, ShowsAnInstantOnTheZonesClock)
{
    const double deltaT = 69.2;
    const Instant c2 = Instant::FromJulianDate(JulianDateAtMidnight(2024, 4, 8),
                                               (18 * 3600 + 40 * 60 + 43 + deltaT) / 86400.0);
    EXPECT_EQ(PosixSecondsOf(c2, deltaT), 1712601643);
    const LocalTime local = LocalTimeOf(c2, deltaT, *SystemTimeZone("America/Chicago"));
    EXPECT_EQ(IsoLocalTime(local.clock, local.offset.seconds, 0), "2024-04-08T13:40:43-05:00");
    EXPECT_EQ(UtcOffsetText(local.offset.seconds), "UTC-05:00");
    const LocalTime india = LocalTimeOf(c2, deltaT, *SystemTimeZone("Asia/Kolkata"));
    EXPECT_EQ(IsoLocalTime(india.clock, india.offset.seconds, 1), "2024-04-09T00:10:43.0+05:30");
}

TEST(TimeZoneCache, LooksEachZoneUpOnce)
{
    int lookups = 0;
    TimeZoneCache cache([&](std::string_view name) {
        ++lookups;
        return SystemTimeZone(name);
    });
    const TimeZone* first = cache.Find("Europe/Madrid");
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(cache.Find("Europe/Madrid"), first);
    EXPECT_EQ(cache.Find("Mars/Olympus_Mons"), nullptr);
    EXPECT_EQ(cache.Find("Mars/Olympus_Mons"), nullptr);
    EXPECT_EQ(cache.Find(""), nullptr);
    EXPECT_EQ(lookups, 2);
}
