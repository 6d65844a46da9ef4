#pragma once

#include "core/Calendar.h"
#include "core/Instant.h"
#include "core/WorkerPool.h"

#include <optional>
#include <stop_token>
#include <vector>

class Ephemeris;

enum class EclipseType { Partial, Annular, Total, Hybrid };

// One solar eclipse as the canons list it.
struct EclipseSummary {
    Instant greatest;                      // greatest eclipse, TT
    double deltaT = 0.0;                   // seconds, TT - UT used
    std::optional<double> deltaTSigma;     // its standard error, seconds, where the model states one
    EclipseType type = EclipseType::Partial;
    double gamma = 0.0;                    // least distance of the axis from the Earth's centre, Earth radii, signed as y
    double magnitude = 0.0;                // at greatest eclipse
    double latitude = 0.0;                 // of greatest eclipse, degrees, north positive
    double longitude = 0.0;                // of greatest eclipse, degrees, east positive
    double sunAltitude = 0.0;              // degrees, at that place and instant
    std::optional<double> durationSeconds; // central duration there (none for a partial eclipse)
    std::optional<double> widthKm;         // path width there (none for a partial eclipse)
    int saros = 0;                         // Saros series number
};

// The years the search covers, as the canons do.
inline constexpr int kFirstSearchYear = kFirstComputedYear;
inline constexpr int kLastSearchYear = kLastComputedYear;

// Every solar eclipse whose greatest eclipse lies between from (included) and
// to (excluded), both TT, in order: the new moons near a node by the mean
// elements (NewMoonPredictor.h), then a few evaluations of the full
// ephemeris about each (ElementsAt) and the circumstances from them
// (EclipseCircumstances.h). Raises std::out_of_range for instants outside the
// years -1999 to 3000 (with a year's margin for Delta T) and
// std::invalid_argument when to comes before from. The candidates are
// refined on the pool's threads; once stop is requested, the search ends at
// the next candidate with OperationCancelled (core/Cancellation.h).
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), ch. 49 and 54;
//            Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA
//            TP-2006-214141).
std::vector<EclipseSummary> FindEclipses(const Ephemeris& ephemeris, const Instant& from, const Instant& to,
                                         const std::stop_token& stop = {}, WorkerPool& pool = WorkerPool::Shared());

// The instants (TT) that begin and end a civil date of Universal Time under
// the ephemeris model's Delta T: from its midnight (included) to the next
// (excluded).
struct UniversalDay {
    Instant from;
    Instant to;
};
UniversalDay UniversalDayOf(const Ephemeris& ephemeris, const CivilDate& date);

// The eclipse whose greatest eclipse falls on the given civil date of
// Universal Time (the ephemeris model's Delta T), if there is one. The same
// errors as FindEclipses.
std::optional<EclipseSummary> FindEclipseOnUniversalDate(const Ephemeris& ephemeris, int year, int month, int day);
