#include "eclipse/path/MarchingSquares.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {

// An edge of the grid, between a node and the next one along the row
// (horizontal) or the column (vertical).
std::uint64_t EdgeKey(std::size_t row, std::size_t column, bool vertical)
{
    return (static_cast<std::uint64_t>(row) << 33) | (static_cast<std::uint64_t>(column) << 1) | (vertical ? 1u : 0u);
}

struct Segment {
    std::array<std::uint64_t, 2> edges;
    std::array<GridPoint, 2> points;
};

class SegmentCollector {
public:
    SegmentCollector(const GridValues& grid, double level) : m_grid(grid), m_level(level) {}

    std::vector<Segment> Collect()
    {
        for (std::size_t row = 0; row + 1 < m_grid.rows; ++row) {
            for (std::size_t column = 0; column + 1 < m_grid.columns; ++column) {
                AddCell(row, column);
            }
        }
        return std::move(m_segments);
    }

private:
    struct Crossing {
        std::uint64_t edge;
        GridPoint point;
    };

    Crossing OnEdge(std::size_t row, std::size_t column, bool vertical) const
    {
        const double a = m_grid.At(row, column);
        const double b = vertical ? m_grid.At(row + 1, column) : m_grid.At(row, column + 1);
        const double f = (m_level - a) / (b - a);
        const double r = static_cast<double>(row);
        const double c = static_cast<double>(column);
        const GridPoint point = vertical ? GridPoint{r + f, c} : GridPoint{r, c + f};
        return {EdgeKey(row, column, vertical), point};
    }

    void AddCell(std::size_t row, std::size_t column)
    {
        // Corners counterclockwise from the lower left: (r, c), (r, c+1), (r+1, c+1), (r+1, c).
        const std::array<double, 4> corner{m_grid.At(row, column), m_grid.At(row, column + 1),
                                           m_grid.At(row + 1, column + 1), m_grid.At(row + 1, column)};
        for (const double value : corner) {
            if (std::isnan(value)) {
                return;
            }
        }
        std::array<bool, 4> above{};
        for (std::size_t i = 0; i < 4; ++i) {
            above[i] = corner[i] >= m_level;
        }
        // Edge i runs from corner i to corner i + 1: bottom, right, top, left.
        const std::array<Crossing, 4> edges{OnEdge(row, column, false), OnEdge(row, column + 1, true),
                                            OnEdge(row + 1, column, false), OnEdge(row, column, true)};
        std::array<std::size_t, 4> crossed{};
        std::size_t count = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            if (above[i] != above[(i + 1) % 4]) {
                crossed[count++] = i;
            }
        }
        if (count == 2) {
            Add(edges[crossed[0]], edges[crossed[1]]);
        } else if (count == 4) {
            // A saddle: cut off the two corners unlike the cell's middle.
            const bool middleAbove = (corner[0] + corner[1] + corner[2] + corner[3]) / 4.0 >= m_level;
            for (std::size_t i = 0; i < 4; ++i) {
                if (above[i] != middleAbove) {
                    Add(edges[(i + 3) % 4], edges[i]);
                }
            }
        }
    }

    void Add(const Crossing& a, const Crossing& b) { m_segments.push_back({{a.edge, b.edge}, {a.point, b.point}}); }

    const GridValues& m_grid;
    double m_level;
    std::vector<Segment> m_segments;
};

class SegmentJoiner {
public:
    explicit SegmentJoiner(std::vector<Segment> segments) : m_segments(std::move(segments)), m_used(m_segments.size(), false)
    {
        for (std::size_t i = 0; i < m_segments.size(); ++i) {
            for (const std::uint64_t edge : m_segments[i].edges) {
                m_byEdge[edge].push_back(i);
            }
        }
    }

    std::vector<std::vector<GridPoint>> Lines()
    {
        std::vector<std::vector<GridPoint>> lines;
        // Open lines first, from an end no other segment shares.
        for (std::size_t i = 0; i < m_segments.size(); ++i) {
            for (std::size_t end = 0; end < 2 && !m_used[i]; ++end) {
                if (m_byEdge[m_segments[i].edges[end]].size() == 1) {
                    lines.push_back(Walk(i, end));
                }
            }
        }
        for (std::size_t i = 0; i < m_segments.size(); ++i) {
            if (!m_used[i]) {
                lines.push_back(Walk(i, 0));
            }
        }
        return lines;
    }

private:
    // From segment 'first', leaving by its other end than 'entry'.
    std::vector<GridPoint> Walk(std::size_t first, std::size_t entry)
    {
        std::vector<GridPoint> line{m_segments[first].points[entry]};
        std::size_t current = first;
        std::uint64_t edge = m_segments[first].edges[entry];
        while (true) {
            m_used[current] = true;
            const Segment& segment = m_segments[current];
            const std::size_t exit = segment.edges[0] == edge ? 1 : 0;
            line.push_back(segment.points[exit]);
            edge = segment.edges[exit];
            std::size_t next = current;
            for (const std::size_t candidate : m_byEdge[edge]) {
                if (!m_used[candidate]) {
                    next = candidate;
                }
            }
            if (next == current) {
                return line;
            }
            current = next;
        }
    }

    std::vector<Segment> m_segments;
    std::vector<bool> m_used;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> m_byEdge;
};

} // namespace

std::vector<std::vector<GridPoint>> ContourLines(const GridValues& grid, double level)
{
    return SegmentJoiner(SegmentCollector(grid, level).Collect()).Lines();
}
