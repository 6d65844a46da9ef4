#pragma once

#include "core/Calendar.h"
#include "eclipse/search/EclipseOfDate.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/TimeModel.h"

#include <optional>
#include <string>
#include <vector>

// The eclipse whose greatest eclipse falls on a date of Universal Time, with
// its fitted Besselian elements (and the largest residuals of their fits).
// A date without one, or one that Delta T moves out of the years the search
// covers, raises std::runtime_error with a one-line message.
EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date);

// The same from a data directory (ending with a separator): read from the
// eclipses stored there when they were computed by this very program with
// this model from these series (eclipse/stored/StoredEclipses.h), so that
// the series are not even loaded; computed otherwise. A stored file that is
// damaged is named in a note on standard error, and the eclipse computed.
EclipseOfDate FindEclipseOfDate(const std::string& dataDirectory, const TimeModel& model, const CivilDate& date);

// The summaries of the eclipses from one date of Universal Time to another
// (both included) from the eclipses stored in dataDirectory, as FindEclipses
// gives them over those days; nothing when the store does not stand for
// this program and model or does not cover the dates (a note on standard
// error when it is damaged).
std::optional<std::vector<EclipseSummary>> StoredEclipsesBetween(const std::string& dataDirectory, const TimeModel& model,
                                                                 const CivilDate& from, const CivilDate& to);
