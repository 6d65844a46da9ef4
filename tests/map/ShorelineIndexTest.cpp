#include "core/Units.h"
#include "map/Projection.h"
#include "map/layers/ShorelineIndex.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

bool Hidden(double longitude, double latitude, double centreLongitude, double centreLatitude)
{
    CViewport viewport;
    viewport.m_scale = 1000.0f;
    return !ProjectPoint((longitude - centreLongitude) * kDegreesToRadians, latitude * kDegreesToRadians,
                         std::cos(centreLatitude * kDegreesToRadians), std::sin(centreLatitude * kDegreesToRadians), viewport);
}

} // namespace

// The test leaves out only polygons the projection would hide point by
// point: for random boxes and centres, every refused box has all its
// sampled points (corners and inside) behind the limb, and some boxes are
// refused at all.
TEST(HemisphereTest, RefusesOnlyBoxesWhoseEveryPointIsHidden)
{
    std::mt19937 random(20240408);
    std::uniform_real_distribution<double> longitude(-180.0, 180.0);
    std::uniform_real_distribution<double> latitude(-90.0, 90.0);
    std::uniform_real_distribution<double> size(0.0, 60.0);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    int refused = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const double centreLongitude = longitude(random);
        const double centreLatitude = latitude(random);
        ShorelineIndex::Polygon box;
        box.count = 1;
        box.minimumLongitude = static_cast<float>(longitude(random));
        box.maximumLongitude = static_cast<float>(std::min(180.0, box.minimumLongitude + size(random)));
        box.minimumLatitude = static_cast<float>(latitude(random));
        box.maximumLatitude = static_cast<float>(std::min(90.0, box.minimumLatitude + size(random)));
        if (HemisphereTest(centreLongitude, centreLatitude).MayBeVisible(box)) {
            continue;
        }
        ++refused;
        for (int sample = 0; sample < 50; ++sample) {
            const double u = sample < 4 ? sample % 2 : fraction(random);
            const double v = sample < 4 ? sample / 2 : fraction(random);
            const double pointLongitude = box.minimumLongitude + u * (box.maximumLongitude - box.minimumLongitude);
            const double pointLatitude = box.minimumLatitude + v * (box.maximumLatitude - box.minimumLatitude);
            ASSERT_TRUE(Hidden(pointLongitude, pointLatitude, centreLongitude, centreLatitude))
                << "box " << box.minimumLongitude << ".." << box.maximumLongitude << " x " << box.minimumLatitude << ".."
                << box.maximumLatitude << " centre " << centreLongitude << ", " << centreLatitude;
        }
    }
    EXPECT_GT(refused, 2000);
}

TEST(HemisphereTest, KeepsBoxesAcrossTheAntimeridianAndHostileLatitudes)
{
    ShorelineIndex::Polygon wide{0, 5, 1, -10.0f, 10.0f, -179.0f, 179.0f};
    EXPECT_TRUE(HemisphereTest(0.0, 0.0).MayBeVisible(wide));  // may wrap round the back
    ShorelineIndex::Polygon hostile{0, 5, 1, -400.0f, -300.0f, 170.0f, 175.0f};
    EXPECT_TRUE(HemisphereTest(0.0, 0.0).MayBeVisible(hostile));
    ShorelineIndex::Polygon empty{0, 0, 1, 0.0f, 1.0f, 0.0f, 1.0f};
    EXPECT_FALSE(HemisphereTest(0.0, 0.0).MayBeVisible(empty));
}
