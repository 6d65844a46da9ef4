#include "datafiles/MapImport.h"

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <numeric>
#include <span>
#include <utility>

namespace {

constexpr std::size_t kRimHeaderBytes = 36;
constexpr std::size_t kWdbHeaderBytes = 32;
constexpr std::size_t kPointBytes = 8;
constexpr double kMicroDegree = 1e-6;
constexpr int kBorderLevel = 1;
constexpr int kRiverLevel = 1;

std::uint32_t LittleEndian32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::int32_t BigEndianInt32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[offset]) << 24 |
                                     static_cast<std::uint32_t>(bytes[offset + 1]) << 16 |
                                     static_cast<std::uint32_t>(bytes[offset + 2]) << 8 |
                                     static_cast<std::uint32_t>(bytes[offset + 3]));
}

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutBigEndian16(std::vector<std::uint8_t>& out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

// The number of points a header announces, checked against what follows it.
std::size_t CheckedPointCount(std::int32_t count, std::size_t remaining, std::size_t polygon, const std::string& fileName)
{
    if (count < 0 || static_cast<std::size_t>(count) > remaining / kPointBytes) {
        throw CFileException(fileName, "polygon " + std::to_string(polygon) + " announces " + std::to_string(count) +
                                           " points, more than the file holds");
    }
    return static_cast<std::size_t>(count);
}

double LineLength(const MicroDegreeLine& line)
{
    double length = 0.0;
    for (std::size_t i = 1; i < line.size(); ++i) {
        length += std::hypot(static_cast<double>(line[i].x) - line[i - 1].x, static_cast<double>(line[i].y) - line[i - 1].y);
    }
    return length;
}

double DistanceToChord(MicroDegreePoint point, MicroDegreePoint a, MicroDegreePoint b)
{
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double px = static_cast<double>(point.x) - a.x, py = static_cast<double>(point.y) - a.y;
    const double chord = std::hypot(dx, dy);
    if (chord == 0.0) {
        return std::hypot(px, py);
    }
    return std::abs(px * dy - py * dx) / chord;
}

// For each point, the largest Douglas-Peucker tolerance (micro-degrees) at
// which it is still kept: its distance when its span is split, capped by that
// of the split that made the span. The ends are always kept.
std::vector<double> KeepingTolerances(const MicroDegreeLine& line)
{
    std::vector<double> tolerance(line.size(), std::numeric_limits<double>::infinity());
    struct Span {
        std::size_t first, last;
        double cap;
    };
    std::vector<Span> spans{{0, line.size() - 1, std::numeric_limits<double>::infinity()}};
    while (!spans.empty()) {
        const Span span = spans.back();
        spans.pop_back();
        if (span.last <= span.first + 1) {
            continue;
        }
        std::size_t farthest = span.first + 1;
        double distance = -1.0;
        for (std::size_t i = span.first + 1; i < span.last; ++i) {
            const double d = DistanceToChord(line[i], line[span.first], line[span.last]);
            if (d > distance) {
                distance = d;
                farthest = i;
            }
        }
        const double kept = std::min(distance, span.cap);
        tolerance[farthest] = kept;
        spans.push_back({span.first, farthest, kept});
        spans.push_back({farthest, span.last, kept});
    }
    return tolerance;
}

std::string FormatDegrees(std::int32_t microDegrees)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", microDegrees * kMicroDegree);
    return text;
}

std::int32_t ReducedLongitude(std::int32_t x)
{
    constexpr std::int32_t kHalfTurn = 180000000;
    constexpr std::int32_t kTurn = 360000000;
    while (x > kHalfTurn) {
        x -= kTurn;
    }
    while (x <= -kHalfTurn) {
        x += kTurn;
    }
    return x;
}

} // namespace

ShorelineImportSummary ImportShorelines(const std::string& rimPath, const std::string& outputPath)
{
    const std::vector<std::uint8_t> input = ReadWholeFile(rimPath);
    std::vector<std::uint8_t> output;
    output.reserve(input.size());
    ShorelineImportSummary summary;
    std::size_t offset = 0;
    while (offset < input.size()) {
        if (input.size() - offset < kRimHeaderBytes) {
            throw CFileException(rimPath, "ends inside the header of polygon " + std::to_string(summary.polygons));
        }
        for (std::size_t field = 0; field < 8; ++field) {
            PutBigEndian32(output, LittleEndian32(input, offset + 4 * field));
        }
        PutBigEndian16(output, static_cast<std::uint16_t>(input[offset + 32] | input[offset + 33] << 8));
        PutBigEndian16(output, static_cast<std::uint16_t>(input[offset + 34] | input[offset + 35] << 8));
        const std::int32_t announced = static_cast<std::int32_t>(LittleEndian32(input, offset + 4));
        offset += kRimHeaderBytes;
        const std::size_t count = CheckedPointCount(announced, input.size() - offset, static_cast<std::size_t>(summary.polygons), rimPath);
        for (std::size_t i = 0; i < 2 * count; ++i, offset += 4) {
            PutBigEndian32(output, LittleEndian32(input, offset));
        }
        ++summary.polygons;
        summary.points += static_cast<std::int64_t>(count);
    }
    WriteFileAtomically(outputPath, output);
    return summary;
}

std::vector<MicroDegreeLine> ReadWdbSegments(const std::vector<std::uint8_t>& bytes, int level, const std::string& fileName)
{
    std::vector<MicroDegreeLine> segments;
    std::size_t offset = 0;
    for (std::size_t index = 0; offset < bytes.size(); ++index) {
        if (bytes.size() - offset < kWdbHeaderBytes) {
            throw CFileException(fileName, "ends inside the header of segment " + std::to_string(index));
        }
        const std::int32_t announced = BigEndianInt32(bytes, offset + 4);
        const int segmentLevel = BigEndianInt32(bytes, offset + 8) & 255;
        offset += kWdbHeaderBytes;
        const std::size_t count = CheckedPointCount(announced, bytes.size() - offset, index, fileName);
        if (segmentLevel == level && count >= 2) {
            MicroDegreeLine segment(count);
            for (std::size_t i = 0; i < count; ++i) {
                segment[i] = {BigEndianInt32(bytes, offset + kPointBytes * i), BigEndianInt32(bytes, offset + kPointBytes * i + 4)};
            }
            segments.push_back(std::move(segment));
        }
        offset += count * kPointBytes;
    }
    return segments;
}

std::vector<MicroDegreeLine> JoinLines(const std::vector<MicroDegreeLine>& lines)
{
    // End e of line i is 2i (its first point) or 2i + 1 (its last). Ends that
    // share a point are paired two by two; a path through paired ends is one line.
    const std::size_t endCount = 2 * lines.size();
    const auto pointOf = [&](std::size_t end) { return end % 2 == 0 ? lines[end / 2].front() : lines[end / 2].back(); };
    std::map<std::pair<std::int32_t, std::int32_t>, std::vector<std::size_t>> endsAt;
    for (std::size_t end = 0; end < endCount; ++end) {
        endsAt[{pointOf(end).x, pointOf(end).y}].push_back(end);
    }
    constexpr std::size_t kUnpaired = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> partner(endCount, kUnpaired);
    for (const auto& [point, ends] : endsAt) {
        for (std::size_t i = 0; i + 1 < ends.size(); i += 2) {
            if (ends[i] / 2 != ends[i + 1] / 2) {
                partner[ends[i]] = ends[i + 1];
                partner[ends[i + 1]] = ends[i];
            }
        }
    }
    std::vector<bool> used(lines.size(), false);
    std::vector<MicroDegreeLine> joined;
    const auto walkFrom = [&](std::size_t end) {
        MicroDegreeLine path;
        while (end != kUnpaired && !used[end / 2]) {
            const MicroDegreeLine& line = lines[end / 2];
            used[end / 2] = true;
            const bool forward = end % 2 == 0;
            for (std::size_t i = 0; i < line.size(); ++i) {
                const MicroDegreePoint point = forward ? line[i] : line[line.size() - 1 - i];
                if (path.empty() || path.back() != point) {
                    path.push_back(point);
                }
            }
            end = partner[end ^ 1];
        }
        joined.push_back(std::move(path));
    };
    for (std::size_t end = 0; end < endCount; ++end) {
        if (partner[end] == kUnpaired && !used[end / 2]) {
            walkFrom(end);
        }
    }
    // What remains are rings: every end paired.
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (!used[line]) {
            walkFrom(2 * line);
        }
    }
    return joined;
}

double FitLines(std::vector<MicroDegreeLine>& lines, std::size_t maximumLines, std::size_t maximumPoints)
{
    std::erase_if(lines, [](const MicroDegreeLine& line) { return line.size() < 2; });
    std::vector<std::pair<double, std::size_t>> byLength;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        byLength.emplace_back(LineLength(lines[i]), i);
    }
    std::stable_sort(byLength.begin(), byLength.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    byLength.resize(std::min(byLength.size(), maximumLines));
    // Two ends a line; each line must keep them.
    if (2 * byLength.size() > maximumPoints) {
        byLength.resize(maximumPoints / 2);
    }
    std::vector<MicroDegreeLine> kept;
    for (const auto& [length, index] : byLength) {
        kept.push_back(std::move(lines[index]));
    }
    lines = std::move(kept);

    const std::size_t total = std::accumulate(lines.begin(), lines.end(), std::size_t{0},
                                              [](std::size_t sum, const MicroDegreeLine& line) { return sum + line.size(); });
    if (total <= maximumPoints) {
        return 0.0;
    }
    std::vector<std::vector<double>> tolerances;
    std::vector<double> interior;
    for (const MicroDegreeLine& line : lines) {
        tolerances.push_back(KeepingTolerances(line));
        interior.insert(interior.end(), tolerances.back().begin() + 1, tolerances.back().end() - 1);
    }
    // Keep the interior points of largest tolerance: those strictly above the
    // tolerance of the first point that no longer fits.
    const std::size_t interiorAllowed = maximumPoints - 2 * lines.size();
    std::nth_element(interior.begin(), interior.begin() + static_cast<std::ptrdiff_t>(interiorAllowed), interior.end(),
                     std::greater<>());
    const double threshold = interior[interiorAllowed];
    for (std::size_t l = 0; l < lines.size(); ++l) {
        MicroDegreeLine simplified;
        for (std::size_t i = 0; i < lines[l].size(); ++i) {
            if (tolerances[l][i] > threshold) {
                simplified.push_back(lines[l][i]);
            }
        }
        lines[l] = std::move(simplified);
    }
    return threshold * kMicroDegree;
}

std::string FormatPolylineText(const std::vector<MicroDegreeLine>& lines, const std::string& header)
{
    std::string text = header + "\n";
    for (const MicroDegreeLine& line : lines) {
        for (const MicroDegreePoint point : line) {
            text += FormatDegrees(point.y) + "\t" + FormatDegrees(ReducedLongitude(point.x)) + "\n";
        }
        text += "\n";
    }
    return text + "\n";
}

PolylineImportSummary ImportPolylines(const std::string& wdbPath, int level, const PolylineLayout& layout,
                                      const std::string& outputPath)
{
    const std::vector<MicroDegreeLine> segments = ReadWdbSegments(ReadWholeFile(wdbPath), level, wdbPath);
    std::vector<MicroDegreeLine> lines = JoinLines(segments);
    PolylineImportSummary summary;
    summary.segmentsRead = static_cast<std::int32_t>(segments.size());
    summary.linesJoined = static_cast<std::int32_t>(lines.size());
    // The converter draws one line fewer than the closing lines it reads.
    const std::size_t drawableLines = static_cast<std::size_t>(layout.lineCapacity - 1);
    summary.tolerance = FitLines(lines, drawableLines, static_cast<std::size_t>(layout.pointCapacity));
    summary.linesKept = static_cast<std::int32_t>(lines.size());
    for (const MicroDegreeLine& line : lines) {
        summary.pointsKept += static_cast<std::int32_t>(line.size());
    }
    const std::string header = "WDB II level " + std::to_string(level) + ", " + std::to_string(summary.linesKept) + " lines, " +
                               std::to_string(summary.pointsKept) + " points: latitude, tab, longitude (degrees)";
    const std::string text = FormatPolylineText(lines, header);
    WriteFileAtomically(outputPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return summary;
}

MapImportSummary ImportMaps(const std::string& fromDirectory, const std::string& dataDirectory)
{
    MapImportSummary summary;
    summary.shorelines = ImportShorelines(JoinPath(fromDirectory, "gshhs_2.rim"), JoinPath(dataDirectory, "gshhs_i.b"));
    summary.borders = ImportPolylines(JoinPath(fromDirectory, "wdb_borders_i.b"), kBorderLevel, kBorderLayout,
                                      JoinPath(dataDirectory, kBorderLayout.textName));
    summary.rivers = ImportPolylines(JoinPath(fromDirectory, "wdb_rivers_i.b"), kRiverLevel, kRiverLayout,
                                     JoinPath(dataDirectory, kRiverLayout.textName));
    return summary;
}
