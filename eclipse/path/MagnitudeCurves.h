#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/MarchingSquares.h"

#include <stop_token>
#include <vector>

// A place on a curve without times: degrees, geodetic latitude and east
// longitude in [-180, 180].
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// The magnitude at the maximum of the eclipse over a grid of places, rows
// from latitude -90 to +90 and columns from longitude -180 to +180 (both
// ends), every spacing degrees; NaN where the maximum happens with the Sun
// below the horizon. Beyond the penumbra the magnitude is negative, so that
// the curves near 0 stay smooth. Once stop is requested, ends at the next
// row with OperationCancelled (core/Cancellation.h).
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8.
struct MagnitudeGrid {
    double spacing = 0.5;  // degrees
    GridValues values;

    GeoPoint PlaceOf(const GridPoint& point) const;
};
MagnitudeGrid ComputeMagnitudeGrid(const FittedElements& elements, double spacingDegrees,
                                   const std::stop_token& stop = {});

// The curves where the maximum magnitude equals a level, each line ending
// at the antimeridian (the grid's sides) rather than crossing it, and where
// the maximum sinks below the horizon.
struct MagnitudeCurve {
    double magnitude = 0.0;
    std::vector<std::vector<GeoPoint>> lines;
};
std::vector<MagnitudeCurve> MagnitudeCurvesOf(const MagnitudeGrid& grid, const std::vector<double>& levels);
