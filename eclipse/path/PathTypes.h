#pragma once

#include "core/Instant.h"

#include <optional>
#include <vector>

// A point of a curve on the Earth and the instant it belongs to.
struct PathVertex {
    double latitude = 0.0;    // degrees, geodetic, north positive
    double longitude = 0.0;   // degrees, east positive, in [-180, 180)
    Instant time;             // TT
};

// One connected curve, in order; it may cross the antimeridian and pass
// near a pole (SplitAtAntimeridian cuts it for flat maps).
using PathLine = std::vector<PathVertex>;

// A vertex of the central line with what happens there.
struct CentralVertex {
    PathVertex place;
    double durationSeconds = 0.0;   // of totality or annularity on the central line
    double widthKm = 0.0;           // of the path, across it on the ground
    double sunAltitude = 0.0;       // degrees, geometric
    double sunAzimuth = 0.0;        // degrees from north toward the east
    std::optional<PathVertex> northLimit;  // the umbral limits at the same instant
    std::optional<PathVertex> southLimit;
    // At a whole step of Universal Time or at an end of the line; the others
    // are added where the line bends or runs fast, for drawing it.
    bool onStep = true;
};

// A contact of the shadow with the Earth as a whole.
struct GlobalContact {
    Instant time;                   // TT
    double latitude = 0.0;          // degrees, of the point of contact on the limb
    double longitude = 0.0;         // degrees east
};

// The instant the shadow axis passes nearest the Earth's centre, and the
// point under it (the axis point, or the limb's point nearest the axis).
struct GreatestEclipse {
    Instant time;                   // TT
    double latitude = 0.0;          // degrees
    double longitude = 0.0;         // degrees east
    double sunAltitude = 0.0;       // degrees
    double gamma = 0.0;             // the axis' least distance from the Earth's centre, Earth radii, signed as y
    std::optional<double> durationSeconds;  // central duration there, for a central eclipse
    std::optional<double> widthKm;          // path width there, for a central eclipse
};

// First and last contacts of the penumbra (P1, P4) and of the umbra or
// antumbra (U1, U4) with the Earth, and the internal contacts (P2, P3, U2,
// U3) when the whole shadow comes onto the Earth's disk.
struct GlobalCircumstances {
    std::optional<GlobalContact> p1, p2, p3, p4;
    std::optional<GlobalContact> u1, u2, u3, u4;
    GreatestEclipse greatest;
};

// The whole eclipse on the Earth. Curves come as lists of connected lines.
struct EclipsePath {
    double deltaT = 0.0;                             // seconds, TT - UT
    GlobalCircumstances circumstances;
    std::vector<std::vector<CentralVertex>> centralLine;  // sunrise to sunset
    std::vector<PathLine> umbraNorth;                // limits of the umbral or antumbral path
    std::vector<PathLine> umbraSouth;
    std::vector<PathLine> penumbraNorth;             // limits of the partial eclipse, where on the Earth
    std::vector<PathLine> penumbraSouth;
    std::vector<PathLine> riseSetContacts;           // the eclipse begins or ends at sunrise or sunset
    std::vector<PathLine> riseSetMaximum;            // the maximum happens at sunrise or sunset
};
