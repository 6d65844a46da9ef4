#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/FileException.h"
#include "datafiles/MapImport.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ShorelineImage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr const char* kMapsDirectory = "/usr/share/maps/gshhs";

bool MapsInstalled()
{
    return std::filesystem::exists(std::filesystem::path(kMapsDirectory) / "gshhs_2.rim");
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::int32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) >> shift) & 0xFF));
    }
}

// One WDB II segment: a 32-byte big-endian header, then its points.
void AddSegment(std::vector<std::uint8_t>& bytes, int level, const MicroDegreeLine& points)
{
    PutBigEndian(bytes, 0);
    PutBigEndian(bytes, static_cast<std::int32_t>(points.size()));
    PutBigEndian(bytes, 0x0600 | level);
    for (int i = 0; i < 5; ++i) {
        PutBigEndian(bytes, 0);
    }
    for (const MicroDegreePoint point : points) {
        PutBigEndian(bytes, point.x);
        PutBigEndian(bytes, point.y);
    }
}

using MapImportTest = ConverterTest;

} // namespace

TEST(JoinLinesTest, SegmentsMeetingEndToEndBecomeOneLineWhateverTheirDirection)
{
    const std::vector<MicroDegreeLine> joined = JoinLines({{{0, 0}, {1, 0}}, {{2, 0}, {1, 0}}, {{2, 0}, {3, 0}}, {{9, 9}, {8, 8}}});
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0], (MicroDegreeLine{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(joined[1], (MicroDegreeLine{{9, 9}, {8, 8}}));
}

TEST(JoinLinesTest, RingOfSegmentsIsWalkedOnce)
{
    const std::vector<MicroDegreeLine> joined = JoinLines({{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}}, {{1, 1}, {0, 0}}});
    ASSERT_EQ(joined.size(), 1u);
    EXPECT_EQ(joined[0].size(), 4u);
}

TEST(FitLinesTest, KeepsTheLongestLinesWithinTheLineCapacity)
{
    std::vector<MicroDegreeLine> lines{{{0, 0}, {5, 0}}, {{0, 0}, {50, 0}}, {{0, 0}, {20, 0}}};
    EXPECT_EQ(FitLines(lines, 2, 100), 0.0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].back().x, 50);
    EXPECT_EQ(lines[1].back().x, 20);
}

TEST(FitLinesTest, SimplifiesOnlyAsMuchAsThePointCapacityRequires)
{
    const MicroDegreeLine bumpy{{0, 0}, {100, 0}, {200, 1000}, {300, 0}, {400, 0}, {500, 300}, {600, 0}, {700, 0}};
    std::vector<MicroDegreeLine> roomy{bumpy};
    EXPECT_EQ(FitLines(roomy, 1, 8), 0.0);
    EXPECT_EQ(roomy[0], bumpy);

    std::vector<MicroDegreeLine> tight{bumpy};
    EXPECT_GT(FitLines(tight, 1, 4), 0.0);
    ASSERT_LE(tight[0].size(), 4u);
    EXPECT_EQ(tight[0].front(), (MicroDegreePoint{0, 0}));
    EXPECT_EQ(tight[0].back(), (MicroDegreePoint{700, 0}));
    EXPECT_NE(std::find(tight[0].begin(), tight[0].end(), MicroDegreePoint{200, 1000}), tight[0].end());
}

TEST_F(MapImportTest, ChosenLevelIsJoinedFittedAndWrittenAsTheConverterReadsIt)
{
    std::vector<std::uint8_t> wdb;
    AddSegment(wdb, 1, {{-2250000, 48500000}, {-2000000, 48000000}});
    AddSegment(wdb, 1, {{-2000000, 48000000}, {190000000, 47000000}});
    AddSegment(wdb, 2, {{0, 0}, {1000000, 1000000}});
    WriteText("borders.b", std::string(wdb.begin(), wdb.end()));
    const PolylineImportSummary summary = ImportPolylines(PathOf("borders.b"), 1, kBorderLayout, PathOf("frontier.txt"));
    EXPECT_EQ(summary.segmentsRead, 2);
    EXPECT_EQ(summary.linesKept, 1);
    EXPECT_EQ(summary.pointsKept, 3);
    const std::vector<std::uint8_t> text = ReadBytes("frontier.txt");
    const std::string content(text.begin(), text.end());
    EXPECT_NE(content.find("\n48.500000\t-2.250000\n48.000000\t-2.000000\n47.000000\t-170.000000\n\n\n"), std::string::npos);

    ASSERT_EQ(ConvertBorders(DataDirectory()), ConversionStatus::Completed);
    const std::vector<std::uint8_t> bytes = ReadBytes("frontier.dat");
    const PolylineImage image(kBorderLayout, bytes);
    EXPECT_EQ(image.PointCountOf(0), 3);
    EXPECT_EQ(image.LatitudeAt(0), 0.84648466f);
}

TEST_F(MapImportTest, TruncatedInputsAreRejectedNamingTheFile)
{
    std::vector<std::uint8_t> wdb;
    AddSegment(wdb, 1, {{0, 0}, {1, 1}});
    wdb.pop_back();
    WriteText("short.b", std::string(wdb.begin(), wdb.end()));
    WriteText("short.rim", std::string(35, '\0'));
    try {
        ImportPolylines(PathOf("short.b"), 1, kBorderLayout, PathOf("frontier.txt"));
        FAIL() << "no error";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("short.b"));
    }
    EXPECT_THROW(ImportShorelines(PathOf("short.rim"), PathOf("gshhs_i.b")), CFileException);
    EXPECT_FALSE(Exists("frontier.txt"));
    EXPECT_FALSE(Exists("gshhs_i.b"));
}

TEST_F(MapImportTest, XygribMapsFillTheShorelineImageExactlyAndTheLineImagesWithinCapacity)
{
    if (!MapsInstalled()) {
        GTEST_SKIP() << "xygrib-maps is not installed";
    }
    const MapImportSummary summary = ImportMaps(kMapsDirectory, DataDirectory());
    EXPECT_EQ(summary.shorelines.polygons, 41519);
    EXPECT_EQ(summary.shorelines.points, 450564);
    EXPECT_LE(summary.borders.linesKept, 301);
    EXPECT_LE(summary.borders.pointsKept, 22358);
    EXPECT_LE(summary.rivers.linesKept, 196);
    EXPECT_LE(summary.rivers.pointsKept, 28193);
    ASSERT_EQ(ConvertShorelines(DataDirectory()), ConversionStatus::Completed);
    ASSERT_EQ(ConvertBorders(DataDirectory()), ConversionStatus::Completed);
    ASSERT_EQ(ConvertRivers(DataDirectory()), ConversionStatus::Completed);

    const std::vector<std::uint8_t> shorelineBytes = ReadBytes("gshhs_i.dat");
    const ShorelineImage shorelines(shorelineBytes);
    EXPECT_EQ(shorelines.PolygonCount(), 41519);
    EXPECT_EQ(shorelines.PointCount(), 450564);
    const std::vector<std::uint8_t> borderBytes = ReadBytes("frontier.dat");
    const PolylineImage borders(kBorderLayout, borderBytes);
    // Every kept line is drawn.
    EXPECT_GE(borders.LineCount(), summary.borders.linesKept);
    std::int32_t drawnPoints = 0;
    for (std::int32_t line = 0; line < borders.LineCount(); ++line) {
        drawnPoints += borders.PointCountOf(line);
    }
    EXPECT_EQ(drawnPoints, summary.borders.pointsKept);
}
