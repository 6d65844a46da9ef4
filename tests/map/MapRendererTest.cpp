#include "map/ViewportOperations.h"
#include "map/qt/MapImage.h"
#include "map/qt/MapRenderer.h"
#include "ephemeris/Ephemeris.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string DataDirectory()
{
    return std::string(UMBRANT_BINARY_DIR) + "/data/";
}

class MapRendererTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"gshhs_i.dat", "Elp2000.dat", "VSOP87.dat", "Nutation.dat"}) {
            if (!std::filesystem::exists(DataDirectory() + name)) {
                GTEST_SKIP() << "no map and ephemeris data in " << DataDirectory();
            }
        }
        SetGlobalViewport(m_map.m_viewport, kWidth, kHeight);
    }

    // The picture of the whole trace, drawn without any cache.
    QImage Traced() const { return RenderMapImage(m_map, DataDirectory(), TimeModel(), Request(kWidth, kHeight)); }

    void Render(int width, int height)
    {
        m_renderer.Render(m_picture, Ephemeris::Load(DataDirectory()), m_map, DataDirectory(), Request(width, height));
    }

    static SceneRequest Request(int width, int height)
    {
        SceneRequest request;
        request.width = width;
        request.height = height;
        return request;
    }

    static constexpr int kWidth = 480;
    static constexpr int kHeight = 300;
    CEclipseMap m_map;
    CMapRenderer m_renderer;
    QImage m_picture;
};

} // namespace

// Stepping the time redraws the shadow over the kept base map, and the
// result is the picture a whole trace draws, pixel for pixel.
TEST_F(MapRendererTest, ANewInstantKeepsTheBaseMapAndDrawsWhatATraceDraws)
{
    Render(kWidth, kHeight);
    EXPECT_EQ(m_picture, Traced());
    for (const int minute : {40, 50, 11}) {
        m_map.m_observation.m_hour = minute == 11 ? 10 : 8;
        m_map.m_observation.m_minute = minute;
        Render(kWidth, kHeight);
        EXPECT_EQ(m_picture, Traced()) << "minute " << minute;
    }
    EXPECT_EQ(m_renderer.StaticDrawCount(), 1);
}

TEST_F(MapRendererTest, DrawsTheBaseMapAgainForANewCentreViewportOrSize)
{
    Render(kWidth, kHeight);
    m_map.m_observation.m_centre.m_longitude = 30.0;
    Render(kWidth, kHeight);
    EXPECT_EQ(m_renderer.StaticDrawCount(), 2);
    EXPECT_EQ(m_picture, Traced());
    ZoomIn(m_map, {100, 100}, {200, 160});
    Render(kWidth, kHeight);
    EXPECT_EQ(m_renderer.StaticDrawCount(), 3);
    EXPECT_EQ(m_picture, Traced());
    SetGlobalViewport(m_map.m_viewport, kWidth, kHeight - 20);
    Render(kWidth, kHeight - 20);
    EXPECT_EQ(m_renderer.StaticDrawCount(), 4);
    EXPECT_EQ(m_picture.height(), kHeight - 20);
}

// On a screen of twice the density the map has the screen's own pixels: it
// is the map of a window twice as large, not a doubled one. (The credit text
// at the bottom keeps its size in points, so only the top half is compared;
// the observer's mark is sized for the screen's pixels, so it is left out.)
TEST_F(MapRendererTest, APictureForADenseScreenIsDrawnAtItsPixels)
{
    m_renderer.SetPixelRatio(2.0);
    SceneRequest request = Request(kWidth, kHeight);
    request.layers.observer = false;
    m_renderer.Render(m_picture, Ephemeris::Load(DataDirectory()), m_map, DataDirectory(), request);
    EXPECT_EQ(m_picture.size(), QSize(2 * kWidth, 2 * kHeight));
    EXPECT_EQ(m_picture.devicePixelRatio(), 2.0);

    CEclipseMap twice = m_map;
    SetGlobalViewport(twice.m_viewport, 2 * kWidth, 2 * kHeight);
    SceneRequest largeRequest = Request(2 * kWidth, 2 * kHeight);
    largeRequest.layers.observer = false;
    const QImage large = RenderMapImage(twice, DataDirectory(), TimeModel(), largeRequest);
    QImage drawn = m_picture.copy(0, 0, 2 * kWidth, kHeight);
    drawn.setDevicePixelRatio(1.0);
    EXPECT_EQ(drawn, large.copy(0, 0, 2 * kWidth, kHeight));

    // Drawing again at the same density keeps the base map.
    m_renderer.Render(m_picture, Ephemeris::Load(DataDirectory()), m_map, DataDirectory(), request);
    EXPECT_EQ(m_renderer.StaticDrawCount(), 1);
    EXPECT_EQ(m_picture.devicePixelRatio(), 2.0);
}
