#include "RecordingSurface.h"

#include "core/Units.h"
#include "map/layers/CreditLayer.h"
#include "map/layers/GlobeLayer.h"
#include "map/layers/PolylineLayer.h"
#include "map/MapColours.h"
#include "map/ViewportOperations.h"
#include "map/qt/MapImage.h"
#include "map/qt/PainterSurface.h"

#include "datafiles/FileException.h"
#include "datafiles/ProgramDirectory.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <utility>
#include <vector>

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

using PixelSet = std::set<std::pair<int, int>>;

// The pixels of the image that are not of its background colour.
PixelSet LitPixels(const QImage& image, QRgb background)
{
    PixelSet lit;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                lit.insert({x, y});
            }
        }
    }
    return lit;
}

// What one line with integer ends lights on a blank image, drawn through the
// floating-point call or as a polyline of two integer points.
PixelSet LineOnBlankImage(DevicePoint start, DevicePoint end, bool asPolyline)
{
    QImage image = BlankImage(40, 40);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        if (asPolyline) {
            const DevicePoint line[] = {start, end};
            surface.DrawPolyline(line, kBorderColour);
        } else {
            surface.DrawLine(ToMapPoint(start), ToMapPoint(end), kBorderColour);
        }
    }
    return LitPixels(image, kWhite);
}

// Qt's own aliased stroke of the same line, drawn from its left (or top) end.
PixelSet QtStrokeOnBlankImage(DevicePoint start, DevicePoint end)
{
    QImage image = BlankImage(40, 40);
    {
        QPainter painter(&image);
        QPen pen(Qt::black, 1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QPoint(start.x, start.y), QPoint(end.x, end.y));
    }
    return LitPixels(image, kWhite);
}

// Draws points as one polyline onto a black image, each pixel inverted by
// exclusive or: a pixel lit twice shows black again.
QImage PolylineByExclusiveOr(std::span<const DevicePoint> points, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    CPainterSurface surface(painter);
    surface.DrawPolyline(points, RgbColour{255, 255, 255});
    return image;
}

// Each segment of a polyline lights as many pixels as its longer side.
int ChebyshevLength(std::span<const DevicePoint> points)
{
    int length = 0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        length += std::max(std::abs(points[i].x - points[i - 1].x), std::abs(points[i].y - points[i - 1].y));
    }
    return length;
}

// Lines of (longitude, latitude) in degrees, stored in radians.
PolylineImage BorderImage(const std::vector<std::vector<std::pair<double, double>>>& lines)
{
    PolylineImage image(kBorderLayout);
    std::int32_t next = 0;
    for (std::size_t m = 0; m < lines.size(); ++m) {
        for (const auto& [longitude, latitude] : lines[m]) {
            image.SetPoint(next++, static_cast<float>(longitude * kDegreesToRadians), static_cast<float>(latitude * kDegreesToRadians));
        }
        image.SetPointCount(static_cast<std::int32_t>(m), static_cast<std::int32_t>(lines[m].size()));
    }
    image.SetLineCount(static_cast<std::int32_t>(lines.size()));
    return image;
}

} // namespace

TEST(PainterSurfaceTest, ALineLightsItsStartPixelAndLeavesItsEndPixelOutInEveryDirection)
{
    struct Direction {
        const char* name;
        int dx;
        int dy;
    };
    const Direction directions[] = {
        {"right", 1, 0},  {"down right", 1, 1}, {"down", 0, 1},  {"down left", -1, 1},
        {"left", -1, 0},  {"up left", -1, -1},  {"up", 0, -1},   {"up right", 1, -1},
    };
    constexpr DevicePoint kStart{20, 20};
    constexpr int kLength = 8;
    for (const Direction& direction : directions) {
        PixelSet expected;
        for (int i = 0; i < kLength; ++i) {
            expected.insert({kStart.x + i * direction.dx, kStart.y + i * direction.dy});
        }
        const DevicePoint end{kStart.x + kLength * direction.dx, kStart.y + kLength * direction.dy};
        for (const bool asPolyline : {false, true}) {
            SCOPED_TRACE(std::string(direction.name) + (asPolyline ? ", polyline" : ", line"));
            EXPECT_EQ(LineOnBlankImage(kStart, end, asPolyline), expected);
        }
    }
}

TEST(PainterSurfaceTest, ASlopingLineAndItsReverseDifferOnlyByTheirEnds)
{
    // Rightward and downward, each lights what Qt's own stroke lights; the
    // reverse trades the end it leaves out.
    const std::pair<DevicePoint, DevicePoint> lines[] = {
        {{10, 10}, {18, 13}}, {{10, 10}, {13, 18}}, {{10, 20}, {18, 17}},
        {{20, 10}, {17, 18}}, {{10, 10}, {17, 12}}, {{10, 10}, {21, 31}},
    };
    for (const auto& [start, end] : lines) {
        SCOPED_TRACE(testing::Message() << "(" << start.x << "," << start.y << ")-(" << end.x << "," << end.y << ")");
        const PixelSet forward = LineOnBlankImage(start, end, false);
        const PixelSet backward = LineOnBlankImage(end, start, false);
        EXPECT_EQ(forward, QtStrokeOnBlankImage(start, end));
        EXPECT_TRUE(forward.count({start.x, start.y}) == 1 && forward.count({end.x, end.y}) == 0);
        EXPECT_TRUE(backward.count({end.x, end.y}) == 1 && backward.count({start.x, start.y}) == 0);
        PixelSet forwardClosed = forward;
        forwardClosed.insert({end.x, end.y});
        PixelSet backwardClosed = backward;
        backwardClosed.insert({start.x, start.y});
        EXPECT_EQ(forwardClosed, backwardClosed);
    }
}

TEST(PainterSurfaceTest, APolylineLightsEachVertexButTheLastExactlyOnce)
{
    // An octagon walked clockwise, one edge in each of the eight directions;
    // the same left open one pixel before its start; and walked the other way.
    const DevicePoint closed[] = {{10, 10}, {18, 10}, {22, 14}, {22, 22}, {18, 26},
                                  {10, 26}, {6, 22},  {6, 14},  {10, 10}};
    const DevicePoint open[] = {{10, 10}, {18, 10}, {22, 14}, {22, 22}, {18, 26}, {10, 26}, {6, 22}, {6, 14}, {9, 11}};
    const DevicePoint reversed[] = {{10, 10}, {6, 14},  {6, 22},  {10, 26}, {18, 26},
                                    {22, 22}, {22, 14}, {18, 10}, {11, 10}};
    for (const std::span<const DevicePoint> polyline : {std::span<const DevicePoint>(closed), std::span<const DevicePoint>(open),
                                                        std::span<const DevicePoint>(reversed)}) {
        const PixelSet lit = LitPixels(PolylineByExclusiveOr(polyline, 40, 40), kBlack);
        EXPECT_EQ(static_cast<int>(lit.size()), ChebyshevLength(polyline));
        for (std::size_t i = 0; i + 1 < polyline.size(); ++i) {
            EXPECT_EQ(lit.count({polyline[i].x, polyline[i].y}), 1u) << "vertex " << i;
        }
    }
    EXPECT_EQ(LitPixels(PolylineByExclusiveOr(open, 40, 40), kBlack).count({9, 11}), 0u);
}

TEST(PainterSurfaceTest, TheLimbLightsEachOfItsPixelsOnce)
{
    constexpr int kWidth = 800;
    constexpr int kHeight = 600;
    RecordingSurface recorder(kWidth, kHeight);
    DrawLimb(recorder, 400.0, 300.0, 800.0 / kPi);
    ASSERT_EQ(recorder.shapes.size(), 1u);
    const std::vector<DevicePoint>& limb = recorder.shapes[0].points;
    const PixelSet lit = LitPixels(PolylineByExclusiveOr(limb, kWidth, kHeight), kBlack);
    EXPECT_EQ(static_cast<int>(lit.size()), ChebyshevLength(limb));
    for (const DevicePoint vertex : limb) {
        EXPECT_EQ(lit.count({vertex.x, vertex.y}), 1u) << vertex.x << "," << vertex.y;
    }
}

TEST(PainterSurfaceTest, ABorderDrawnWestwardLightsItsEasternEndAndLeavesItsWesternEndOut)
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::black);
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    {
        QPainter painter(&image);
        CPainterSurface surface(painter);
        DrawPolylines(surface, BorderImage({{{10, 0}, {0, 0}}}), kBorderColour, viewport, CGeoPosition(0.0, 0.0));
    }
    PixelSet expected;
    for (int x = 401; x <= 444; ++x) {
        expected.insert({x, 300});
    }
    EXPECT_EQ(LitPixels(image, kBlack), expected);
}

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
        RenderMapImage(map, "/nonexistent-umbrant-data/", TimeModel(), SceneRequest{160, 100, {}, nullptr});
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
    const QImage image = RenderMapImage(map, data, TimeModel(), SceneRequest{1600, 1000, {}, nullptr});
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
