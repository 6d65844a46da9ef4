#include "ConverterTestDirectory.h"
#include "SeriesTextMaker.h"

#include "datafiles/Converters.h"
#include "datafiles/FileException.h"
#include "datafiles/NutationImage.h"
#include "datafiles/RecordImage.h"

#include <filesystem>

using namespace series_text;

namespace {

class NutationConverterTest : public ConverterTest {
protected:
    NutationTerm Record(std::size_t index) const
    {
        const std::vector<std::uint8_t> image = ReadBytes(kNutationImageName);
        return RecordAt<NutationTerm>(image, index * sizeof(NutationTerm));
    }

    // The published layout with one term line of the test's own in place i.
    void WriteTextWithLine(std::size_t i, const std::string& line) const
    {
        std::vector<std::string> lines = NutationTermLines();
        lines[i] = line;
        WriteText("Nutation.txt", Joined(kNutationHeader, lines));
    }
};

} // namespace

TEST_F(NutationConverterTest, StoresTermLineIAsRecordIInAFileOf2544Bytes)
{
    WriteText("Nutation.txt", NutationText());

    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(ReadBytes("Nutation.dat").size(), 2544u);
    EXPECT_EQ(Record(0).longitudeCoefficient, 0.5f);
    EXPECT_EQ(Record(57).longitudeCoefficient, 57.5f);
    EXPECT_EQ(Record(105).longitudeCoefficient, 105.5f);
}

TEST_F(NutationConverterTest, ReadsEveryColumnOfATermLine)
{
    WriteTextWithLine(0, " 0  0  0  0  1 6798.4 -17.1996-1742.0  9.2025 89.0");
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);

    const NutationTerm term = Record(0);
    EXPECT_EQ(std::vector<int>(term.multipliers, term.multipliers + 5), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(std::vector<int>(term.padding, term.padding + 3), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(term.longitudeCoefficient, -17.1996f);
    EXPECT_EQ(term.longitudeRate, -1742.0f);
    EXPECT_EQ(term.obliquityCoefficient, 9.2025f);
    EXPECT_EQ(term.obliquityRate, 89.0f);
}

TEST_F(NutationConverterTest, ReadsASignedMultiplierOnEitherSideOfItsField)
{
    // Fields: "-1", " -2", "-2 ", "  3", "127".
    WriteTextWithLine(3, "-1 -2-2   3127 6798.4   0.0001    0.0  0.0000  0.0");
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);

    const NutationTerm term = Record(3);
    EXPECT_EQ(std::vector<int>(term.multipliers, term.multipliers + 5), (std::vector<int>{-1, -2, -2, 3, 127}));
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
    WriteText("Nutation.txt", NutationText());
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
