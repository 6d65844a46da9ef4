#pragma once

#include "core/DeltaT.h"
#include "ephemeris/ApparentPlaces.h"

#include <optional>
#include <utility>
#include <vector>

class Ephemeris;

// One row of the table: an instant and where the Sun, the Moon and the
// Earth are then.
struct EphemerisRow {
    UniversalDate universal;
    bool isEpoch = false;
    ApparentPlace sun;
    ApparentPlace moon;
    HeliocentricPlace earth;
};

// The rows of the epoch and of every whole 10 minutes of UT from P1 to P4
// of the eclipse, when there is one (p1 and p4 in TT, deltaT in seconds).
std::vector<EphemerisRow> ComputeEphemerisRows(const Ephemeris& ephemeris, const Instant& epoch,
                                               const std::optional<std::pair<Instant, Instant>>& contacts, double deltaT);
