#include "core/Units.h"
#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/SeriesTexts.h"
#include "datafiles/TextFields.h"
#include "datafiles/TextLayout.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kMultiplierWidth = 3;
constexpr int kRealWidth = 9;

constexpr LayoutField Multiplier(int index, int firstColumn = 0)
{
    return {firstColumn + kMultiplierWidth * index, kMultiplierWidth, FieldKind::Multiplier};
}

// The published lines of each kind: the fields the converter reads, with
// blanks between them.
constexpr LayoutField kMainLayout[] = {
    Multiplier(0), Multiplier(1), Multiplier(2), Multiplier(3), {14, 13, FieldKind::Real},
    {29, 10, FieldKind::Real}, {41, 10, FieldKind::Real}, {53, 10, FieldKind::Real}, {65, 10, FieldKind::Real},
    {77, 10, FieldKind::Real}, {89, 10, FieldKind::Real},
};
constexpr LayoutField kFigureLayout[] = {
    Multiplier(0), Multiplier(1), Multiplier(2), Multiplier(3), Multiplier(4),
    {16, kRealWidth, FieldKind::Real}, {26, kRealWidth, FieldKind::Real}, {36, kRealWidth, FieldKind::Real},
};
constexpr LayoutField kPlanetaryLayout[] = {
    Multiplier(0), Multiplier(1), Multiplier(2), Multiplier(3), Multiplier(4), Multiplier(5),
    Multiplier(6), Multiplier(7), Multiplier(8), Multiplier(9), Multiplier(10),
    {34, kRealWidth, FieldKind::Real}, {44, kRealWidth, FieldKind::Real}, {54, kRealWidth, FieldKind::Real},
};
// The first column, the multiplier of zeta, is read only for the layout.
constexpr LayoutField kMinorLayout[] = {
    Multiplier(0), Multiplier(0, 3), Multiplier(1, 3), Multiplier(2, 3), Multiplier(3, 3),
    {16, kRealWidth, FieldKind::Real}, {26, kRealWidth, FieldKind::Real}, {36, kRealWidth, FieldKind::Real},
};

std::span<const LayoutField> LayoutOf(ElpRecordKind kind)
{
    switch (kind) {
    case ElpRecordKind::Main:
        return kMainLayout;
    case ElpRecordKind::Figure:
        return kFigureLayout;
    case ElpRecordKind::Planetary:
        return kPlanetaryLayout;
    case ElpRecordKind::Minor:
        break;
    }
    return kMinorLayout;
}

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

std::string TermsOf(int series)
{
    return "the " + std::to_string(ElpTermCount(series)) + " terms of ELP" + std::to_string(series);
}

} // namespace

// A blank line may end the text; one among the terms is refused where it stands.
void ReadElpSeriesText(ILineSource& text, int series, std::span<std::uint8_t> image)
{
    CNumberedLines lines(text);
    const std::size_t recordSize = ElpRecordSize(series);
    const std::size_t regionStart = ElpSeriesOffset(series);
    std::string line;
    if (!lines.Next(line)) {
        lines.Fail("the text is empty, where a header line and " + TermsOf(series) + " were expected");
    }
    for (std::size_t term = 0; term < ElpTermCount(series); ++term) {
        if (!lines.Next(line) || IsBlankLine(line)) {
            lines.Fail("the terms end after " + std::to_string(term) + " of " + TermsOf(series));
        }
        lines.ExpectLayout(line, LayoutOf(ElpKindOfSeries(series)));
        StoreParsedLine(series, line, image.subspan(regionStart + term * recordSize, recordSize));
    }
    lines.ExpectNothingAfter(TermsOf(series));
}

void BuildElpImage(const std::string& dataDirectory)
{
    std::vector<std::uint8_t> image(kElpImageSize);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        CTextFile text(JoinPath(dataDirectory, kElpTextPrefix + std::to_string(series)));
        ReadElpSeriesText(text, series, image);
    }
    WriteDataImage(dataDirectory, kElpImageName, image);
}
