#pragma once

#include <functional>
#include <optional>
#include <vector>

// A point of a curve traced over time: geodetic latitude and east longitude
// in radians, at hours from T0 (TT).
struct TracedPoint {
    double hours = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;
    // At a regular instant or an end, rather than added where the curve bends.
    bool scheduled = false;
};
using TracedCurve = std::vector<TracedPoint>;

// One branch of a curve: where it lies at an instant, if it exists then.
using CurveBranch = std::function<std::optional<TracedPoint>(double hours)>;

// The instants a curve is traced over: regular vertices at phase + k step
// within [begin, end], hours from T0.
struct TraceSchedule {
    double begin = 0.0;
    double end = 0.0;
    double step = 1.0 / 60.0;
    double phase = 0.0;
};

// The runs of a branch: its vertices at every regular instant where it
// exists, the exact instants (to a microsecond) where it appears and
// disappears, and vertices between where it bends or moves fast, so that the
// drawn line stays within about a kilometre of the curve.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5
//            (the curves of the path computed instant by instant).
std::vector<TracedCurve> TraceBranch(const CurveBranch& branch, const TraceSchedule& schedule);

// Curves that end where another begins or ends (within tolerance, radians
// on the sphere) joined into longer ones; one whose ends meet is closed.
std::vector<TracedCurve> JoinCurves(std::vector<TracedCurve> curves, double toleranceRadians);

// The angle between two points on the sphere, radians.
double AngleBetween(const TracedPoint& a, const TracedPoint& b);
