#pragma once

#include "core/Calendar.h"
#include "core/WorkerPool.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"

#include <optional>
#include <vector>

class Ephemeris;

// One eclipse as the commands of a date ask for it: the civil date of
// Universal Time of its greatest eclipse, its summary and its fitted
// Besselian elements (with the largest residuals of their fits).
struct EclipseOfDate {
    CivilDate date;
    EclipseSummary summary;
    FittedElementsReport fit;
};

// The eclipse whose greatest eclipse falls on a civil date of Universal Time
// (the ephemeris model's Delta T), if there is one: FindEclipseOnUniversalDate,
// then FitElements about its greatest eclipse. The same errors as
// FindEclipses.
std::optional<EclipseOfDate> ComputeEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date);

// Every eclipse whose greatest eclipse falls on a date of Universal Time of
// the years fromYear to toYear (both included), in order, each exactly as
// ComputeEclipseOfDate gives it for its date; fitted on the pool's threads.
// The same errors as FindEclipses.
std::vector<EclipseOfDate> ComputeEclipsesOfYears(const Ephemeris& ephemeris, int fromYear, int toYear,
                                                  WorkerPool& pool = WorkerPool::Shared());
