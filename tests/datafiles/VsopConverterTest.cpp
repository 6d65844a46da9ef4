#include "ConverterTestDirectory.h"
#include "SeriesTextMaker.h"

#include "datafiles/Converters.h"
#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"

#include <filesystem>

using namespace series_text;

namespace {

class VsopConverterTest : public ConverterTest {
protected:
    VsopTerm Record(std::size_t index) const
    {
        const std::vector<std::uint8_t> image = ReadBytes(kVsopImageName);
        return RecordAt<VsopTerm>(image, index * sizeof(VsopTerm));
    }
};

} // namespace

TEST_F(VsopConverterTest, StoresTheBlocksOneAfterAnotherIn100656Bytes)
{
    WriteText("VSOP87C.ear", VsopText());
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(ReadBytes("VSOP87.dat").size(), 100656u);
    EXPECT_EQ(Record(0).amplitude, 10.0);     // X, T^0, first term
    EXPECT_EQ(Record(0).phase, 1.0);
    EXPECT_EQ(Record(1006).phase, 1007 % 6);  // X, T^0, last term
    EXPECT_EQ(Record(1007).amplitude, 11.0);  // X, T^1
    EXPECT_EQ(Record(1928).amplitude, 20.0);  // Y, T^0
    EXPECT_EQ(Record(3856).amplitude, 30.0);  // Z, T^0
    EXPECT_EQ(Record(4189).amplitude, 34.0);  // Z, T^4
    EXPECT_EQ(Record(4193).phase, 5.0);       // Z, T^4, last term
    EXPECT_EQ(Record(4193).frequency, 0.5);
}

TEST_F(VsopConverterTest, AcceptsDosLineEndsAndBlankLinesAtTheEnd)
{
    std::string text;
    for (const std::string& line : VsopLines()) {
        text += line + "\r\n";
    }
    WriteText("VSOP87C.ear", text + "\r\n\n");
    ASSERT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(Record(4193).frequency, 0.5);
}

TEST_F(VsopConverterTest, FailsWithoutTouchingTheImageWhenTheTextIsMissing)
{
    WriteText("VSOP87.dat", "previous image");
    EXPECT_EQ(ConvertVsop(DataDirectory()), ConversionStatus::Failed);
    EXPECT_EQ(ReadBytes("VSOP87.dat").size(), 14u);
}

TEST_F(VsopConverterTest, FailsWhenTheImageCannotBeWritten)
{
    WriteText("VSOP87C.ear", VsopText());
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
