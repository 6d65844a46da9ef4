#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/NutationImage.h"
#include "datafiles/RecordImage.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

constexpr const char* kHeader = "  l l'  F  D Om  Period  Psi(\")   dPsi   Eps(\") dEps\n";

// A term line whose longitude coefficient is value and all else zero.
std::string LineWithLongitudeCoefficient(double value)
{
    char line[64];
    std::snprintf(line, sizeof line, " 0  0  0  0  0    0.0%9.4f    0.0  0.0000  0.0\n", value);
    return line;
}

class NutationConverterTest : public ConverterTest {
protected:
    NutationTerm Record(std::size_t index) const
    {
        const std::vector<std::uint8_t> image = ReadBytes(kNutationImageName);
        return RecordAt<NutationTerm>(image, index * sizeof(NutationTerm));
    }
};

} // namespace

TEST_F(NutationConverterTest, StoresTermLineIAsRecordIInAFileOf2544Bytes)
{
    std::string text = kHeader;
    for (int line = 0; line < 106; ++line) {
        text += LineWithLongitudeCoefficient(line + 0.5);
    }
    text += LineWithLongitudeCoefficient(999.0); // past the table: never read
    WriteText("Nutation.txt", text);

    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(ReadBytes("Nutation.dat").size(), 2544u);
    EXPECT_EQ(Record(0).longitudeCoefficient, 0.5f);
    EXPECT_EQ(Record(57).longitudeCoefficient, 57.5f);
    EXPECT_EQ(Record(105).longitudeCoefficient, 105.5f);
}

TEST_F(NutationConverterTest, ReadsEveryColumnOfATermLine)
{
    WriteText("Nutation.txt", std::string(kHeader) + " 0  0  0  0  1 6798.4 -17.1996-1742.0  9.2025 89.0\n");
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);

    const NutationTerm term = Record(0);
    EXPECT_EQ(std::vector<int>(term.multipliers, term.multipliers + 5), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(std::vector<int>(term.padding, term.padding + 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(term.longitudeCoefficient, -17.1996f);
    EXPECT_EQ(term.longitudeRate, -1742.0f);
    EXPECT_EQ(term.obliquityCoefficient, 9.2025f);
    EXPECT_EQ(term.obliquityRate, 89.0f);
}

TEST_F(NutationConverterTest, StoresMultipliersAsTheirLow8Bits)
{
    // Fields: "-1", " -2", "-2 ", "  3", "200".
    WriteText("Nutation.txt", std::string(kHeader) + "-1 -2-2   3200\n");
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);

    const NutationTerm term = Record(0);
    EXPECT_EQ(std::vector<int>(term.multipliers, term.multipliers + 5), (std::vector<int>{-1, -2, -2, 3, -56}));
}

TEST_F(NutationConverterTest, FillsMissingTermLinesWithZeroRecords)
{
    WriteText("Nutation.txt", std::string(kHeader) + LineWithLongitudeCoefficient(1.0) + LineWithLongitudeCoefficient(2.0));
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);

    const std::vector<std::uint8_t> image = ReadBytes("Nutation.dat");
    ASSERT_EQ(image.size(), 2544u);
    EXPECT_EQ(Record(1).longitudeCoefficient, 2.0f);
    EXPECT_TRUE(std::all_of(image.begin() + 2 * 24, image.end(), [](std::uint8_t byte) { return byte == 0; }));
}

TEST_F(NutationConverterTest, TurnsAnEmptyTextInto106ZeroRecords)
{
    WriteText("Nutation.txt", "");
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(ReadBytes("Nutation.dat"), std::vector<std::uint8_t>(2544, 0));
}

TEST_F(NutationConverterTest, FailsWithoutTouchingTheImageWhenTheTextIsMissing)
{
    WriteText("Nutation.dat", "previous image");
    EXPECT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Failed);
    const std::vector<std::uint8_t> image = ReadBytes("Nutation.dat");
    EXPECT_EQ(std::string(image.begin(), image.end()), "previous image");
}

TEST_F(NutationConverterTest, FailsWhenTheImageCannotBeWritten)
{
    WriteText("Nutation.txt", std::string(kHeader) + LineWithLongitudeCoefficient(1.0));
    std::filesystem::create_directory(PathOf("Nutation.dat"));
    EXPECT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("Nutation.dat")));
}

TEST_F(NutationConverterTest, ConvertsThePublishedSeries)
{
    if (!PublishedSourcesPresent()) {
        GTEST_SKIP() << "published inputs not found in " UMBRANT_SOURCES_DIR;
    }
    std::filesystem::copy_file(std::filesystem::path(UMBRANT_SOURCES_DIR) / "Nutation.txt", PathOf("Nutation.txt"));
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(ReadBytes("Nutation.dat").size(), 2544u);
    EXPECT_EQ(Record(0).longitudeCoefficient, -17.1996f);
    EXPECT_EQ(Record(0).obliquityRate, 89.0f);
}
