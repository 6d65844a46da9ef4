#pragma once

#include "cli/CommandRegistry.h"
#include "cli/ModelOption.h"
#include "core/Instant.h"
#include "ephemeris/Ephemeris.h"

#include <optional>
#include <stdexcept>
#include <string>

// What the eclipse commands (eclipses, besselian) read from their command
// lines, checked, before anything is computed.

// A civil date of Universal Time, YYYY-MM-DD (the year may carry a minus
// sign; the Julian calendar runs to 1582-10-04, the Gregorian from
// 1582-10-15).
struct CivilDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// A command that cannot give an answer for a well-formed request (a date
// with no eclipse, a range outside the years covered): main prints its
// message on one line and the command ends with status 1.
struct CommandFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The date as YYYY-MM-DD.
std::string DateText(const CivilDate& date);

// Reads YYYY-MM-DD; a malformed date, or one the calendar does not have, is
// a UsageError naming the option.
CivilDate ParseCivilDate(const std::string& option, const std::string& text);

// A date outside the years the search covers (-1999 to 3000) is a
// CommandFailure.
void CheckSearchYears(const CivilDate& date);

struct EclipsesRequest {
    CivilDate from;
    CivilDate to;
    TimeModel model;
    std::string format = "text";   // text, csv or json
    std::string dataDirectory;
};

struct BesselianRequest {
    CivilDate date;
    TimeModel model;
    std::string format = "text";   // text or json
    std::string dataDirectory;
};

// The options of each command, read whole; a wrong option is a UsageError,
// a range outside -1999..3000 or a reversed range a CommandFailure.
EclipsesRequest ParseEclipsesArguments(const CommandArguments& arguments);
BesselianRequest ParseBesselianArguments(const CommandArguments& arguments);


// The Julian date (UT) at 0 h of a civil date.
double JulianDateOf(const CivilDate& date);

// An instant as ISO 8601 on the scale given by the Delta T subtracted
// (0 for TT), rounded to the second: -0584-05-28T14:05:09Z.
std::string IsoTime(const Instant& instant, double deltaTSeconds);
// Its date part, YYYY-MM-DD, and its clock part, HH:MM:SS.
std::string IsoDatePart(const std::string& isoTime);
std::string IsoClockPart(const std::string& isoTime);
