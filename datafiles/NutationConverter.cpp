#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/NutationImage.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/SeriesTexts.h"
#include "datafiles/TextFields.h"
#include "datafiles/TextLayout.h"

#include <array>
#include <string>
#include <vector>

namespace {

// The five multipliers, the period in days (not read), the longitude
// coefficient and its rate, the obliquity coefficient and its rate.
constexpr LayoutField kTermLayout[] = {
    {0, 2, FieldKind::Multiplier},  {2, 3, FieldKind::Multiplier}, {5, 3, FieldKind::Multiplier},
    {8, 3, FieldKind::Multiplier},  {11, 3, FieldKind::Multiplier}, {14, 7, FieldKind::Real},
    {21, 9, FieldKind::Real},       {30, 7, FieldKind::Real},       {38, 7, FieldKind::Real},
    {45, 5, FieldKind::Real},
};

NutationTerm ParseNutationLine(const std::string& line)
{
    NutationTerm term;
    term.multipliers[0] = ParseInt8(ColumnField(line, 0, 2));
    term.multipliers[1] = ParseInt8(ColumnField(line, 2, 3));
    term.multipliers[2] = ParseInt8(ColumnField(line, 5, 3));
    term.multipliers[3] = ParseInt8(ColumnField(line, 8, 3));
    term.multipliers[4] = ParseInt8(ColumnField(line, 11, 3));
    term.longitudeCoefficient = static_cast<float>(ParseReal(ColumnField(line, 21, 9)));
    term.longitudeRate = static_cast<float>(ParseReal(ColumnField(line, 30, 7)));
    term.obliquityCoefficient = static_cast<float>(ParseReal(ColumnField(line, 38, 7)));
    term.obliquityRate = static_cast<float>(ParseReal(ColumnField(line, 45, 5)));
    return term;
}

const std::string kTermsOfTheTable = "the " + std::to_string(kNutationTermCount) + " terms of the IAU 1980 nutation";

} // namespace

std::vector<std::uint8_t> NutationImageFromText(ILineSource& text)
{
    std::vector<std::uint8_t> image(kNutationImageSize);
    CNumberedLines lines(text);
    std::string line;
    if (!lines.Next(line)) {
        lines.Fail("the text is empty, where a header line and " + kTermsOfTheTable + " were expected");
    }
    for (std::size_t index = 0; index < kNutationTermCount; ++index) {
        if (!lines.Next(line)) {
            lines.Fail("the text ends after " + std::to_string(index) + " of " + kTermsOfTheTable);
        }
        lines.ExpectLayout(line, kTermLayout);
        StoreRecord(std::span<std::uint8_t>(image), index * sizeof(NutationTerm), ParseNutationLine(line));
    }
    lines.ExpectNothingAfter(kTermsOfTheTable);
    return image;
}

void BuildNutationImage(const std::string& dataDirectory)
{
    CTextFile text(JoinPath(dataDirectory, kNutationTextName));
    WriteDataImage(dataDirectory, kNutationImageName, NutationImageFromText(text));
}
