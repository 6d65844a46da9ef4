#include "RecordingSurface.h"

#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "map/MapColours.h"
#include "map/layers/PolylineLayer.h"
#include "map/ViewportOperations.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using Kind = RecordingSurface::Shape::Kind;
constexpr double kDegree = 0.017453292519943295;

// Lines of (longitude, latitude) in degrees, stored in radians.
PolylineImage MakeImage(const std::vector<std::vector<std::pair<double, double>>>& lines)
{
    PolylineImage image(kBorderLayout);
    std::int32_t next = 0;
    for (std::size_t m = 0; m < lines.size(); ++m) {
        for (const auto& [longitude, latitude] : lines[m]) {
            image.SetPoint(next++, static_cast<float>(longitude * kDegree), static_cast<float>(latitude * kDegree));
        }
        image.SetPointCount(static_cast<std::int32_t>(m), static_cast<std::int32_t>(lines[m].size()));
    }
    image.SetLineCount(static_cast<std::int32_t>(lines.size()));
    return image;
}

std::vector<RecordingSurface::Shape> Draw(const PolylineImage& image)
{
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    RecordingSurface surface(800, 600);
    DrawPolylines(surface, image, kBorderColour, viewport, CGeoPosition(0.0, 0.0));
    return surface.shapes;
}

} // namespace

TEST(PolylineLayerTest, VisibleLineIsOneConnectedPolyline)
{
    const auto shapes = Draw(MakeImage({{{0, 0}, {10, 0}, {10, 10}}}));
    ASSERT_EQ(shapes.size(), 1u);
    EXPECT_EQ(shapes[0].kind, Kind::Polyline);
    EXPECT_EQ(shapes[0].colour, kBorderColour);
    EXPECT_EQ(shapes[0].points, (std::vector<DevicePoint>{{400, 300}, {444, 300}, {443, 255}}));
}

TEST(PolylineLayerTest, LinePassingBehindTheGlobeLiftsThePenAndResumesAfterIt)
{
    const auto shapes = Draw(MakeImage({{{60, 0}, {80, 0}, {100, 0}, {150, 0}, {100, 10}, {80, 10}, {70, 10}}}));
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[0].points.size(), 2u);  // 60 E to 80 E, ending at the last visible point
    EXPECT_EQ(shapes[1].points.size(), 2u);  // 80 E to 70 E at 10 N, from the first visible point after
    EXPECT_EQ(shapes[0].points.back().y, 300);
    EXPECT_LT(shapes[1].points.front().y, 300);
}

TEST(PolylineLayerTest, LoneVisiblePointBetweenHiddenOnesDrawsNothing)
{
    EXPECT_TRUE(Draw(MakeImage({{{120, 0}, {80, 0}, {120, 0}}})).empty());
}

TEST(PolylineLayerTest, ConsecutiveLinesAreNeverJoined)
{
    const auto shapes = Draw(MakeImage({{{0, 0}, {10, 0}}, {{20, 0}, {30, 0}}}));
    ASSERT_EQ(shapes.size(), 2u);
    EXPECT_EQ(shapes[1].points.front(), (DevicePoint{487, 300}));  // trunc(400 + 254.648 sin 20 deg)
}

TEST(PolylineLayerTest, CountsBeyondTheCapacitiesAreBounded)
{
    PolylineImage image = MakeImage({{{0, 0}, {10, 0}}});
    image.SetLineCount(1 << 30);
    image.SetPointCount(1, 1 << 30);
    image.SetPointCount(2, -7);
    EXPECT_GE(Draw(image).size(), 1u);  // must neither crash nor read past the image
}

TEST(PolylineLayerTest, AMissingFileLeavesTheLayerOutSilently)
{
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("umbrant-polylines-missing-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    RecordingSurface surface(800, 600);
    DrawPolylines(surface, directory.string() + "/", kBorderLayout, kBorderColour, viewport, CGeoPosition());
    EXPECT_TRUE(surface.shapes.empty());
    std::filesystem::remove_all(directory);
}

// A file that is there but cannot serve is an error naming it: short, or
// changed since the conversion that listed it in the manifest.
TEST(PolylineLayerTest, AShortOrDamagedFileIsAnErrorNamingIt)
{
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("umbrant-polylines-damaged-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    const std::string data = directory.string() + "/";
    std::ofstream(directory / kRiverLayout.imageName, std::ios::binary) << std::string(1000, '\0');
    WriteDataImage(data, kBorderLayout.imageName, MakeImage({{{0, 0}, {10, 0}}}).Bytes());
    std::fstream(directory / kBorderLayout.imageName, std::ios::binary | std::ios::in | std::ios::out).put('\x7f');
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    RecordingSurface surface(800, 600);
    for (const auto& [layout, kind] : {std::pair(kRiverLayout, FileErrorKind::TooShort), std::pair(kBorderLayout, FileErrorKind::Damaged)}) {
        try {
            DrawPolylines(surface, data, layout, kRiverColour, viewport, CGeoPosition());
            ADD_FAILURE() << layout.imageName << " drawn";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), data + layout.imageName);
            EXPECT_EQ(error.Kind(), kind);
        }
    }
    std::filesystem::remove_all(directory);
}

TEST(PolylineLayerTest, FarPointsOfADeepZoomReachTheSurfaceWithinItsRange)
{
    CViewport viewport;
    SetGlobalViewport(viewport, 800, 600);
    viewport.m_scale = 5.0e8f;
    RecordingSurface surface(800, 600);
    // A line through the centre, 0.001 degree long: two million pixels at this zoom.
    DrawPolylines(surface, MakeImage({{{-0.001, 0}, {0.001, 0}}}), kBorderColour, viewport, CGeoPosition(0.0, 0.0));
    ASSERT_EQ(surface.shapes.size(), 1u);
    EXPECT_EQ(surface.shapes[0].points, (std::vector<DevicePoint>{{-4096, 300}, {800 + 4096, 300}}));
}
