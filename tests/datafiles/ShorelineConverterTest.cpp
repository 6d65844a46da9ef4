#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/FileException.h"
#include "datafiles/ShorelineImage.h"

#include <gtest/gtest.h>

namespace {

void PutBigEndian(std::string& bytes, std::int32_t value)
{
    const auto word = static_cast<std::uint32_t>(value);
    for (int shift = 24; shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<char>((word >> shift) & 0xFF));
    }
}

// One GSHHS polygon: a 36-byte big-endian header, then its points.
std::string Polygon(std::int32_t level, const std::vector<std::pair<std::int32_t, std::int32_t>>& points)
{
    std::string bytes;
    PutBigEndian(bytes, 7);  // id
    PutBigEndian(bytes, static_cast<std::int32_t>(points.size()));
    PutBigEndian(bytes, level);
    for (int i = 0; i < 5; ++i) {
        PutBigEndian(bytes, 0);  // west, east, south, north, area
    }
    bytes += std::string(4, '\0');  // greenwich, source
    for (const auto& [x, y] : points) {
        PutBigEndian(bytes, x);
        PutBigEndian(bytes, y);
    }
    return bytes;
}

class ShorelineConverterTest : public ConverterTest {
protected:
    ShorelineImage Converted()
    {
        EXPECT_EQ(ConvertShorelines(DataDirectory()), ConversionStatus::Completed);
        m_output = ReadBytes("gshhs_i.dat");
        EXPECT_EQ(m_output.size(), 3936672u);
        return ShorelineImage(m_output);
    }
    std::vector<std::uint8_t> m_output;
};

} // namespace

TEST_F(ShorelineConverterTest, LongitudesPast180DegreesComeBackToTheWest)
{
    WriteText("gshhs_i.b", Polygon(1, {{179900000, 1000000}, {180000000, -2000000}, {190000000, 0}, {359999999, 0}, {-5000000, 0}}));
    const ShorelineImage image = Converted();
    EXPECT_EQ(image.PolygonCount(), 1);
    EXPECT_EQ(image.PointCount(), 5);
    EXPECT_EQ(image.PointCountOf(0), 5);
    EXPECT_EQ(image.LevelOf(0), 1);
    EXPECT_EQ(image.PointAt(0).longitude, 179.9f);
    EXPECT_EQ(image.PointAt(0).latitude, 1.0f);
    EXPECT_EQ(image.PointAt(1).longitude, 180.0f);
    EXPECT_EQ(image.PointAt(1).latitude, -2.0f);
    EXPECT_EQ(image.PointAt(2).longitude, -170.0f);
    EXPECT_EQ(image.PointAt(3).longitude, static_cast<float>(359.999999 - 360.0));
    EXPECT_EQ(image.PointAt(4).longitude, -5.0f);
}

TEST_F(ShorelineConverterTest, PolygonsFollowEachOtherWithTheirLevelsAsRead)
{
    WriteText("gshhs_i.b", Polygon(1, {{0, 0}, {1, 1}}) + Polygon(2, {{2, 2}}) + Polygon(9, {}));
    const ShorelineImage image = Converted();
    EXPECT_EQ(image.PolygonCount(), 3);
    EXPECT_EQ(image.PointCount(), 3);
    EXPECT_EQ(image.LevelOf(1), 2);
    EXPECT_EQ(image.LevelOf(2), 9);
    EXPECT_EQ(image.PointCountOf(2), 0);
    EXPECT_EQ(image.PointAt(2).latitude, 2e-6f);
}

TEST_F(ShorelineConverterTest, EmptyInputGivesATableOfZeros)
{
    WriteText("gshhs_i.b", "");
    const ShorelineImage image = Converted();
    EXPECT_EQ(image.PolygonCount(), 0);
    EXPECT_EQ(image.PointCount(), 0);
}

TEST_F(ShorelineConverterTest, TruncatedInputFailsAndKeepsThePreviousImage)
{
    WriteText("gshhs_i.dat", "previous");
    const std::string whole = Polygon(1, {{0, 0}, {1, 1}});
    WriteText("gshhs_i.b", whole.substr(0, whole.size() - 3));
    EXPECT_EQ(ConvertShorelines(DataDirectory()), ConversionStatus::Failed);
    WriteText("gshhs_i.b", whole + whole.substr(0, 20));
    EXPECT_EQ(ConvertShorelines(DataDirectory()), ConversionStatus::Failed);
    const std::vector<std::uint8_t> kept = ReadBytes("gshhs_i.dat");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");
}

TEST_F(ShorelineConverterTest, MorePointsThanTheTableHoldsFails)
{
    // One polygon of 450565 points, one more than the table's capacity.
    std::string bytes = Polygon(1, {});
    const std::string count = [] { std::string field; PutBigEndian(field, 450565); return field; }();
    bytes.replace(4, 4, count);
    bytes += std::string(450565 * 8, '\0');
    WriteText("gshhs_i.b", bytes);
    EXPECT_EQ(ConvertShorelines(DataDirectory()), ConversionStatus::Failed);
    EXPECT_FALSE(Exists("gshhs_i.dat"));
}

TEST_F(ShorelineConverterTest, MissingInputIsAFileErrorNamingIt)
{
    try {
        ConvertShorelines(DataDirectory());
        FAIL() << "no error";
    } catch (const CFileException& error) {
        EXPECT_NE(error.FileName().find("gshhs_i.b"), std::string::npos);
    }
}
