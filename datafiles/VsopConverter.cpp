#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/RecordImage.h"
#include "datafiles/TextFields.h"
#include "datafiles/VsopImage.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kVariableMarker = "VARIABLE ";
constexpr std::string_view kPowerMarker = "*T**";

struct SeriesHeader {
    std::size_t variable; // 0 to 2
    std::size_t power;    // 0 to 5
};

// The digit right after a marker, or -1 when the marker is missing.
std::int64_t NumberAfter(std::string_view line, std::string_view marker)
{
    const int position = FindText(line, marker);
    if (position < 0) {
        return -1;
    }
    return ParseInteger(ColumnField(line, position + static_cast<int>(marker.size()), 1));
}

// Nothing when the line is not a header naming a variable 1 to 3 and a power 0 to 5.
std::optional<SeriesHeader> ParseHeader(std::string_view line)
{
    const std::int64_t variable = NumberAfter(line, kVariableMarker);
    const std::int64_t power = NumberAfter(line, kPowerMarker);
    if (variable < 1 || variable > static_cast<std::int64_t>(kVsopVariableCount) || power < 0 ||
        power >= static_cast<std::int64_t>(kVsopPowerCount)) {
        return std::nullopt;
    }
    return SeriesHeader{static_cast<std::size_t>(variable - 1), static_cast<std::size_t>(power)};
}

VsopTerm ParseTermLine(std::string_view line)
{
    VsopTerm term;
    term.amplitude = ParseReal(ColumnField(line, 80, 18));
    term.phase = ParseReal(ColumnField(line, 98, 14));
    term.frequency = ParseReal(ColumnField(line, 112, 20));
    return term;
}

// Blocks are stored in the order of the text, each taking the count of the
// table whatever its header prints. A text that does not fit the table (a
// header that names no known series, or more terms than the table) raises.
std::vector<std::uint8_t> ReadVsopText(const std::string& path)
{
    std::vector<std::uint8_t> image(kVsopImageSize);
    CTextFile text(path);
    std::string line;
    std::size_t filled = 0;
    while (text.ReadString(line)) {
        const std::optional<SeriesHeader> header = ParseHeader(line);
        if (!header) {
            throw CFileException(path, "a series header names no VSOP87 variable 1 to 3 and power 0 to 5");
        }
        const std::size_t count = kVsopTermCounts[header->variable][header->power];
        if (filled + count > kVsopTermCount) {
            throw CFileException(path, "more than the image's " + std::to_string(kVsopTermCount) + " terms");
        }
        for (std::size_t term = 0; term < count; ++term, ++filled) {
            text.ReadString(line);
            StoreRecord(std::span<std::uint8_t>(image), filled * sizeof(VsopTerm), ParseTermLine(line));
        }
    }
    return image;
}

} // namespace

void BuildVsopImage(const std::string& dataDirectory)
{
    WriteDataImage(dataDirectory, kVsopImageName, ReadVsopText(JoinPath(dataDirectory, kVsopTextName)));
}
