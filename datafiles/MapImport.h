#pragma once

#include "datafiles/PolylineImage.h"

#include <cstdint>
#include <string>
#include <vector>

// Brings the shorelines, borders and rivers of Debian's xygrib-maps into the
// inputs of the map converters. Bad inputs raise CFileException naming the file.

// A point in millionths of a degree, as the published files hold it.
struct MicroDegreePoint {
    std::int32_t x = 0;  // longitude
    std::int32_t y = 0;  // latitude
    friend bool operator==(const MicroDegreePoint&, const MicroDegreePoint&) = default;
};

using MicroDegreeLine = std::vector<MicroDegreePoint>;

struct ShorelineImportSummary {
    std::int32_t polygons = 0;
    std::int64_t points = 0;
};

struct PolylineImportSummary {
    std::int32_t segmentsRead = 0;   // segments of the chosen level in the input
    std::int32_t linesJoined = 0;    // lines once the segments meeting end to end are joined
    std::int32_t linesKept = 0;      // the longest of them that the image can draw
    std::int32_t pointsKept = 0;     // their points after the least simplification that fits
    double tolerance = 0.0;          // that simplification, degrees (0: none)
};

// "gshhs_2.rim" (little-endian GSHHS 1.1, 36-byte headers) -> "gshhs_i.b" (the
// same polygons in the published big-endian layout).
ShorelineImportSummary ImportShorelines(const std::string& rimPath, const std::string& outputPath);

// A WDB II file (big-endian, 32-byte headers; level = flag & 255) -> the text
// that the border or river converter reads, fitted to its capacities.
PolylineImportSummary ImportPolylines(const std::string& wdbPath, int level, const PolylineLayout& layout,
                                      const std::string& outputPath);

// The segments of one level of a WDB II file's bytes; fileName names it in errors.
std::vector<MicroDegreeLine> ReadWdbSegments(const std::vector<std::uint8_t>& bytes, int level, const std::string& fileName);

// Joins lines whose ends meet into longer lines (reversing them as needed).
std::vector<MicroDegreeLine> JoinLines(const std::vector<MicroDegreeLine>& lines);

// Keeps the longest lines up to maximumLines, then drops the fewest points
// (Douglas-Peucker, ends always kept) so that at most maximumPoints remain.
// Returns the tolerance used, degrees.
double FitLines(std::vector<MicroDegreeLine>& lines, std::size_t maximumLines, std::size_t maximumPoints);

// The converter's text: a header line, then for each line its points
// "latitude<TAB>longitude" (degrees, longitudes in (-180, 180]) and a closing
// empty line, and a final closing line.
std::string FormatPolylineText(const std::vector<MicroDegreeLine>& lines, const std::string& header);

// The three imports, from the xygrib-maps directory into the data directory.
struct MapImportSummary {
    ShorelineImportSummary shorelines;
    PolylineImportSummary borders;
    PolylineImportSummary rivers;
};
MapImportSummary ImportMaps(const std::string& fromDirectory, const std::string& dataDirectory);
