#pragma once

#include <cstddef>
#include <vector>

// Values on a regular grid of rows and columns; NaN marks a node without a
// value, and no line crosses a cell that has one.
struct GridValues {
    std::size_t rows = 0;
    std::size_t columns = 0;
    std::vector<double> values;  // row after row

    double At(std::size_t row, std::size_t column) const { return values[row * columns + column]; }
};

// A point of a contour in grid coordinates: row and column as real numbers.
struct GridPoint {
    double row = 0.0;
    double column = 0.0;
};

// The lines where the grid's values equal the level, by marching squares:
// in each cell the level's crossings of the edges, found by linear
// interpolation, are joined; a saddle is decided by the mean of the four
// corners. Lines are open where they meet the grid's border or a node
// without a value, and closed (first point repeated) otherwise.
// Reference: Lorensen & Cline, Computer Graphics 21(4), 163 (1987), in two
//            dimensions.
std::vector<std::vector<GridPoint>> ContourLines(const GridValues& grid, double level);
