#pragma once

#include "eclipse/local/GeographicPlace.h"

#include <string>

// The values of the eclipse commands' options, read from the command line.
// Each throws std::invalid_argument with a one-line message naming the
// value when it is malformed or out of range. Numbers use the "C" notation
// whatever the locale.

struct UniversalCalendarDate {
    int year = 2000;   // astronomical numbering: 0 is 1 BC
    int month = 1;
    int day = 1;
};

// YYYY-MM-DD, the year with an optional minus sign; a day that the month
// does not have is refused.
UniversalCalendarDate ParseUniversalDate(const std::string& text);

// Seconds between the central line's vertices: a second to an hour.
double ParseStep(const std::string& text);

// LON,LAT[,HEIGHT_M]: degrees east and north, metres above the ellipsoid.
GeographicPlace ParsePlace(const std::string& text);

// Delta T in seconds, finite and within a million seconds.
double ParseDeltaTSeconds(const std::string& text);
