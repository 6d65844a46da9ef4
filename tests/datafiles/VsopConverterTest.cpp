#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int kPublishedCounts[3][6] = {{1007, 600, 248, 46, 20, 7}, {1007, 600, 248, 46, 20, 7}, {178, 97, 47, 11, 5, 0}};

std::string Header(int variable, int power, int printedCount)
{
    char line[160];
    std::snprintf(line, sizeof line,
                  " VSOP87 VERSION C3    EARTH     VARIABLE %d (XYZ)       *T**%d %6d TERMS    HELIOCENTRIC DYNAMICAL ECLIPTIC\n",
                  variable, power, printedCount);
    return line;
}

// Amplitude at column 80, phase at 98, frequency at 112, as in the published file.
std::string TermLine(double amplitude, double phase, double frequency)
{
    char line[160];
    std::snprintf(line, sizeof line, "%80s%18.11f%14.11f%20.11f\n", "", amplitude, phase, frequency);
    return line;
}

// One block whose terms carry the block's identity in their amplitude
// (10 * variable + power) and their rank in their phase.
std::string Block(int variable, int power, int count)
{
    std::string text = Header(variable, power, count);
    for (int term = 0; term < count; ++term) {
        text += TermLine(10 * variable + power, term, 0.5);
    }
    return text;
}

std::string TextInTableOrder()
{
    std::string text;
    for (int variable = 1; variable <= 3; ++variable) {
        for (int power = 0; power <= 5; ++power) {
            if (kPublishedCounts[variable - 1][power] > 0) {
                text += Block(variable, power, kPublishedCounts[variable - 1][power]);
            }
        }
    }
    return text;
}

class VsopConverterTest : public ConverterTest {
protected:
    VsopTerm Record(std::size_t index) const
    {
        const std::vector<std::uint8_t> image = ReadBytes(kVsopImageName);
        return RecordAt<VsopTerm>(image, index * sizeof(VsopTerm));
    }

    void ExpectFailureKeepsPreviousImage(const std::string& text)
    {
        WriteText("VSOP87C.ear", text);
        WriteText("VSOP87.dat", "previous image");
        EXPECT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Failed);
        const std::vector<std::uint8_t> image = ReadBytes("VSOP87.dat");
        EXPECT_EQ(std::string(image.begin(), image.end()), "previous image");
    }
};

} // namespace

TEST_F(VsopConverterTest, StoresTheBlocksOneAfterAnotherIn100656Bytes)
{
    WriteText("VSOP87C.ear", TextInTableOrder());
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(ReadBytes("VSOP87.dat").size(), 100656u);
    EXPECT_EQ(Record(0).amplitude, 10.0);     // X, T^0, first term
    EXPECT_EQ(Record(1006).phase, 1006.0);    // X, T^0, last term
    EXPECT_EQ(Record(1007).amplitude, 11.0);  // X, T^1
    EXPECT_EQ(Record(1928).amplitude, 20.0);  // Y, T^0
    EXPECT_EQ(Record(3856).amplitude, 30.0);  // Z, T^0
    EXPECT_EQ(Record(4189).amplitude, 34.0);  // Z, T^4
    EXPECT_EQ(Record(4193).phase, 4.0);       // Z, T^4, last term
    EXPECT_EQ(Record(4193).frequency, 0.5);
}

TEST_F(VsopConverterTest, TakesEachBlocksCountFromTheTableNotFromItsHeader)
{
    std::string text = Header(1, 0, 5);
    for (int term = 0; term < 1007; ++term) {
        text += TermLine(1.0, term, 0.0);
    }
    text += Block(1, 1, 1);
    WriteText("VSOP87C.ear", text);
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(Record(1006).phase, 1006.0);
    EXPECT_EQ(Record(1007).amplitude, 11.0);
}

TEST_F(VsopConverterTest, LeavesTheRestOfABlockCutShortAsZeroTerms)
{
    WriteText("VSOP87C.ear", Header(1, 0, 1007) + TermLine(1.0, 2.0, 3.0) + TermLine(4.0, 5.0, 6.0));
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    const std::vector<std::uint8_t> image = ReadBytes("VSOP87.dat");
    ASSERT_EQ(image.size(), 100656u);
    EXPECT_EQ(Record(1).frequency, 6.0);
    EXPECT_TRUE(std::all_of(image.begin() + 2 * 24, image.end(), [](std::uint8_t byte) { return byte == 0; }));
}

TEST_F(VsopConverterTest, ReadsWhatAShortTermLineHolds)
{
    WriteText("VSOP87C.ear", Header(1, 0, 1007) + std::string(80, ' ') + "0.12345\n");
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(Record(0).amplitude, 0.12345);
    EXPECT_EQ(Record(0).phase, 0.0);
    EXPECT_EQ(Record(0).frequency, 0.0);
}

TEST_F(VsopConverterTest, FailsOnAHeaderWithoutVariableOrPower)
{
    ExpectFailureKeepsPreviousImage(" VSOP87 VERSION C3    EARTH     *T**0   1007 TERMS\n");
    ExpectFailureKeepsPreviousImage(" VSOP87 VERSION C3    EARTH     VARIABLE 1 (XYZ)   1007 TERMS\n");
}

TEST_F(VsopConverterTest, FailsOnAHeaderNamingAnUnknownSeries)
{
    ExpectFailureKeepsPreviousImage(Block(4, 0, 1));
    ExpectFailureKeepsPreviousImage(Block(1, 6, 1));
    ExpectFailureKeepsPreviousImage(Block(0, 0, 1));
}

TEST_F(VsopConverterTest, FailsWhenTheBlocksHoldMoreTermsThanTheTable)
{
    std::string text;
    for (int repeat = 0; repeat < 5; ++repeat) {
        text += Block(1, 0, 1007);
    }
    ExpectFailureKeepsPreviousImage(text);
}

TEST_F(VsopConverterTest, FailsWithoutTouchingTheImageWhenTheTextIsMissing)
{
    WriteText("VSOP87.dat", "previous image");
    EXPECT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Failed);
    EXPECT_EQ(ReadBytes("VSOP87.dat").size(), 14u);
}

TEST_F(VsopConverterTest, FailsWhenTheImageCannotBeWritten)
{
    WriteText("VSOP87C.ear", Block(1, 0, 1));
    std::filesystem::create_directory(PathOf("VSOP87.dat"));
    EXPECT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Failed);
}

TEST_F(VsopConverterTest, ConvertsThePublishedEarthSeries)
{
    if (!PublishedSourcesPresent()) {
        GTEST_SKIP() << "published inputs not found in " UMBRANT_SOURCES_DIR;
    }
    std::filesystem::copy_file(std::filesystem::path(UMBRANT_SOURCES_DIR) / "VSOP87C.ear", PathOf("VSOP87C.ear"));
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(ReadBytes("VSOP87.dat").size(), 100656u);
    // The first term line of X, T^0.
    EXPECT_EQ(Record(0).amplitude, 0.99986069925);
    EXPECT_EQ(Record(0).phase, 1.75347045757);
    EXPECT_EQ(Record(0).frequency, 6283.31966747490);
    // The last Z, T^4 term is filled: the published blocks add up to the table.
    EXPECT_NE(Record(4193).amplitude, 0.0);
}
