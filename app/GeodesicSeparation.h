#pragma once

class CGeoPosition;

// The shortest way between two places on the WGS84 ellipsoid.
struct GeodesicSeparation {
    double distanceKilometres = 0.0;
    double initialAzimuth = 0.0;  // degrees from north toward the east, [0, 360), at the first place
    double finalAzimuth = 0.0;    // the same at the second place, going on
};

// The geodesic between from and to (degrees, east and north positive) on the
// WGS84 ellipsoid, by GeographicLib's solution of the inverse problem,
// accurate to some nanometres.
// Reference: Karney, Algorithms for geodesics, J. Geodesy 87 (2013) 43-55.
GeodesicSeparation SeparationBetween(const CGeoPosition& from, const CGeoPosition& to);
