#pragma once

#include "core/DeltaT.h"

#include <QString>

// Dates and times as the desktop shows them, in the French manner: the
// date as day/month/year, the time to the second, in the document's
// calendar (Julian up to 1582).
QString FormatDate(const UniversalDate& date);
QString FormatClock(const UniversalDate& date);
QString FormatDateTime(const UniversalDate& date);

// An offset from UT in hours: "TU", "TU+1", "TU-5", "TU+5:30".
QString FormatTimeOffset(double hours);

// A number with its decimals as the interface's language writes them:
// "95,7" in French, "95.7" in English.
QString FormatDecimal(double value, int decimals);

// A duration in seconds as "4 min 28 s" (or "28 s").
QString FormatDuration(double seconds);

// A latitude and a longitude in degrees as "25,29° N" and "104,14° O"
// (in English "25.29° N" and "104.14° W").
QString FormatLatitude(double degrees);
QString FormatLongitude(double degrees);
