#include "EphemerisTestData.h"

#include "core/Units.h"
#include "ephemeris/ApparentPlaces.h"
#include "ephemeris/Ephemeris.h"

namespace {

constexpr double kArcsecond = 1.0 / 3600.0;  // degrees

double Degrees(double radians)
{
    return radians * kRadiansToDegrees;
}

} // namespace

// Meeus, Astronomical Algorithms (2nd ed.), example 25.b (the Sun by VSOP87,
// 1992 October 13.0 TD) and chapter 55 (semi-diameter 959.63"/R). His
// abridged series (appendix III) keep the Earth's L, B and R to about 1",
// 0.5" and 1e-6 au of the whole VSOP87 that the data file holds.
TEST(ApparentPlaces, TheSunAndTheEarthAsInMeeusExample25b)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const Ephemeris ephemeris = Ephemeris::Load(directory, ClassicModel());
    const Instant instant = Instant::FromJulianDate(2448908.5);

    const ApparentPlace sun = ApparentSun(ephemeris, instant);
    EXPECT_NEAR(Degrees(sun.rightAscension), 198.378178, 0.5 * kArcsecond);
    EXPECT_NEAR(Degrees(sun.declination), -7.783871, 0.5 * kArcsecond);
    EXPECT_NEAR(sun.distance, 0.99760775, 1e-6);
    EXPECT_NEAR(Degrees(sun.semiDiameter) * 3600.0, 959.63 / 0.99760775, 0.05);

    const HeliocentricPlace earth = HeliocentricEarthAt(ephemeris, instant);
    EXPECT_NEAR(Degrees(earth.longitude), 19.907372, 1.0 * kArcsecond);
    EXPECT_NEAR(Degrees(earth.latitude), -0.000179, 0.5 * kArcsecond);
    EXPECT_NEAR(earth.radius, 0.99760775, 1e-6);
    // The Sun's distance is the Earth's, at the same instant.
    EXPECT_NEAR(sun.distance, earth.radius, 1e-12);
}

// Meeus, example 47.a (the Moon, 1992 April 12.0 TD), from an abridged ELP
// good to some 10" in longitude and a few kilometres in distance, and
// chapter 55 (358473400/distance ").
TEST(ApparentPlaces, TheMoonAsInMeeusExample47a)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const Ephemeris ephemeris = Ephemeris::Load(directory, ClassicModel());
    const ApparentPlace moon = ApparentMoon(ephemeris, Instant::FromJulianDate(2448724.5));
    EXPECT_NEAR(Degrees(moon.rightAscension), 134.688470, 12.0 * kArcsecond);
    EXPECT_NEAR(Degrees(moon.declination), 13.768368, 5.0 * kArcsecond);
    EXPECT_NEAR(moon.distance, 368409.7, 5.0);
    EXPECT_NEAR(Degrees(moon.semiDiameter) * 3600.0, 358473400.0 / moon.distance, 0.2);
}
