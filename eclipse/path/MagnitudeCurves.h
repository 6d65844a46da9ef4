#pragma once

#include "eclipse/FittedElements.h"

#include <stop_token>
#include <vector>

// A place on a curve without times: degrees, geodetic latitude and east
// longitude in [-180, 180].
struct GeoPoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// The curves where the magnitude at the maximum equals a level, north and
// south of the path: the limits of the circle about the shadow's axis at
// L1 - m (L1 + L2), followed as the path's own limits are (LimitLines.h),
// so that every vertex sees the level at its maximum. Each line ends where
// the maximum sinks below the horizon, and at the antimeridian rather than
// crossing it. A level no place reaches has no line. Once stop is
// requested, ends at the next line with OperationCancelled
// (core/Cancellation.h).
// Reference: Explanatory Supplement to the Astronomical Almanac (1961), 9.4;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8.
struct MagnitudeCurve {
    double magnitude = 0.0;
    std::vector<std::vector<GeoPoint>> lines;
};
std::vector<MagnitudeCurve> TraceMagnitudeCurves(const FittedElements& elements, const std::vector<double>& levels,
                                                 const std::stop_token& stop = {});

// The levels that the path's files and the map show: 0.2, 0.4, 0.6 and 0.8.
const std::vector<double>& ShownMagnitudeLevels();
