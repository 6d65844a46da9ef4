// The series texts are taken only in their published layouts: anything else
// (an error page saved under the series' name, a file cut short, a term
// dropped or doubled, a field that is not a number) is refused naming the
// file and the line, and no image is written. The published files
// themselves pass, whole.
#include "ConverterTestDirectory.h"
#include "SeriesTextMaker.h"

#include "datafiles/Converters.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/SeriesTexts.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

using namespace series_text;

namespace {

struct Refusal {
    const char* what;
    std::string text;
    std::string expected;  // what the message says after the file's name
};

std::vector<std::string> Without(std::vector<std::string> lines, std::size_t index)
{
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return lines;
}

std::vector<std::string> With(std::vector<std::string> lines, std::size_t index, const std::string& line)
{
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), line);
    return lines;
}

std::vector<std::string> Replaced(std::vector<std::string> lines, std::size_t index, const std::string& line)
{
    lines[index] = line;
    return lines;
}

std::vector<std::string> Edited(std::vector<std::string> lines, std::size_t index, std::size_t column, const std::string& text)
{
    lines[index].replace(column, text.size(), text);
    return lines;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

using Reading = std::function<void(ILineSource&)>;

void ExpectRefused(const std::string& name, const Reading& read, const Refusal& refusal)
{
    SCOPED_TRACE(refusal.what);
    CTextInMemory text("data/" + name, refusal.text);
    try {
        read(text);
        ADD_FAILURE() << "taken";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), "data/" + name);
        EXPECT_EQ(error.Cause(), refusal.expected);
    }
}

const Reading kReadNutation = [](ILineSource& text) { NutationImageFromText(text); };
const Reading kReadVsop = [](ILineSource& text) { VsopImageFromText(text); };

Reading ReadElp(int series)
{
    return [series](ILineSource& text) {
        std::vector<std::uint8_t> image(kElpImageSize);
        ReadElpSeriesText(text, series, image);
    };
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

} // namespace

TEST(NutationLayout, RefusesWhatIsNotTheTableNamingTheLine)
{
    const std::vector<std::string> terms = NutationTermLines();
    const std::vector<Refusal> refusals = {
        {"an empty text", "", "line 1: the text is empty, where a header line and the 106 terms of the IAU 1980 nutation were expected"},
        {"two words", "hello\nworld\n", "line 2: columns 1 to 2 hold \"wo\", not a whole number"},
        {"105 terms", Joined(kNutationHeader, Without(terms, 105)),
         "line 107: the text ends after 105 of the 106 terms of the IAU 1980 nutation"},
        {"107 terms", Joined(kNutationHeader, With(terms, 0, terms[0])),
         "line 108: more text after the 106 terms of the IAU 1980 nutation"},
        {"a blank line among the terms", Joined(kNutationHeader, With(terms, 10, "")), "line 12: columns 1 to 2 hold no number"},
        {"a multiplier beyond a byte", Joined(kNutationHeader, Edited(terms, 4, 11, "200")),
         "line 6: columns 12 to 14 hold \"200\", beyond the multipliers' -128 to 127"},
        {"a letter in a coefficient", Joined(kNutationHeader, Edited(terms, 0, 26, "O")),
         "line 2: columns 22 to 30 hold \"0.O000\", not a number"},
        {"a coefficient beyond a number", Joined(kNutationHeader, Replaced(terms, 7, " 0  0  0  0  1 6798.4    1e999    0.0  0.0000  0.0")),
         "line 9: columns 22 to 30 hold \"1e999\", beyond the range of a number"},
        {"text in a blank column", Joined(kNutationHeader, Edited(terms, 2, 37, "*")),
         "line 4: column 38 holds \"*\" where the layout has a blank"},
        {"text after the last column", Joined(kNutationHeader, Replaced(terms, 105, terms[105] + "  x")),
         "line 107: column 53 holds \"x\" where the layout has a blank"},
    };
    for (const Refusal& refusal : refusals) {
        ExpectRefused("Nutation.txt", kReadNutation, refusal);
    }
}

TEST(VsopLayout, RefusesWhatIsNotTheEarthsVersionCNamingTheLine)
{
    const std::vector<std::string> lines = VsopLines();
    // lines[1008], line 1009 of the text, is the header of X, T^1.
    const std::vector<Refusal> refusals = {
        {"an empty text", "", "line 1: the text ends where the series of variable 1, power 0 (1007 terms) should begin"},
        {"an error page", "<!DOCTYPE html>\n<html><body>Not found</body></html>\n",
         "line 1: not a header of VSOP87 version C for the Earth (\"VERSION C3 ... EARTH\"), where the series of variable 1, "
         "power 0 (1007 terms) should begin"},
        {"a term dropped", Lines(Without(lines, 500)),
         "line 501: term number 501, where number 500 of the series of variable 1, power 0 (1007 terms) comes"},
        {"a term doubled", Lines(With(lines, 500, lines[500])),
         "line 502: term number 500, where number 501 of the series of variable 1, power 0 (1007 terms) comes"},
        {"a series cut at the end", Lines(std::vector<std::string>(lines.begin(), lines.end() - 2)),
         "line 4210: the text ends after 3 terms of the series of variable 3, power 4 (5 terms)"},
        {"another term count printed", Lines(Replaced(lines, 1008, VsopHeader(1, 1, 601))),
         "line 1009: a header other than that of the series of variable 1, power 1 (600 terms), which comes here"},
        {"version A's code", Lines(Edited(lines, 1, 1, "1")),
         "line 2: a term coded 1310, where the series of variable 1, power 0 (1007 terms) of version C, coded 3310, goes on"},
        {"an amplitude that is not a number", Lines(Edited(lines, 3, 85, "x")),
         "line 4: columns 81 to 98 hold \"10x00000000000\", not a number"},
        {"text after the last series", Lines(lines) + "\n" + lines[1] + "\n",
         "line 4213: more text after the 4194 terms of the Earth's 17 series"},
    };
    for (const Refusal& refusal : refusals) {
        ExpectRefused("VSOP87C.ear", kReadVsop, refusal);
    }
}

TEST(ElpLayout, RefusesWhatIsNotTheSeriesNamingTheLine)
{
    const std::vector<std::string> figures = ElpTermLines(5);
    const std::vector<Refusal> refusals = {
        {"an empty text", "", "line 1: the text is empty, where a header line and the 316 terms of ELP5 were expected"},
        {"cut to 2 of its 316 terms", Joined("HEADER", std::vector<std::string>(figures.begin(), figures.begin() + 2)),
         "line 4: the terms end after 2 of the 316 terms of ELP5"},
        {"a blank line among the terms", Joined("HEADER", With(figures, 40, "   ")),
         "line 42: the terms end after 40 of the 316 terms of ELP5"},
        {"one term too many", Joined("HEADER", With(figures, 0, figures[0])), "line 318: more text after the 316 terms of ELP5"},
        {"a main problem line in a figure series", Joined("HEADER", Replaced(figures, 9, ElpLine(1, 1.0))),
         "line 11: columns 13 to 15 hold no number"},
        {"a multiplier that is a word", Joined("HEADER", Edited(figures, 0, 0, "abc")),
         "line 2: columns 1 to 3 hold \"abc\", not a whole number"},
    };
    for (const Refusal& refusal : refusals) {
        ExpectRefused("ELP5", ReadElp(5), refusal);
    }
    // A main-problem line needs its sixth coefficient; a minor one its first column.
    ExpectRefused("ELP1", ReadElp(1),
                  {"a main line ending before column 89", Joined("HEADER", Replaced(ElpTermLines(1), 0, ElpLine(1, 2.0).substr(0, 88))),
                   "line 2: columns 90 to 99 hold no number"});
    ExpectRefused("ELP22", ReadElp(22),
                  {"a minor line without its first column", Joined("HEADER", Edited(ElpTermLines(22), 1, 0, "   ")),
                   "line 3: columns 1 to 3 hold no number"});
}

using SeriesLayoutFiles = ConverterTest;

TEST_F(SeriesLayoutFiles, ARefusedTextLeavesThePreviousImageAndNamesTheFile)
{
    const struct {
        const char* text;
        const char* image;
        ConversionStatus (*convert)(const std::string&);
    } converters[] = {{"Nutation.txt", "Nutation.dat", ConvertNutation}, {"VSOP87C.ear", "VSOP87.dat", ConvertVsop}};
    for (const auto& converter : converters) {
        WriteText(converter.text, "");
        WriteText(converter.image, "previous image");
        EXPECT_EQ(converter.convert(DataDirectory()), ConversionStatus::Failed) << converter.text;
        EXPECT_EQ(ReadBytes(converter.image), std::vector<std::uint8_t>({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's', ' ', 'i', 'm', 'a', 'g', 'e'}));
        try {
            converter.text == std::string("Nutation.txt") ? BuildNutationImage(DataDirectory()) : BuildVsopImage(DataDirectory());
            ADD_FAILURE() << converter.text << " taken";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), PathOf(converter.text));
        }
    }
}

TEST(PublishedLayouts, AreTakenWhole)
{
    const std::filesystem::path sources(UMBRANT_SOURCES_DIR);
    if (!std::filesystem::exists(sources / "ELP36")) {
        GTEST_SKIP() << "published inputs not found in " UMBRANT_SOURCES_DIR;
    }
    const std::string nutation = ReadFile(sources / "Nutation.txt");
    CTextInMemory nutationText("Nutation.txt", nutation);
    EXPECT_NO_THROW(NutationImageFromText(nutationText));
    const std::string vsop = ReadFile(sources / "VSOP87C.ear");
    CTextInMemory vsopText("VSOP87C.ear", vsop);
    EXPECT_NO_THROW(VsopImageFromText(vsopText));
    std::vector<std::uint8_t> image(kElpImageSize);
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        const std::string elp = ReadFile(sources / ("ELP" + std::to_string(series)));
        CTextInMemory elpText("ELP" + std::to_string(series), elp);
        EXPECT_NO_THROW(ReadElpSeriesText(elpText, series, image)) << "ELP" << series;
    }
}
