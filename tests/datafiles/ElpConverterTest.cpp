#include "ConverterTestDirectory.h"
#include "SeriesTextMaker.h"

#include "datafiles/Converters.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/RecordImage.h"

#include <cstdio>
#include <filesystem>

namespace {

// Byte offsets of the 36 regions, as the layout documents them.
constexpr std::size_t kRegionOffsets[36] = {
    0,       65472,   124224,  169280,  180384,  190496,  198080,  198528,  198880,  199136,  772256,  981576,
    1246816, 1422176, 1455496, 1524096, 1530896, 1536896, 1541456, 1550496, 1558016, 1564776, 1564872, 1564936,
    1565000, 1565192, 1565320, 1565480, 1566120, 1566504, 1566952, 1567304, 1567432, 1567752, 1568648, 1569064};

constexpr const char* kMainLine =
    "  0  0  0  2     -411.60287      168.48   -18433.81     -121.62        0.40       -0.18        0.07";
constexpr const char* kFigureLine = "  0  0  0  0  1  90.00000   0.00003     0.075";
constexpr const char* kPlanetaryLine = "  1  2  3  4  5  6  7  8  9 10 -2 359.98254   0.00007     0.074";
constexpr const char* kMinorLine = "  9  1  1 -1 -1 192.93665   0.00004     0.075";

class ElpConverterTest : public ConverterTest {
protected:
    // Every series present in the published layout.
    void SetUp() override
    {
        ConverterTest::SetUp();
        for (int series = 1; series <= 36; ++series) {
            WriteText("ELP" + std::to_string(series), series_text::ElpText(series));
        }
    }

    // The series with its first term lines replaced by lines.
    void WriteSeries(int series, const std::vector<std::string>& lines, const std::string& header = "SERIES HEADER") const
    {
        std::vector<std::string> all = series_text::ElpTermLines(series);
        std::copy(lines.begin(), lines.end(), all.begin());
        WriteText("ELP" + std::to_string(series), series_text::Joined(header, all));
    }

    template <typename Record>
    Record RecordOf(int series, std::size_t index) const
    {
        const std::vector<std::uint8_t> image = ReadBytes(kElpImageName);
        return RecordAt<Record>(image, kRegionOffsets[series - 1] + index * sizeof(Record));
    }

    void ExpectPreviousImageKept() const
    {
        const std::vector<std::uint8_t> image = ReadBytes("Elp2000.dat");
        EXPECT_EQ(std::string(image.begin(), image.end()), "previous image");
    }
};

std::vector<int> Multipliers(const std::int8_t* multipliers, std::size_t count)
{
    return std::vector<int>(multipliers, multipliers + count);
}

} // namespace

TEST_F(ElpConverterTest, PlacesEachSeriesInItsRegionOf1569672Bytes)
{
    for (int series = 1; series <= 36; ++series) {
        WriteSeries(series, {series_text::ElpLine(series, series)});
    }
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(ReadBytes("Elp2000.dat").size(), 1569672u);
    for (int series = 1; series <= 36; ++series) {
        const std::size_t last = ElpTermCount(series) - 1;
        double first = 0.0;
        double final = 0.0;
        switch (ElpKindOfSeries(series)) {
        case ElpRecordKind::Main:
            first = RecordOf<ElpMainTerm>(series, 0).amplitude;
            final = RecordOf<ElpMainTerm>(series, last).amplitude;
            break;
        case ElpRecordKind::Figure:
            first = RecordOf<ElpFigureTerm>(series, 0).amplitude;
            final = RecordOf<ElpFigureTerm>(series, last).amplitude;
            break;
        case ElpRecordKind::Planetary:
            first = RecordOf<ElpPlanetaryTerm>(series, 0).amplitude;
            final = RecordOf<ElpPlanetaryTerm>(series, last).amplitude;
            break;
        case ElpRecordKind::Minor:
            first = RecordOf<ElpMinorTerm>(series, 0).amplitude;
            final = RecordOf<ElpMinorTerm>(series, last).amplitude;
            break;
        }
        EXPECT_EQ(first, series) << "series " << series;
        EXPECT_DOUBLE_EQ(final, series_text::ElpAmplitude(last)) << "series " << series;
    }
}

TEST(ElpImageLayout, PutsEachRegionAtItsDocumentedOffset)
{
    for (int series = 1; series <= 36; ++series) {
        EXPECT_EQ(ElpSeriesOffset(series), kRegionOffsets[series - 1]) << "series " << series;
    }
    EXPECT_EQ(ElpSeriesOffset(37), 1569672u);
}

TEST_F(ElpConverterTest, ReadsEveryColumnOfAMainProblemLine)
{
    WriteSeries(1, {kMainLine});
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    const ElpMainTerm term = RecordOf<ElpMainTerm>(1, 0);
    EXPECT_EQ(Multipliers(term.multipliers, 4), (std::vector<int>{0, 0, 0, 2}));
    EXPECT_EQ(term.amplitude, -411.60287);
    EXPECT_EQ(term.b1, 168.48);
    EXPECT_EQ(term.b2, -18433.81);
    EXPECT_EQ(term.b3, -121.62);
    EXPECT_EQ(term.b4, 0.40);
    EXPECT_EQ(term.b5, -0.18);
    EXPECT_EQ(term.b6, 0.07);
}

TEST_F(ElpConverterTest, StoresPhasesInRadians)
{
    WriteSeries(4, {kFigureLine});
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    const ElpFigureTerm term = RecordOf<ElpFigureTerm>(4, 0);
    EXPECT_EQ(Multipliers(term.multipliers, 5), (std::vector<int>{0, 0, 0, 0, 1}));
    EXPECT_EQ(term.phase, 1.5707963267948966);
    EXPECT_EQ(term.amplitude, 0.00003);
    EXPECT_EQ(term.period, 0.075);
}

TEST_F(ElpConverterTest, ReadsElevenMultipliersOfAPlanetaryLine)
{
    WriteSeries(21, {kPlanetaryLine});
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    const ElpPlanetaryTerm term = RecordOf<ElpPlanetaryTerm>(21, 0);
    EXPECT_EQ(Multipliers(term.multipliers, 11), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -2}));
    EXPECT_EQ(static_cast<std::uint8_t>(term.multipliers[10]), 0xFE);
    EXPECT_EQ(term.phase, 359.98254 * 0.017453292519943295);
    EXPECT_EQ(term.amplitude, 0.00007);
    EXPECT_EQ(term.period, 0.074);
}

TEST_F(ElpConverterTest, DropsTheFirstIntegerColumnOfMinorLines)
{
    WriteSeries(22, {kMinorLine});
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    const ElpMinorTerm term = RecordOf<ElpMinorTerm>(22, 0);
    EXPECT_EQ(Multipliers(term.multipliers, 4), (std::vector<int>{1, 1, -1, -1}));
    EXPECT_EQ(term.phase, 192.93665 * 0.017453292519943295);
    EXPECT_EQ(term.amplitude, 0.00004);
}

TEST_F(ElpConverterTest, SkipsOnlyTheFirstLineWhateverItHolds)
{
    WriteSeries(5, {kFigureLine}, kFigureLine);
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(RecordOf<ElpFigureTerm>(5, 0).amplitude, 0.00003);
    EXPECT_DOUBLE_EQ(RecordOf<ElpFigureTerm>(5, 1).amplitude, series_text::ElpAmplitude(1));
}

TEST_F(ElpConverterTest, FillsTheLastRegionToTheEndOfTheImage)
{
    WriteSeries(36, std::vector<std::string>(19, kMinorLine));
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(RecordOf<ElpMinorTerm>(36, 18).amplitude, 0.00004);
}

TEST_F(ElpConverterTest, FailsWithoutTouchingTheImageWhenASeriesHasMoreLinesThanItsCount)
{
    WriteText("Elp2000.dat", "previous image");
    WriteText("ELP22", series_text::Joined("HEADER", std::vector<std::string>(4, kMinorLine))); // holds 3
    EXPECT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Failed);
    ExpectPreviousImageKept();

    WriteText("ELP22", series_text::ElpText(22));
    WriteText("ELP36", series_text::Joined("HEADER", std::vector<std::string>(20, kMinorLine))); // holds 19, and ends the image
    EXPECT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Failed);
    ExpectPreviousImageKept();
}

TEST_F(ElpConverterTest, LetsTheFileErrorOfAMissingSeriesThroughAndWritesNothing)
{
    WriteText("Elp2000.dat", "previous image");
    std::filesystem::remove(PathOf("ELP17"));
    try {
        ConvertElp(DataDirectory());
        FAIL() << "no file error";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("ELP17"));
    }
    ExpectPreviousImageKept();
}

TEST_F(ElpConverterTest, FailsWhenTheImageCannotBeWritten)
{
    std::filesystem::create_directory(PathOf("Elp2000.dat"));
    EXPECT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Failed);
}

TEST_F(ElpConverterTest, ConvertsThePublishedSeriesFillingEveryRegionExactly)
{
    if (!PublishedSourcesPresent()) {
        GTEST_SKIP() << "published inputs not found in " UMBRANT_SOURCES_DIR;
    }
    for (int series = 1; series <= 36; ++series) {
        const std::string name = "ELP" + std::to_string(series);
        std::filesystem::copy_file(std::filesystem::path(UMBRANT_SOURCES_DIR) / name, PathOf(name),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    ASSERT_EQ(ConvertElp(DataDirectory()), ConversionStatus::Completed);

    EXPECT_EQ(ReadBytes("Elp2000.dat").size(), 1569672u);
    const ElpMainTerm first = RecordOf<ElpMainTerm>(1, 0);
    EXPECT_EQ(Multipliers(first.multipliers, 4), (std::vector<int>{0, 0, 0, 2}));
    EXPECT_EQ(first.amplitude, -411.60287);
    EXPECT_EQ(RecordOf<ElpMainTerm>(3, 0).amplitude, 385000.52719);
    EXPECT_NE(RecordOf<ElpMainTerm>(3, 703).amplitude, 0.0); // the last of 704
    const ElpMinorTerm last = RecordOf<ElpMinorTerm>(36, 0);
    EXPECT_EQ(Multipliers(last.multipliers, 4), (std::vector<int>{0, 1, -2, 0}));
    EXPECT_EQ(last.phase, 1.5707963267948966);
    EXPECT_EQ(last.amplitude, 0.00005);
}
