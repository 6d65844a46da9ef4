#pragma once

#include "core/Calendar.h"
#include "core/Instant.h"

#include <optional>
#include <string>
#include <string_view>

// Dates and times as text, ISO 8601 style, for every command and output:
// "2024-04-08", "2024-04-08T18:17:20Z", "-0584-05-28T14:05:09.3Z". Years
// are numbered astronomically (0 is 1 BC) and written with at least four
// digits; dates are of the calendar of core/Calendar.h.

// Why a text is not a date (and time) of the calendar.
enum class DateTextError {
    Malformed,       // not YYYY-MM-DD[THH:MM[:SS[.s]]][Z]
    NoSuchDay,       // 2024-02-30, a month 13, an hour 24
    GregorianGap,    // 1582-10-05 to 1582-10-14, which no calendar had
};

struct ParsedDateTime {
    CivilDateTime value;
    bool hasTime = false;                 // the text gave a time of day
    std::optional<DateTextError> error;   // none: value holds the date
};

// Reads YYYY-MM-DD, optionally followed by THH:MM, THH:MM:SS or
// THH:MM:SS.s... and an optional Z (the time is always Universal Time). The
// year takes 1 to 6 digits and an optional minus sign. A date the calendar
// does not have is refused; numbers use the "C" notation whatever the locale.
ParsedDateTime ParseIsoDateTime(std::string_view text);

// "2024-04-08", "-0584-05-28".
std::string IsoDateText(int year, int month, int day);
std::string IsoDateText(const CivilDate& date);

// A civil date and time rounded to the given number of decimals of a
// second, the rounding carried into the minute, the hour and the date
// (23:59:59.96 to one decimal is 00:00:00.0 of the next day).
// Given:    instant   a moment of the scale wanted (UT, or UT plus an offset)
CivilDateTime RoundedCivilTime(const Instant& instant, int decimals);

// An instant of TT as ISO 8601 Universal Time, TT less deltaT seconds,
// rounded to the given decimals of a second: "2006-03-29T09:11:28.3Z".
std::string IsoUniversalTime(const Instant& instant, double deltaT, int decimals = 1);

// A moment of a local civil time as ISO 8601 with its offset from UT,
// rounded to the given decimals of a second: "2024-04-08T13:40:43.0-05:00"
// (seconds in the offset only when it has some, as local mean times do).
// Given:    clock          the moment on the local scale (UT plus offsetSeconds)
std::string IsoLocalTime(const Instant& clock, int offsetSeconds, int decimals = 1);

// An offset from UT as "UTC-05:00", "UTC+05:30", "UTC+00:00".
std::string UtcOffsetText(int offsetSeconds);

// The time of day of a moment, rounded to the given decimals: "13:40:43",
// "13:40:43.0".
std::string ClockText(const Instant& instant, int decimals = 0);
