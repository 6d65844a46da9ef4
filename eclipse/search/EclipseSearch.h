#pragma once

#include "core/Instant.h"

#include <optional>
#include <vector>

class Ephemeris;

enum class EclipseType { Partial, Annular, Total, Hybrid };

// One solar eclipse as the canons list it.
struct EclipseSummary {
    Instant greatest;                      // greatest eclipse, TT
    double deltaT = 0.0;                   // seconds, TT - UT used
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

// Every solar eclipse whose greatest eclipse lies between from and to (TT),
// in order.
std::vector<EclipseSummary> FindEclipses(const Ephemeris& ephemeris, const Instant& from, const Instant& to);

// The eclipse whose greatest eclipse falls on the given civil date of
// Universal Time, if there is one.
std::optional<EclipseSummary> FindEclipseOnUniversalDate(const Ephemeris& ephemeris, int year, int month, int day);
