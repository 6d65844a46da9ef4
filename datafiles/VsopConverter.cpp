#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/SeriesTexts.h"
#include "datafiles/TextFields.h"
#include "datafiles/TextLayout.h"
#include "datafiles/VsopImage.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kVariableMarker = "VARIABLE ";
constexpr std::string_view kPowerMarker = "*T**";
// Version C (rectangular, ecliptic and equinox of date), body 3 (the Earth).
constexpr std::string_view kVersionMarker = "VERSION C3";
constexpr std::string_view kBodyMarker = "EARTH";
constexpr std::int64_t kVersionAndBodyCode = 3300;

// Each term line: the code of version, body, variable and power; the rank of
// the term; twelve multipliers; S and K (not read); then the amplitude,
// phase and frequency at the columns the converter reads. The published
// lines hold a number in each field and blanks between.
constexpr LayoutField kTermLayout[] = {
    {1, 4, FieldKind::Integer},    {5, 5, FieldKind::Integer},    {10, 3, FieldKind::Integer},   {13, 3, FieldKind::Integer},
    {16, 3, FieldKind::Integer},   {19, 3, FieldKind::Integer},   {22, 3, FieldKind::Integer},   {25, 3, FieldKind::Integer},
    {28, 3, FieldKind::Integer},   {31, 3, FieldKind::Integer},   {34, 3, FieldKind::Integer},   {37, 3, FieldKind::Integer},
    {40, 3, FieldKind::Integer},   {43, 3, FieldKind::Integer},   {46, 15, FieldKind::Real},     {61, 18, FieldKind::Real},
    {80, 18, FieldKind::Real},     {98, 14, FieldKind::Real},     {112, 20, FieldKind::Real},
};

struct Series {
    std::size_t variable; // 0 to 2
    std::size_t power;    // 0 to 5
    std::size_t count;
};

std::string SeriesName(const Series& series)
{
    return "the series of variable " + std::to_string(series.variable + 1) + ", power " + std::to_string(series.power) +
           " (" + std::to_string(series.count) + " terms)";
}

// The digit right after a marker, or -1 when the marker is missing.
std::int64_t NumberAfter(std::string_view line, std::string_view marker)
{
    const int position = FindText(line, marker);
    if (position < 0) {
        return -1;
    }
    return ParseInteger(ColumnField(line, position + static_cast<int>(marker.size()), 1));
}

// The term count printed after the power: "*T**0   1007 TERMS".
std::int64_t PrintedCount(std::string_view line)
{
    const int position = FindText(line, kPowerMarker);
    const std::string_view rest = ColumnField(line, position + static_cast<int>(kPowerMarker.size()) + 1, 1000);
    return FindText(rest, "TERMS") < 0 ? -1 : ParseInteger(rest);
}

void ExpectHeader(const CNumberedLines& lines, std::string_view line, const Series& series)
{
    if (FindText(line, kVersionMarker) < 0 || FindText(line, kBodyMarker) < 0) {
        lines.Fail("not a header of VSOP87 version C for the Earth (\"VERSION C3 ... EARTH\"), where " +
                   SeriesName(series) + " should begin");
    }
    if (NumberAfter(line, kVariableMarker) != static_cast<std::int64_t>(series.variable + 1) ||
        NumberAfter(line, kPowerMarker) != static_cast<std::int64_t>(series.power) ||
        PrintedCount(line) != static_cast<std::int64_t>(series.count)) {
        lines.Fail("a header other than that of " + SeriesName(series) + ", which comes here");
    }
}

VsopTerm ParseTermLine(std::string_view line)
{
    VsopTerm term;
    term.amplitude = ParseReal(ColumnField(line, 80, 18));
    term.phase = ParseReal(ColumnField(line, 98, 14));
    term.frequency = ParseReal(ColumnField(line, 112, 20));
    return term;
}

// A term line of the series, in its place: its code names the version, the
// body and the series, and its rank counts the terms from 1.
void ExpectTermLine(const CNumberedLines& lines, std::string_view line, const Series& series, std::size_t rank)
{
    lines.ExpectLayout(line, kTermLayout);
    const std::int64_t code = kVersionAndBodyCode + 10 * static_cast<std::int64_t>(series.variable + 1) +
                              static_cast<std::int64_t>(series.power);
    const std::int64_t printedCode = ParseInteger(ColumnField(line, 1, 4));
    if (printedCode != code) {
        lines.Fail("a term coded " + std::to_string(printedCode) + ", where " + SeriesName(series) + " of version C, coded " +
                   std::to_string(code) + ", goes on");
    }
    const std::int64_t printedRank = ParseInteger(ColumnField(line, 5, 5));
    if (printedRank != static_cast<std::int64_t>(rank)) {
        lines.Fail("term number " + std::to_string(printedRank) + ", where number " + std::to_string(rank) + " of " +
                   SeriesName(series) + " comes");
    }
}

void ReadSeries(CNumberedLines& lines, const Series& series, std::span<std::uint8_t> image, std::size_t& filled)
{
    std::string line;
    if (!lines.Next(line)) {
        lines.Fail("the text ends where " + SeriesName(series) + " should begin");
    }
    ExpectHeader(lines, line, series);
    for (std::size_t rank = 1; rank <= series.count; ++rank, ++filled) {
        if (!lines.Next(line)) {
            lines.Fail("the text ends after " + std::to_string(rank - 1) + " terms of " + SeriesName(series));
        }
        ExpectTermLine(lines, line, series, rank);
        StoreRecord(image, filled * sizeof(VsopTerm), ParseTermLine(line));
    }
}

} // namespace

std::vector<std::uint8_t> VsopImageFromText(ILineSource& text)
{
    std::vector<std::uint8_t> image(kVsopImageSize);
    CNumberedLines lines(text);
    std::size_t filled = 0;
    for (std::size_t variable = 0; variable < kVsopVariableCount; ++variable) {
        for (std::size_t power = 0; power < kVsopPowerCount; ++power) {
            if (kVsopTermCounts[variable][power] > 0) {
                ReadSeries(lines, Series{variable, power, kVsopTermCounts[variable][power]}, image, filled);
            }
        }
    }
    lines.ExpectNothingAfter("the " + std::to_string(kVsopTermCount) + " terms of the Earth's 17 series");
    return image;
}

void BuildVsopImage(const std::string& dataDirectory)
{
    CTextFile text(JoinPath(dataDirectory, kVsopTextName));
    WriteDataImage(dataDirectory, kVsopImageName, VsopImageFromText(text));
}
