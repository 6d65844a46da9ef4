// The map's title and key: drawn when the front end gives them, inside the
// map, the title at the top left and the key at the bottom left, with one
// mark an entry; nothing without them.

#include "RecordingSurface.h"

#include "map/MapLegend.h"
#include "map/layers/LegendLayer.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

MapFrame FrameWith(const MapLegend* legend)
{
    MapFrame frame;
    frame.width = kWidth;
    frame.height = kHeight;
    frame.legend = legend;
    return frame;
}

} // namespace

TEST(LegendLayer, DrawsTheTitleAtTheTopLeftAndTheKeyAtTheBottomLeft)
{
    MapLegend legend;
    legend.title = {"Eclipse totale de Soleil du 12/08/2026", "Modèle classique, Delta T 95,7 s"};
    legend.entries = {{LegendMark::UmbralBand, "Bande de totalité"}, {LegendMark::Observer, "Observateur"}};
    RecordingSurface surface(kWidth, kHeight);
    CLegendLayer().Draw(surface, FrameWith(&legend));

    const std::vector<RecordingSurface::Shape> texts = surface.Of(RecordingSurface::Shape::Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    const char* expected[] = {"Eclipse totale de Soleil du 12/08/2026", "Modèle classique, Delta T 95,7 s",
                              "Bande de totalité", "Observateur"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(texts[i].text, expected[i]);
        const DevicePoint at = texts[i].points.front();
        EXPECT_GT(at.x, 0);
        EXPECT_LT(at.x, kWidth / 2);
        if (i < 2) {
            EXPECT_LT(at.y, kHeight / 4);  // the title at the top
        } else {
            EXPECT_GT(at.y, kHeight * 3 / 4);  // the key at the bottom
        }
    }
    EXPECT_LT(texts[0].points.front().y, texts[1].points.front().y);
    EXPECT_LT(texts[2].points.front().y, texts[3].points.front().y);
    // The band's mark is shaded in the band's colour; the observer's is its ring.
    bool band = false;
    bool observer = false;
    for (const RecordingSurface::Shape& shape : surface.Of(RecordingSurface::Shape::Kind::Polygon)) {
        band = band || shape.colour == RgbColour{96, 0, 128};
        observer = observer || shape.colour == RgbColour{0, 90, 220};
    }
    EXPECT_TRUE(band);
    EXPECT_TRUE(observer);
}

TEST(LegendLayer, DrawsNothingWithoutALegend)
{
    RecordingSurface surface(kWidth, kHeight);
    CLegendLayer().Draw(surface, FrameWith(nullptr));
    EXPECT_TRUE(surface.shapes.empty());
}
