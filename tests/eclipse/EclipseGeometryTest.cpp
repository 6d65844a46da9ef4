#include "eclipse/EclipseGeometry.h"
#include "eclipse/ShadowPlacement.h"
#include "ephemeris/TimeScales.h"
#include "tests/Epochs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numbers>

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;

std::string DataDirectory()
{
    return std::string(UMBRANT_BINARY_DIR) + "/data/";
}

bool HaveEphemerisData()
{
    for (const char* name : {"Elp2000.dat", "VSOP87.dat", "Nutation.dat"}) {
        if (!std::filesystem::exists(DataDirectory() + name)) {
            return false;
        }
    }
    return true;
}

CObservation Instant(int day, int hour, int minute, float second, float deltaT)
{
    return UtEpoch(day, 3, 2006, hour, minute, second, deltaT);
}

CEclipseGeometry GeometryAt(const CObservation& observation)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    return CEclipseGeometry(observation, terms, DataDirectory());
}

// Great-circle distance on a sphere of mean radius, km; enough at the kilometre.
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double a = std::pow(std::sin((latitude2 - latitude1) / 2), 2) +
                     std::cos(latitude1) * std::cos(latitude2) * std::pow(std::sin((longitude2 - longitude1) / 2), 2);
    return 2.0 * 6371.0 * std::asin(std::sqrt(a));
}

class EclipseGeometryTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveEphemerisData()) {
            GTEST_SKIP() << "no converted ephemeris in " << DataDirectory() << " (run scripts/setup.sh)";
        }
    }
};

// A geometry whose shadow axis is set by hand: the axis direction on the
// equator (declination 0), hour angle 0, the Moon 60 Earth radii up the axis.
class HandMadeGeometryTest : public EclipseGeometryTest {
protected:
    void SetUp() override
    {
        EclipseGeometryTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        m_geometry = std::make_unique<CEclipseGeometry>(GeometryAt(Instant(29, 10, 11, 18.0f, 64.9f)));
        m_geometry->m_moonX = 0.0;
        m_geometry->m_moonY = 0.0;
        m_geometry->m_moonZ = 60.0;
        m_geometry->m_sinAxisDeclination = 0.0;
        m_geometry->m_cosAxisDeclination = 1.0;
        m_geometry->m_axisHourAngle = 0.0;
    }
    std::unique_ptr<CEclipseGeometry> m_geometry;
};

} // namespace

TEST_F(EclipseGeometryTest, PutsTheAxisOfThe2006GreatestEclipseWithinTwoKilometresOfThePublishedPlace)
{
    const CObservation observation = Instant(29, 10, 11, 18.0f, 64.9f);
    const CEclipseGeometry geometry = GeometryAt(observation);
    bool axisHit = false;
    ShadowPoint axis;
    CGeoPointArray umbra, penumbra;
    geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
    ASSERT_TRUE(axisHit);
    const double longitude = PlacedEastLongitude(axis.m_longitude, 64.9f);
    const double distance = DistanceKm(axis.m_latitude, longitude, (23.0 + 9.0 / 60.0) * kDegrees, (16.0 + 44.0 / 60.0) * kDegrees);
    EXPECT_LT(distance, 2.0) << "axis at " << axis.m_latitude / kDegrees << ", " << longitude / kDegrees;
}

TEST_F(EclipseGeometryTest, FindsEveryGeneratorOfBothConesAtGreatestEclipse)
{
    const CEclipseGeometry geometry = GeometryAt(Instant(29, 10, 11, 18.0f, 64.9f));
    bool axisHit = false;
    ShadowPoint axis;
    CGeoPointArray umbra(5), penumbra(5);
    geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
    EXPECT_EQ(umbra.size(), 360u);
    EXPECT_EQ(penumbra.size(), 7200u);
}

TEST_F(EclipseGeometryTest, FindsNothingOutsideAnyEclipse)
{
    const CEclipseGeometry geometry = GeometryAt(Instant(15, 12, 0, 0.0f, 64.9f));
    bool axisHit = true;
    ShadowPoint axis;
    CGeoPointArray umbra(3), penumbra(3);
    geometry.ComputeShadowOutlines(axisHit, axis, umbra, penumbra);
    EXPECT_FALSE(axisHit);
    EXPECT_TRUE(umbra.empty());
    EXPECT_TRUE(penumbra.empty());
}

TEST_F(EclipseGeometryTest, BuildsAnOrthonormalFrameAroundTheAxis)
{
    for (const CObservation& observation : {Instant(29, 10, 11, 18.0f, 64.9f), Instant(15, 12, 0, 0.0f, 64.9f)}) {
        const CEclipseGeometry g = GeometryAt(observation);
        auto dot = [](const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
        EXPECT_NEAR(dot(g.m_planeAxis1, g.m_planeAxis1), 1.0, 1e-15);
        EXPECT_NEAR(dot(g.m_planeAxis2, g.m_planeAxis2), 1.0, 1e-15);
        EXPECT_NEAR(dot(g.m_shadowAxis, g.m_shadowAxis), 1.0, 1e-15);
        EXPECT_NEAR(dot(g.m_planeAxis1, g.m_shadowAxis), 0.0, 1e-15);
        EXPECT_NEAR(dot(g.m_planeAxis2, g.m_shadowAxis), 0.0, 1e-15);
        EXPECT_NEAR(dot(g.m_planeAxis1, g.m_planeAxis2), 0.0, 1e-15);
        EXPECT_EQ(g.m_planeAxis1[2], 0.0);
    }
}

TEST_F(EclipseGeometryTest, PutsSunAndMoonOnTheAxis)
{
    const CEclipseGeometry g = GeometryAt(Instant(29, 10, 11, 18.0f, 64.9f));
    EXPECT_NEAR(g.m_moonX, g.m_sunX, 1e-6);
    EXPECT_NEAR(g.m_moonY, g.m_sunY, 1e-6);
    EXPECT_GT(g.m_sunZ, 20000.0);
    EXPECT_GT(g.m_moonZ, 50.0);
    EXPECT_LT(g.m_moonZ, 70.0);
}

TEST_F(EclipseGeometryTest, KeepsTheAxisWithinAFractionOfADegreeOfTheSun)
{
    const CEclipseGeometry g = GeometryAt(Instant(15, 12, 0, 0.0f, 64.9f));
    const double sunDistance = std::sqrt(g.m_sunPosition[0] * g.m_sunPosition[0] + g.m_sunPosition[1] * g.m_sunPosition[1] +
                                         g.m_sunPosition[2] * g.m_sunPosition[2]);
    double cosine = 0.0;
    for (int i = 0; i < 3; ++i) {
        cosine += g.m_shadowAxis[i] * g.m_sunPosition[i] / sunDistance;
    }
    EXPECT_LT(std::acos(std::min(cosine, 1.0)), 0.2 * kDegrees);
}

TEST_F(HandMadeGeometryTest, TheAxisMeetsTheEarthUnderTheAxisDirection)
{
    ShadowPoint point;
    bool hit = false;
    m_geometry->ShadowPointOnEarth(0.0, 0.0, 0.0, point, hit);
    ASSERT_TRUE(hit);
    EXPECT_FLOAT_EQ(point.m_latitude, 0.0f);
    EXPECT_FLOAT_EQ(point.m_longitude, 0.0f);
}

TEST_F(HandMadeGeometryTest, ALineEastOfTheAxisGivesAWestPositiveLongitudeBelowZero)
{
    m_geometry->m_moonX = 0.5; // half an Earth radius east
    ShadowPoint point;
    bool hit = false;
    m_geometry->ShadowPointOnEarth(0.0, 0.0, 0.0, point, hit);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(point.m_longitude, -30.0 * kDegrees, 1e-6);
    EXPECT_NEAR(point.m_latitude, 0.0, 1e-7);
}

TEST_F(HandMadeGeometryTest, ALineNorthOfTheAxisMeetsTheEllipsoidAtItsGeodeticLatitude)
{
    m_geometry->m_moonY = 0.5;
    ShadowPoint point;
    bool hit = false;
    m_geometry->ShadowPointOnEarth(0.0, 0.0, 0.0, point, hit);
    ASSERT_TRUE(hit);
    // Parametric latitude asin(0.5 / k), then geodetic by the factor 1/k on its tangent.
    const double parametric = std::asin(0.5 / kEarthPolarRatio);
    EXPECT_NEAR(point.m_latitude, std::atan(std::tan(parametric) / kEarthPolarRatio), 1e-7);
}

TEST_F(HandMadeGeometryTest, ATangentLineIsAHitOnTheLimb)
{
    m_geometry->m_moonX = 1.0;
    ShadowPoint point;
    bool hit = false;
    m_geometry->ShadowPointOnEarth(0.0, 0.0, 0.0, point, hit);
    ASSERT_TRUE(hit);
    EXPECT_NEAR(point.m_longitude, -90.0 * kDegrees, 1e-6);
}

TEST_F(HandMadeGeometryTest, AMissLeavesThePointUntouched)
{
    m_geometry->m_moonX = 1.5;
    ShadowPoint point{0.25f, 0.5f};
    bool hit = true;
    m_geometry->ShadowPointOnEarth(0.0, 0.0, 0.0, point, hit);
    EXPECT_FALSE(hit);
    EXPECT_EQ(point.m_latitude, 0.25f);
    EXPECT_EQ(point.m_longitude, 0.5f);
}

TEST_F(HandMadeGeometryTest, AGeneratorTiltedByItsConeMeetsTheEarthOffTheAxis)
{
    // Vertex on the fundamental plane (60 radii below the Moon), half-angle 30
    // degrees widening toward the Sun: at position angle 0 the slope is -sin 30
    // in x, so the line reaches the surface west of the axis point.
    ShadowPoint point;
    bool hit = false;
    m_geometry->ShadowPointOnEarth(60.0, 0.5, 0.0, point, hit);
    ASSERT_TRUE(hit);
    EXPECT_GT(point.m_longitude, 0.0f);
    EXPECT_NEAR(point.m_latitude, 0.0, 1e-7);
}

TEST(ShadowPlacement, TurnsTheShadowBackByTheEarthsRotationDuringDeltaT)
{
    EXPECT_DOUBLE_EQ(PlacedEastLongitude(0.5f, 0.0f), -0.5);
    EXPECT_NEAR((PlacedEastLongitude(0.5f, 64.0f) - PlacedEastLongitude(0.5f, 0.0f)) / kDegrees, 0.2674, 1e-4);
}

TEST(ShadowPlacement, ReducesDegreesToAHalfOpenTurn)
{
    EXPECT_NEAR(PlacedEastLongitudeDegrees(static_cast<float>(-200.0 * kDegrees), 0.0f), -160.0, 1e-4);
    EXPECT_NEAR(PlacedEastLongitudeDegrees(static_cast<float>(190.0 * kDegrees), 0.0f), 170.0, 1e-4);
    EXPECT_NEAR(PlacedEastLongitudeDegrees(static_cast<float>(-180.0 * kDegrees), 0.0f), -180.0, 1e-4);
}
