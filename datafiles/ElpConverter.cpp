#include "core/Units.h"
#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/TextFields.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kMultiplierWidth = 3;
constexpr int kRealWidth = 9;

template <std::size_t Count>
void ParseMultipliers(std::string_view line, int firstColumn, std::int8_t (&multipliers)[Count])
{
    for (std::size_t index = 0; index < Count; ++index) {
        multipliers[index] = ParseInt8(ColumnField(line, firstColumn + kMultiplierWidth * static_cast<int>(index), kMultiplierWidth));
    }
}

double ParseDegreesAsRadians(std::string_view field)
{
    return ParseReal(field) * kDegreesToRadians;
}

ElpMainTerm ParseMainLine(std::string_view line)
{
    ElpMainTerm term;
    ParseMultipliers(line, 0, term.multipliers);
    term.amplitude = ParseReal(ColumnField(line, 14, 13));
    term.b1 = ParseReal(ColumnField(line, 29, 10));
    term.b2 = ParseReal(ColumnField(line, 41, 10));
    term.b3 = ParseReal(ColumnField(line, 53, 10));
    term.b4 = ParseReal(ColumnField(line, 65, 10));
    term.b5 = ParseReal(ColumnField(line, 77, 10));
    term.b6 = ParseReal(ColumnField(line, 89, 10));
    return term;
}

// Phase (degrees in the text, radians stored), amplitude and period stand in
// three fields of the same width, from phaseColumn on.
template <typename Term>
Term ParsePeriodicLine(std::string_view line, int firstMultiplierColumn, int phaseColumn)
{
    Term term;
    ParseMultipliers(line, firstMultiplierColumn, term.multipliers);
    term.phase = ParseDegreesAsRadians(ColumnField(line, phaseColumn, kRealWidth));
    term.amplitude = ParseReal(ColumnField(line, phaseColumn + 10, kRealWidth));
    term.period = ParseReal(ColumnField(line, phaseColumn + 20, kRealWidth));
    return term;
}

ElpFigureTerm ParseFigureLine(std::string_view line)
{
    return ParsePeriodicLine<ElpFigureTerm>(line, 0, 16);
}

ElpPlanetaryTerm ParsePlanetaryLine(std::string_view line)
{
    return ParsePeriodicLine<ElpPlanetaryTerm>(line, 0, 34);
}

// The first integer column (the multiplier of zeta, always 0 here) is not kept.
ElpMinorTerm ParseMinorLine(std::string_view line)
{
    return ParsePeriodicLine<ElpMinorTerm>(line, 3, 16);
}

void StoreParsedLine(int series, std::string_view line, std::span<std::uint8_t> region)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        StoreRecord(region, 0, ParseMainLine(line));
        break;
    case ElpRecordKind::Figure:
        StoreRecord(region, 0, ParseFigureLine(line));
        break;
    case ElpRecordKind::Planetary:
        StoreRecord(region, 0, ParsePlanetaryLine(line));
        break;
    case ElpRecordKind::Minor:
        StoreRecord(region, 0, ParseMinorLine(line));
        break;
    }
}

// Fills the region of one series from its text. A missing file, or a text
// holding more terms than the region, raises CFileException.
void ReadElpSeries(const std::string& dataDirectory, int series, std::span<std::uint8_t> image)
{
    CTextFile text(JoinPath(dataDirectory, kElpTextPrefix + std::to_string(series)));
    const std::size_t recordSize = ElpRecordSize(series);
    const std::size_t regionStart = ElpSeriesOffset(series);
    std::string line;
    text.ReadString(line); // header
    std::size_t term = 0;
    while (text.ReadString(line)) {
        if (term == ElpTermCount(series)) {
            throw CFileException(text.Path(), "more than the image's " + std::to_string(ElpTermCount(series)) + " terms of this series");
        }
        StoreParsedLine(series, line, image.subspan(regionStart + term * recordSize, recordSize));
        ++term;
    }
}

} // namespace

void BuildElpImage(const std::string& dataDirectory)
{
    std::vector<std::uint8_t> image(kElpImageSize);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        ReadElpSeries(dataDirectory, series, image);
    }
    WriteDataImage(dataDirectory, kElpImageName, image);
}
