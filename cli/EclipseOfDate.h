#pragma once

#include "cli/CommandRegistry.h"
#include "cli/ValueParsers.h"
#include "eclipse/FittedElements.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"

// How the eclipse commands model time: --delta-t SECONDS|auto (automatic
// by default) and --model classic|modern. Every eclipse command builds its
// model here.
TimeModel TakeEphemerisModel(OptionReader& options);

// --date YYYY-MM-DD, which the eclipse commands require.
UniversalCalendarDate TakeEclipseDate(OptionReader& options);

// The eclipse whose greatest eclipse falls on a date of Universal Time,
// with its fitted Besselian elements. A date without one raises
// std::runtime_error with a one-line message.
struct EclipseOfDate {
    EclipseSummary summary;
    FittedElements elements;
};
EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const UniversalCalendarDate& date);
