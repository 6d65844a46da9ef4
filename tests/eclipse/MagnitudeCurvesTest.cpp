// Curves of equal magnitude: marching squares on fields whose contours are
// known, and the eclipse's curves against the magnitude their places see.
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/MarchingSquares.h"
#include "tests/eclipse/PublishedElements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace {

GridValues Field(std::size_t rows, std::size_t columns, const std::function<double(double, double)>& value)
{
    GridValues grid{rows, columns, {}};
    for (std::size_t row = 0; row < rows; ++row) {
        for (std::size_t column = 0; column < columns; ++column) {
            grid.values.push_back(value(static_cast<double>(row), static_cast<double>(column)));
        }
    }
    return grid;
}

bool Closed(const std::vector<GridPoint>& line)
{
    return line.front().row == line.back().row && line.front().column == line.back().column;
}

TEST(ContourLines, TraceACircleAsOneClosedLine)
{
    const GridValues grid = Field(41, 41, [](double r, double c) { return std::hypot(r - 20.0, c - 20.0); });
    const auto lines = ContourLines(grid, 12.5);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(Closed(lines.front()));
    EXPECT_GT(lines.front().size(), 60u);
    for (const GridPoint& point : lines.front()) {
        EXPECT_NEAR(std::hypot(point.row - 20.0, point.column - 20.0), 12.5, 0.05);
    }
}

TEST(ContourLines, OpenLinesEndAtTheBorderAndAtNodesWithoutValue)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // A ramp along the columns, with no value in the middle rows.
    const GridValues grid = Field(21, 21, [nan](double r, double c) { return r >= 9 && r <= 11 ? nan : c; });
    const auto lines = ContourLines(grid, 7.25);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) {
        EXPECT_FALSE(Closed(line));
        for (const GridPoint& point : line) {
            EXPECT_DOUBLE_EQ(point.column, 7.25);
        }
        const double low = std::min(line.front().row, line.back().row);
        const double high = std::max(line.front().row, line.back().row);
        // Cells with a corner in rows 9 to 11 have no line.
        EXPECT_TRUE((low == 0.0 && high == 8.0) || (low == 12.0 && high == 20.0));
    }
}

TEST(ContourLines, SeparateTheTwoHillsOfASaddle)
{
    // Two hills on a diagonal, the level between them and the pass.
    const GridValues grid = Field(21, 21, [](double r, double c) {
        return std::exp(-(std::pow(r - 6, 2) + std::pow(c - 6, 2)) / 20.0) + std::exp(-(std::pow(r - 14, 2) + std::pow(c - 14, 2)) / 20.0);
    });
    const auto lines = ContourLines(grid, 0.5);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) {
        EXPECT_TRUE(Closed(line));
    }
}

double ArcDegrees(const GeoPoint& a, const GeoPoint& b)
{
    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    const double sinLatitude = std::sin(0.5 * (b.latitude - a.latitude) * kRadians);
    const double sinLongitude = std::sin(0.5 * (b.longitude - a.longitude) * kRadians);
    const double h = sinLatitude * sinLatitude +
                     std::cos(a.latitude * kRadians) * std::cos(b.latitude * kRadians) * sinLongitude * sinLongitude;
    return 2.0 * std::asin(std::sqrt(std::min(1.0, h))) / kRadians;
}

double DegreesToNearestVertex(const MagnitudeCurve& curve, const GeoPoint& place)
{
    double nearest = 180.0;
    for (const auto& line : curve.lines) {
        for (const GeoPoint& vertex : line) {
            nearest = std::min(nearest, ArcDegrees(vertex, place));
        }
    }
    return nearest;
}

const std::vector<double> kLevels = {0.2, 0.4, 0.6, 0.8};

// Every vertex sees the curve's magnitude at its maximum, with the Sun up,
// as the local circumstances compute it; and no vertex crosses the
// antimeridian on its way to the next.
TEST(MagnitudeCurves, EachVertexSeesTheLevelAtItsMaximum)
{
    for (const auto& make : {published::Eclipse2006, published::Eclipse2024}) {
        const FittedElements elements = make();
        const std::vector<MagnitudeCurve> curves = TraceMagnitudeCurves(elements, kLevels);
        ASSERT_EQ(curves.size(), kLevels.size());
        for (const MagnitudeCurve& curve : curves) {
            SCOPED_TRACE(curve.magnitude);
            ASSERT_FALSE(curve.lines.empty());
            for (const auto& line : curve.lines) {
                for (std::size_t i = 0; i < line.size(); ++i) {
                    const LocalCircumstances seen = LocalCircumstancesAt(elements, {line[i].longitude, line[i].latitude, 0.0});
                    ASSERT_TRUE(seen.maximum);
                    EXPECT_NEAR(seen.magnitude, curve.magnitude, 1e-6);
                    EXPECT_GT(seen.maximum->sunAltitude, -1e-6);
                    if (i > 0) {
                        EXPECT_LT(std::abs(line[i].longitude - line[i - 1].longitude), 180.0);
                    }
                }
            }
        }
    }
}

// An independent route to the same places: walking along meridians, the
// local circumstances say where the magnitude passes each level, with the
// Sun well up; a curve passes there, within a vertex's spacing.
TEST(MagnitudeCurves, PassWhereverTheMagnitudeAlongAMeridianCrossesTheLevel)
{
    for (const auto& make : {published::Eclipse2006, published::Eclipse2024}) {
        const FittedElements elements = make();
        const std::vector<MagnitudeCurve> curves = TraceMagnitudeCurves(elements, kLevels);
        int crossings = 0;
        for (double longitude = -180.0; longitude < 180.0; longitude += 7.5) {
            std::optional<std::pair<double, double>> previous;  // latitude, magnitude
            for (double latitude = -85.0; latitude <= 85.0; latitude += 0.5) {
                const LocalCircumstances seen = LocalCircumstancesAt(elements, {longitude, latitude, 0.0});
                if (!seen.maximum || seen.maximum->sunAltitude < 2.0) {
                    previous.reset();
                    continue;
                }
                for (std::size_t level = 0; previous && level < kLevels.size(); ++level) {
                    const double below = previous->second - kLevels[level];
                    const double above = seen.magnitude - kLevels[level];
                    if (below * above < 0.0) {
                        const double crossing = previous->first + 0.5 * below / (below - above);
                        SCOPED_TRACE(testing::Message() << kLevels[level] << " at " << longitude << ", " << crossing);
                        EXPECT_LT(DegreesToNearestVertex(curves[level], {crossing, longitude}), 0.4);
                        ++crossings;
                    }
                }
                previous = std::pair{latitude, seen.magnitude};
            }
        }
        EXPECT_GT(crossings, 40);
    }
}

} // namespace
