#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/NutationImage.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/TextFields.h"

#include <array>
#include <string>
#include <vector>

namespace {

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

// The count is fixed: lines missing at the end give zero terms, and lines
// after the last term are never read.
std::vector<std::uint8_t> ReadNutationText(const std::string& path)
{
    std::vector<std::uint8_t> image(kNutationImageSize);
    CTextFile text(path);
    std::string line;
    text.ReadString(line); // header
    for (std::size_t index = 0; index < kNutationTermCount; ++index) {
        text.ReadString(line);
        StoreRecord(std::span<std::uint8_t>(image), index * sizeof(NutationTerm), ParseNutationLine(line));
    }
    return image;
}

} // namespace

void BuildNutationImage(const std::string& dataDirectory)
{
    WriteDataImage(dataDirectory, kNutationImageName, ReadNutationText(JoinPath(dataDirectory, kNutationTextName)));
}
