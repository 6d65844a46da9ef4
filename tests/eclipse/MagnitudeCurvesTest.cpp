// Curves of equal magnitude: marching squares on fields whose contours are
// known, and the eclipse's curves against the magnitude their places see.
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/MarchingSquares.h"
#include "tests/eclipse/PublishedElements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

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

// Each curve's places see the curve's magnitude at their maximum, with the
// Sun up; between nodes the magnitude is interpolated linearly, so within
// a few thousandths.
TEST(MagnitudeCurves, PlacesOnACurveSeeItsMagnitude)
{
    for (const auto& make : {published::Eclipse2006, published::Eclipse2024}) {
        const FittedElements elements = make();
        const MagnitudeGrid grid = ComputeMagnitudeGrid(elements, 0.5);
        const std::vector<MagnitudeCurve> curves = MagnitudeCurvesOf(grid, {0.2, 0.4, 0.6, 0.8});
        ASSERT_EQ(curves.size(), 4u);
        for (const MagnitudeCurve& curve : curves) {
            SCOPED_TRACE(curve.magnitude);
            ASSERT_FALSE(curve.lines.empty());
            for (const auto& line : curve.lines) {
                for (std::size_t i = 0; i < line.size(); i += 13) {
                    const LocalCircumstances seen = LocalCircumstancesAt(elements, {line[i].longitude, line[i].latitude, 0.0});
                    ASSERT_TRUE(seen.maximum);
                    EXPECT_NEAR(seen.magnitude, curve.magnitude, 0.003);
                    EXPECT_GT(seen.maximum->sunAltitude, -0.5);
                }
            }
        }
    }
}

} // namespace
