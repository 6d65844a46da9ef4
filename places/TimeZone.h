#pragma once

#include "core/Instant.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

// The civil time of a place: its time zone tells, for each moment, how far
// its clocks run from Universal Time and what that time is called.

// A zone's reading at one moment.
struct ZoneOffset {
    std::int32_t seconds = 0;     // local civil time minus UT
    std::string abbreviation;     // "CDT", "IST", "CEST"; or a number such as "+0545"
};

// A time zone, as any source of them (the system's database, Qt's, a
// test's fixed offset) gives it.
class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The IANA name, "America/Chicago".
    virtual const std::string& Name() const = 0;
    // Given: a moment of UT as seconds since 1970-01-01 00:00 UT, without
    // leap seconds (the POSIX count; negative before 1970).
    virtual ZoneOffset OffsetAt(std::int64_t posixSeconds) const = 0;
};

// A moment of TT as the POSIX count of UT, TT less deltaT seconds, rounded
// to the whole second.
std::int64_t PosixSecondsOf(const Instant& instant, double deltaT);

// A moment as the zone's clocks show it: clock is the moment on the scale
// of local civil time (UT plus the offset, as a Julian date), to be turned
// into a date and time of the program's calendar (RoundedCivilTime).
struct LocalTime {
    Instant clock;
    ZoneOffset offset;
};
// Given: an instant of TT and the Delta T (seconds) that makes it UT.
LocalTime LocalTimeOf(const Instant& instant, double deltaT, const TimeZone& zone);

// The zone of that name in the system's database (the TZif files of
// /usr/share/zoneinfo, or of $TZDIR), read by the C library, which follows
// the database's rules for years beyond its tables; null when the database
// has no such zone. The names are checked before any file is opened: only
// letters, digits, "_", "-", "+" and "/" between names, no "..", and not
// the "right/" zones, which count leap seconds.
// The C library keeps one zone at a time for the whole process: reading a
// zone leaves the process's TZ set to it (the command-line tool has no other
// use of local time); each zone keeps its last reading for the day around
// it, so that reading the zones in turn stays cheap.
std::shared_ptr<const TimeZone> SystemTimeZone(std::string_view name);

// The zones by name, each looked up once.
class TimeZoneCache {
public:
    using ZoneSource = std::function<std::shared_ptr<const TimeZone>(std::string_view)>;
    explicit TimeZoneCache(ZoneSource source = SystemTimeZone);

    // The zone, or null for an empty name or one the source does not know.
    const TimeZone* Find(const std::string& name);

private:
    ZoneSource m_source;
    std::map<std::string, std::shared_ptr<const TimeZone>> m_zones;
};
