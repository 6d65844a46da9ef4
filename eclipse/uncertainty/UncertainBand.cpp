#include "eclipse/uncertainty/UncertainBand.h"

#include "eclipse/path/MarchingSquares.h"
#include "eclipse/uncertainty/CentralLongitudes.h"
#include "eclipse/uncertainty/DeltaTShift.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kRowDegrees = 0.1;
constexpr double kColumnDegrees = 0.1;
// Grid values are longitude distances to the nearest edge of the region,
// held within a degree: exact for the crossings between neighbouring nodes.
constexpr double kLargestDistance = 1.0;
constexpr int kRowsPerDegree = 10;
constexpr int kLastRow = 90 * kRowsPerDegree;
constexpr int kColumnsAround = 3600;

std::vector<PathLine> CentralLines(const EclipsePath& path)
{
    std::vector<PathLine> lines;
    for (const std::vector<CentralVertex>& run : path.centralLine) {
        PathLine line;
        for (const CentralVertex& vertex : run) {
            line.push_back(vertex.place);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<PathLine> Limits(const EclipsePath& path)
{
    std::vector<PathLine> limits = path.umbraNorth;
    limits.insert(limits.end(), path.umbraSouth.begin(), path.umbraSouth.end());
    return limits;
}

// The parallel's central stretches widened by the shift on both sides,
// those that then touch merged (around the antimeridian too).
CentralLongitudes Widened(const CentralLongitudes& central, double shift)
{
    CentralLongitudes widened;
    widened.wholeParallel = central.wholeParallel;
    for (const LongitudeInterval& interval : central.intervals) {
        LongitudeInterval wide{interval.west - shift, interval.east + shift};
        if (!widened.intervals.empty() && wide.west <= widened.intervals.back().east) {
            widened.intervals.back().east = std::max(widened.intervals.back().east, wide.east);
        } else {
            widened.intervals.push_back(wide);
        }
    }
    if (widened.intervals.size() > 1 && widened.intervals.back().east >= widened.intervals.front().west + 360.0) {
        widened.intervals.front().west = widened.intervals.back().west - 360.0;
        widened.intervals.front().east = std::max(widened.intervals.front().east, widened.intervals.back().east - 360.0);
        widened.intervals.pop_back();
    }
    for (const LongitudeInterval& interval : widened.intervals) {
        if (interval.east - interval.west >= 360.0) {
            widened.wholeParallel = true;
        }
    }
    if (widened.wholeParallel) {
        widened.intervals.clear();
    }
    return widened;
}

// Negative inside, in degrees of longitude to the nearest edge, within
// kLargestDistance.
double SignedDistance(const CentralLongitudes& row, double longitude)
{
    if (row.wholeParallel) {
        return -kLargestDistance;
    }
    double outside = kLargestDistance;
    for (const LongitudeInterval& interval : row.intervals) {
        for (const double turn : {-360.0, 0.0, 360.0}) {
            const double west = interval.west + turn;
            const double east = interval.east + turn;
            if (west <= longitude && longitude <= east) {
                return -std::min(kLargestDistance, std::min(longitude - west, east - longitude));
            }
            outside = std::min(outside, std::min(std::abs(longitude - west), std::abs(longitude - east)));
        }
    }
    return outside;
}

struct BandRows {
    int firstRow = 0;  // tenths of a degree of latitude
    std::vector<CentralLongitudes> rows;

    double Latitude(std::size_t index) const { return (firstRow + static_cast<int>(index)) * kRowDegrees; }
};

// The rows from the path's latitudes, grown outward until an empty row or
// a pole closes them.
BandRows ComputeRows(const FittedElements& elements, const std::vector<PathLine>& lines, double shift)
{
    double lowest = 90.0;
    double highest = -90.0;
    for (const PathLine& line : lines) {
        for (const PathVertex& vertex : line) {
            lowest = std::min(lowest, vertex.latitude);
            highest = std::max(highest, vertex.latitude);
        }
    }
    BandRows band;
    if (lowest > highest) {
        return band;
    }
    const auto rowAt = [&](int row) { return Widened(CentralLongitudesAt(elements, row * kRowDegrees, 0.0), shift); };
    int first = std::max(-kLastRow, static_cast<int>(std::floor(lowest * kRowsPerDegree)) - 1);
    int last = std::min(kLastRow, static_cast<int>(std::ceil(highest * kRowsPerDegree)) + 1);
    for (int row = first; row <= last; ++row) {
        band.rows.push_back(rowAt(row));
    }
    while (first > -kLastRow && !band.rows.front().Empty()) {
        band.rows.insert(band.rows.begin(), rowAt(--first));
    }
    while (last < kLastRow && !band.rows.back().Empty()) {
        band.rows.push_back(rowAt(++last));
    }
    band.firstRow = first;
    return band;
}

// The columns (tenths of a degree east of -180) that the region may cross.
std::pair<int, int> ColumnWindow(const BandRows& band)
{
    double west = 180.0;
    double east = -180.0;
    for (const CentralLongitudes& row : band.rows) {
        if (row.wholeParallel) {
            return {0, kColumnsAround};
        }
        for (const LongitudeInterval& interval : row.intervals) {
            if (interval.west < -180.0 || interval.east > 180.0) {
                return {0, kColumnsAround};
            }
            west = std::min(west, interval.west);
            east = std::max(east, interval.east);
        }
    }
    const int first = std::max(0, static_cast<int>(std::floor((west + 180.0) / kColumnDegrees)) - 1);
    const int last = std::min(kColumnsAround, static_cast<int>(std::ceil((east + 180.0) / kColumnDegrees)) + 1);
    return {first, last};
}

// The band's signed distances on the grid, framed by a border of nodes
// outside it so that every outline closes.
GridValues BandGrid(const BandRows& band, int firstColumn, int lastColumn)
{
    GridValues grid;
    grid.rows = band.rows.size() + 2;
    grid.columns = static_cast<std::size_t>(lastColumn - firstColumn + 1) + 2;
    grid.values.assign(grid.rows * grid.columns, kLargestDistance);
    for (std::size_t row = 0; row < band.rows.size(); ++row) {
        for (std::size_t column = 1; column + 1 < grid.columns; ++column) {
            const double longitude = -180.0 + (firstColumn + static_cast<int>(column) - 1) * kColumnDegrees;
            grid.values[(row + 1) * grid.columns + column] = SignedDistance(band.rows[row], longitude);
        }
    }
    return grid;
}

double SignedArea(const std::vector<GeoPoint>& ring)
{
    double area = 0.0;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        area += ring[i].longitude * ring[i + 1].latitude - ring[i + 1].longitude * ring[i].latitude;
    }
    return 0.5 * area;
}

bool Contains(const std::vector<GeoPoint>& ring, const GeoPoint& point)
{
    bool inside = false;
    for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const GeoPoint& a = ring[i];
        const GeoPoint& b = ring[j];
        if ((a.latitude > point.latitude) != (b.latitude > point.latitude) &&
            point.longitude < (b.longitude - a.longitude) * (point.latitude - a.latitude) / (b.latitude - a.latitude) + a.longitude) {
            inside = !inside;
        }
    }
    return inside;
}

void Orient(std::vector<GeoPoint>& ring, bool counterclockwise)
{
    if ((SignedArea(ring) > 0.0) != counterclockwise) {
        std::reverse(ring.begin(), ring.end());
    }
}

// A vertex of the ring off the map's edges, where rings cut at the
// antimeridian or a pole may share a line.
GeoPoint Probe(const std::vector<GeoPoint>& ring)
{
    for (const GeoPoint& point : ring) {
        if (std::abs(point.longitude) < 180.0 && std::abs(point.latitude) < 90.0) {
            return point;
        }
    }
    return ring.front();
}

// Outer rings and the holes inside them, by how many rings enclose each.
std::vector<GeoPolygon> Polygons(std::vector<std::vector<GeoPoint>> rings)
{
    std::vector<int> depth(rings.size(), 0);
    std::vector<std::size_t> parent(rings.size(), rings.size());
    for (std::size_t i = 0; i < rings.size(); ++i) {
        double smallest = std::numeric_limits<double>::infinity();
        for (std::size_t j = 0; j < rings.size(); ++j) {
            if (i != j && Contains(rings[j], Probe(rings[i]))) {
                ++depth[i];
                const double area = std::abs(SignedArea(rings[j]));
                if (area < smallest) {
                    smallest = area;
                    parent[i] = j;
                }
            }
        }
    }
    std::vector<GeoPolygon> polygons;
    std::vector<std::size_t> polygonOf(rings.size(), 0);
    for (std::size_t i = 0; i < rings.size(); ++i) {
        if (depth[i] % 2 == 0) {
            Orient(rings[i], true);
            polygonOf[i] = polygons.size();
            polygons.push_back({rings[i], {}});
        }
    }
    for (std::size_t i = 0; i < rings.size(); ++i) {
        if (depth[i] % 2 == 1 && parent[i] < rings.size()) {
            Orient(rings[i], false);
            polygons[polygonOf[parent[i]]].holes.push_back(rings[i]);
        }
    }
    return polygons;
}

std::vector<GeoPolygon> Region(const FittedElements& elements, const EclipsePath& path, double shift)
{
    std::vector<PathLine> lines = CentralLines(path);
    const std::vector<PathLine> limits = Limits(path);
    lines.insert(lines.end(), limits.begin(), limits.end());
    const BandRows band = ComputeRows(elements, lines, shift);
    if (band.rows.empty()) {
        return {};
    }
    const auto [firstColumn, lastColumn] = ColumnWindow(band);
    std::vector<std::vector<GeoPoint>> rings;
    for (const std::vector<GridPoint>& line : ContourLines(BandGrid(band, firstColumn, lastColumn), 0.0)) {
        std::vector<GeoPoint> ring;
        ring.reserve(line.size());
        for (const GridPoint& point : line) {
            const double latitude = std::clamp(band.Latitude(0) + (point.row - 1.0) * kRowDegrees, -90.0, 90.0);
            const double longitude = std::clamp(-180.0 + (firstColumn + point.column - 1.0) * kColumnDegrees, -180.0, 180.0);
            ring.push_back({latitude, longitude});
        }
        if (ring.size() >= 4) {
            rings.push_back(std::move(ring));
        }
    }
    return Polygons(std::move(rings));
}

} // namespace

double UncertainBand::ShiftDegrees() const
{
    return LongitudeShiftDegrees(sigmas * sigma);
}

double ShiftedLongitude(double longitude, double degrees)
{
    const double reduced = std::remainder(longitude + degrees, 360.0);
    return reduced >= 180.0 ? reduced - 360.0 : reduced;
}

std::vector<PathLine> ShiftedLines(const std::vector<PathLine>& lines, double degrees)
{
    std::vector<PathLine> shifted = lines;
    for (PathLine& line : shifted) {
        for (PathVertex& vertex : line) {
            vertex.longitude = ShiftedLongitude(vertex.longitude, degrees);
        }
    }
    return shifted;
}

UncertainBand ComputeUncertainBand(const FittedElements& elements, const EclipsePath& path, double sigma, double sigmas)
{
    UncertainBand band;
    band.sigma = sigma;
    band.sigmas = sigmas;
    band.earlyDeltaT = path.deltaT - sigmas * sigma;
    band.lateDeltaT = path.deltaT + sigmas * sigma;
    const double shift = band.ShiftDegrees();
    const std::vector<PathLine> central = CentralLines(path);
    const std::vector<PathLine> limits = Limits(path);
    band.centralEarly = ShiftedLines(central, -shift);
    band.centralLate = ShiftedLines(central, shift);
    band.limitsWest = ShiftedLines(limits, -shift);
    band.limitsEast = ShiftedLines(limits, shift);
    band.region = Region(elements, path, shift);
    return band;
}
