#include "eclipse/path/MagnitudeCurves.h"

#include "core/Cancellation.h"
#include "core/Units.h"
#include "eclipse/plane/ClosestApproach.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The magnitude changes by less than 1e-9 for an error of 0.4 ms in the
// instant of the maximum, where the distance is stationary.
constexpr double kMaximumToleranceHours = 1e-7;

} // namespace

GeoPoint MagnitudeGrid::PlaceOf(const GridPoint& point) const
{
    return {-90.0 + point.row * spacing, -180.0 + point.column * spacing};
}

MagnitudeGrid ComputeMagnitudeGrid(const FittedElements& elements, double spacingDegrees, const std::stop_token& stop)
{
    MagnitudeGrid grid;
    grid.spacing = spacingDegrees;
    grid.values.rows = static_cast<std::size_t>(std::lround(180.0 / spacingDegrees)) + 1;
    grid.values.columns = static_cast<std::size_t>(std::lround(360.0 / spacingDegrees)) + 1;
    grid.values.values.assign(grid.values.rows * grid.values.columns, std::numeric_limits<double>::quiet_NaN());
    // Each maximum starts from its western neighbour's, which lies within minutes of it.
    double rowStart = 0.0;
    for (std::size_t row = 0; row < grid.values.rows; ++row) {
        ThrowIfStopRequested(stop);
        GeocentricPlace place = GeocentricOf({0.0, std::min(90.0, -90.0 + static_cast<double>(row) * spacingDegrees), 0.0});
        double start = rowStart;
        for (std::size_t column = 0; column < grid.values.columns; ++column) {
            place.longitude = (-180.0 + static_cast<double>(column) * spacingDegrees) * kDegreesToRadians;
            const std::optional<PlaceApproach> closest = ClosestApproachAt(elements, place, start, kMaximumToleranceHours);
            if (!closest || closest->plane.hours < elements.validFrom || closest->plane.hours > elements.validTo) {
                continue;
            }
            start = closest->plane.hours;
            if (column == 0) {
                rowStart = start;
            }
            if (SunSeenFrom(place, closest->plane).altitude >= 0.0) {
                grid.values.values[row * grid.values.columns + column] = closest->Magnitude();
            }
        }
    }
    return grid;
}

std::vector<MagnitudeCurve> MagnitudeCurvesOf(const MagnitudeGrid& grid, const std::vector<double>& levels)
{
    std::vector<MagnitudeCurve> curves;
    for (const double level : levels) {
        MagnitudeCurve curve{level, {}};
        for (const std::vector<GridPoint>& line : ContourLines(grid.values, level)) {
            std::vector<GeoPoint> places;
            places.reserve(line.size());
            for (const GridPoint& point : line) {
                places.push_back(grid.PlaceOf(point));
            }
            curve.lines.push_back(std::move(places));
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}
