#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"

#include <vector>

// One area of the map in longitude and latitude (degrees): its outer ring
// counterclockwise (longitude east as x, latitude north as y) and its holes
// clockwise, each ring closed (its first point repeated). An area that
// reaches the antimeridian is cut there, its pieces ending on -180 and +180.
struct GeoPolygon {
    std::vector<GeoPoint> outer;
    std::vector<std::vector<GeoPoint>> holes;
};

// How Delta T's uncertainty spreads the path: the central line and the
// umbral (antumbral) limits for Delta T - k sigma ("early") and + k sigma
// ("late"), and the region where the central phase is seen for some Delta T
// within that range. Less Delta T leaves the Earth more turned: the early
// path lies west of the path, the late one east.
struct UncertainBand {
    double sigma = 0.0;       // seconds
    double sigmas = 0.0;      // k
    double earlyDeltaT = 0.0; // seconds, Delta T - k sigma
    double lateDeltaT = 0.0;  // seconds, Delta T + k sigma
    std::vector<PathLine> centralEarly;
    std::vector<PathLine> centralLate;
    std::vector<PathLine> limitsWest;  // north and south limits of the early path
    std::vector<PathLine> limitsEast;  // north and south limits of the late path
    std::vector<GeoPolygon> region;

    // k sigma as degrees of longitude the path moves either way.
    double ShiftDegrees() const;
};

// A longitude moved east by degrees (west for less), in [-180, 180).
double ShiftedLongitude(double longitude, double degrees);

// Lines moved east by degrees (west for less), longitudes kept in
// [-180, 180); the instants (TT) stay.
std::vector<PathLine> ShiftedLines(const std::vector<PathLine>& lines, double degrees);

// The band about a path computed from the same elements. The early and late
// lines are the path's own moved by the Earth's rotation in k sigma
// (DeltaTShift.h). The region is the umbral path swept that far either way:
// along parallels every 0.1 degree, the places that see the central phase
// (CentralLongitudesAt) widened by the shift on both sides; its outline is
// traced through them by marching squares, exact on each parallel and
// straight between them. No region without an umbral path.
// Given:    the elements, their path, sigma (seconds, >= 0), k (>= 0)
UncertainBand ComputeUncertainBand(const FittedElements& elements, const EclipsePath& path, double sigma, double sigmas);
