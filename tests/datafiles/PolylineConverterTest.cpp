#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/PolylineImage.h"

#include <gtest/gtest.h>

namespace {

class PolylineConverterTest : public ConverterTest {
protected:
    PolylineImage ConvertedBorders()
    {
        EXPECT_EQ(ConvertBorders(DataDirectory()), ConversionStatus::Completed);
        m_output = ReadBytes("frontier.dat");
        EXPECT_EQ(m_output.size(), 180076u);
        return PolylineImage(kBorderLayout, m_output);
    }
    std::vector<std::uint8_t> m_output;
};

std::string Points(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "1\t2\n";
    }
    return text;
}

} // namespace

TEST_F(PolylineConverterTest, PointLineHoldsLatitudeTabLongitudeInDegrees)
{
    WriteText("frontier.txt", "header\n48.5\t-2.25\n1\t2\textra\n\n");
    const PolylineImage image = ConvertedBorders();
    EXPECT_EQ(image.LatitudeAt(0), 0.84648466f);
    EXPECT_EQ(image.LongitudeAt(0), -0.03926991f);
    EXPECT_EQ(image.LongitudeAt(1), static_cast<float>(2.0 * 0.017453292519943295));  // read up to the second tab
    EXPECT_EQ(image.PointCountOf(0), 2);
}

TEST_F(PolylineConverterTest, ShortTextConvertsAndItsMissingLinesCloseEmptyLines)
{
    WriteText("frontier.txt", "header\n1\t2\n1\t2\n\n\n1\t2\n");
    const PolylineImage image = ConvertedBorders();
    EXPECT_EQ(image.PointCountOf(0), 2);
    EXPECT_EQ(image.PointCountOf(1), 0);  // two closing lines in a row
    EXPECT_EQ(image.PointCountOf(2), 1);  // closed by the first read past the end
    EXPECT_EQ(image.PointCountOf(3), 0);
    EXPECT_EQ(image.LineCount(), 301);    // every closing line up to the capacity, less one
}

TEST_F(PolylineConverterTest, TextFillingBothCapacitiesDrawsOneLineFewerThanItsClosingLines)
{
    // 301 lines of points (22358 in all) each closed, then one more closing line.
    std::string text = "header\n";
    for (int line = 0; line < 301; ++line) {
        text += Points(line < 84 ? 75 : 74) + "\n";
    }
    text += "\nnever read\t9\n";
    WriteText("frontier.txt", text);
    const PolylineImage image = ConvertedBorders();
    EXPECT_EQ(image.LineCount(), 301);
    EXPECT_EQ(image.PointCountOf(300), 74);
    EXPECT_EQ(image.PointCountOf(301), 0);
}

TEST_F(PolylineConverterTest, MorePointsThanTheCapacityFailAndKeepThePreviousImage)
{
    WriteText("frontier.dat", "previous");
    WriteText("frontier.txt", "header\n" + Points(22359));
    EXPECT_EQ(ConvertBorders(DataDirectory()), ConversionStatus::Failed);
    const std::vector<std::uint8_t> kept = ReadBytes("frontier.dat");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");
}

TEST_F(PolylineConverterTest, PointsAfterTheLastClosingLineThatFitsFail)
{
    std::string text = "header\n";
    for (int line = 0; line < 302; ++line) {
        text += "1\t2\n\n";
    }
    text += "1\t2\n";  // a 303rd line that could not be closed
    WriteText("frontier.txt", text);
    EXPECT_EQ(ConvertBorders(DataDirectory()), ConversionStatus::Failed);
}

TEST_F(PolylineConverterTest, MissingTextFailsWithoutOutput)
{
    EXPECT_EQ(ConvertRivers(DataDirectory()), ConversionStatus::Failed);
    EXPECT_FALSE(Exists("fleuves.dat"));
}

TEST_F(PolylineConverterTest, RiversHaveTheirOwnCapacities)
{
    WriteText("fleuves.txt", "header\n10\t20\n");
    EXPECT_EQ(ConvertRivers(DataDirectory()), ConversionStatus::Completed);
    const std::vector<std::uint8_t> bytes = ReadBytes("fleuves.dat");
    ASSERT_EQ(bytes.size(), 226336u);
    const PolylineImage image(kRiverLayout, bytes);
    EXPECT_EQ(image.LineCount(), 196);
    EXPECT_EQ(image.PointCountOf(0), 1);
}
