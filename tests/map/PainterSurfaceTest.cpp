#include "map/layers/CreditLayer.h"
#include "map/MapColours.h"
#include "map/ViewportOperations.h"
#include "map/qt/MapImage.h"
#include "map/qt/PainterSurface.h"

#include "datafiles/FileException.h"
#include "datafiles/ProgramDirectory.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// Text needs the application object; the tests draw off screen.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        m_application = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    void TearDown() override { m_application.reset(); }

private:
    int m_argc = 1;
    char m_name[16] = "umbrant_tests";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_application;
};

const testing::Environment* const kGuiEnvironment = testing::AddGlobalTestEnvironment(new GuiEnvironment);

QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRgb Rgb(RgbColour colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

} // namespace

TEST(PainterSurfaceTest, LineLeavesOutItsEndPixel)
{
    QImage image = BlankImage(20, 20);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        surface.DrawLine({2, 5}, {10, 5}, kRiverColour);
    }
    EXPECT_EQ(image.pixel(2, 5), Rgb(kRiverColour));
    EXPECT_EQ(image.pixel(9, 5), Rgb(kRiverColour));
    EXPECT_EQ(image.pixel(10, 5), kWhite);
    EXPECT_EQ(image.pixel(5, 4), kWhite);
    EXPECT_EQ(image.pixel(5, 6), kWhite);
}

TEST(PainterSurfaceTest, PolygonIsFilledAndOutlinedOnItsOwnPixels)
{
    QImage image = BlankImage(20, 20);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        const DevicePoint square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
        surface.FillPolygon(square, kLandColour);
    }
    EXPECT_EQ(image.pixel(2, 2), kBlack);
    EXPECT_EQ(image.pixel(12, 7), kBlack);
    EXPECT_EQ(image.pixel(7, 12), kBlack);
    EXPECT_EQ(image.pixel(7, 7), Rgb(kLandColour));
    EXPECT_EQ(image.pixel(3, 3), Rgb(kLandColour));
    EXPECT_EQ(image.pixel(13, 7), kWhite);
    EXPECT_EQ(image.pixel(1, 7), kWhite);
}

TEST(PainterSurfaceTest, SelfOverlappingPolygonIsFilledByTheEvenOddRule)
{
    QImage image = BlankImage(40, 20);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        // Two overlapping squares traced as one outline: their common part is a hole.
        const DevicePoint twice[] = {{2, 2}, {22, 2}, {22, 18}, {2, 18}, {2, 2}, {12, 2}, {32, 2}, {32, 18}, {12, 18}, {12, 2}};
        surface.FillPolygon(twice, kSeaColour);
    }
    EXPECT_EQ(image.pixel(7, 10), Rgb(kSeaColour));
    EXPECT_EQ(image.pixel(17, 10), kWhite);
    EXPECT_EQ(image.pixel(27, 10), Rgb(kSeaColour));
}

TEST(PainterSurfaceTest, RectangleFillsItsHalfOpenAreaWithABlackFrame)
{
    QImage image = BlankImage(20, 20);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        surface.FillRectangle(0, 0, 10, 10, kSeaColour);
    }
    EXPECT_EQ(image.pixel(0, 0), kBlack);
    EXPECT_EQ(image.pixel(9, 5), kBlack);
    EXPECT_EQ(image.pixel(5, 9), kBlack);
    EXPECT_EQ(image.pixel(5, 5), Rgb(kSeaColour));
    EXPECT_EQ(image.pixel(10, 5), kWhite);
    EXPECT_EQ(image.pixel(5, 10), kWhite);
}

TEST(PainterSurfaceTest, PixelAndPolylineLandWhereTheirPointsAre)
{
    QImage image = BlankImage(20, 20);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        surface.SetPixel(3, 4, kCreditColour);
        const DevicePoint line[] = {{5, 10}, {15, 10}, {15, 15}};
        surface.DrawPolyline(line, kBorderColour);
    }
    EXPECT_EQ(image.pixel(3, 4), Rgb(kCreditColour));
    EXPECT_EQ(image.pixel(4, 4), kWhite);
    EXPECT_EQ(image.pixel(5, 10), Rgb(kBorderColour));
    EXPECT_EQ(image.pixel(15, 12), Rgb(kBorderColour));
}

TEST(PainterSurfaceTest, CreditTextSitsInTheBottomRightCornerWithItsMargins)
{
    QImage image(400, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        DrawCredit(surface);
    }
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == Rgb(kCreditColour)) {
                ++red;
                EXPECT_LT(x, 395);
                EXPECT_LT(y, 97);
                EXPECT_GT(y, 60);
            } else {
                EXPECT_EQ(image.pixel(x, y), kBlack);  // transparent background
            }
        }
    }
    EXPECT_GT(red, 50);
}

TEST(MapImageTest, MissingShorelinesRaiseAFileErrorNamingTheFile)
{
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, 160, 100);
    try {
        RenderMapImage(map, "/nonexistent-umbrant-data/", 160, 100);
        FAIL() << "no error";
    } catch (const CFileException& error) {
        EXPECT_NE(error.FileName().find("gshhs_i.dat"), std::string::npos);
    }
}

// Needs the data directory of the build, filled by the set-up.
TEST(MapImageTest, DefaultDocumentShowsSkyGlobeLandBordersAndCredit)
{
    const std::string data = std::string(UMBRANT_BINARY_DIR) + "/data/";
    if (!std::filesystem::exists(data + "gshhs_i.dat") || !std::filesystem::exists(data + "frontier.dat") ||
        !std::filesystem::exists(data + "Elp2000.dat")) {
        GTEST_SKIP() << "no map data in " << data;
    }
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, 1600, 1000);
    const QImage image = RenderMapImage(map, data, 1600, 1000);
    EXPECT_EQ(image.pixel(20, 20), kBlack);                  // sky
    EXPECT_EQ(image.pixel(800 - 505, 500), Rgb(kSeaColour)); // Pacific side of the disk, near its left limb
    EXPECT_EQ(image.pixel(800 + 512, 500), kBlack);          // just outside the right limb (R = 509.3)
    EXPECT_EQ(image.pixel(800, 5), Rgb(kSeaColour));         // the disk runs past the top edge
    // Central Sahara (20 E, 22 N) is land.
    const double k = 0.017453292519943295;
    const double centreLatitude = 49.5 * k, deltaLongitude = (20.0 + 2.2) * k, latitude = 22.0 * k;
    const double x = 800 + 509.29 * std::cos(latitude) * std::sin(deltaLongitude);
    const double y = 500 - 509.29 * (std::cos(centreLatitude) * std::sin(latitude) -
                                     std::sin(centreLatitude) * std::cos(latitude) * std::cos(deltaLongitude));
    EXPECT_EQ(image.pixel(static_cast<int>(x), static_cast<int>(y)), Rgb(kLandColour));
    int borderPixels = 0, riverPixels = 0, creditPixels = 0;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            const QRgb pixel = image.pixel(column, row);
            borderPixels += pixel == Rgb(kBorderColour);
            riverPixels += pixel == Rgb(kRiverColour);
            creditPixels += pixel == Rgb(kCreditColour) && row > 970 && column > 1200;
        }
    }
    EXPECT_GT(borderPixels, 5000);
    EXPECT_GT(riverPixels, 500);
    EXPECT_GT(creditPixels, 100);
}
