// The pictures of an animation: their instants, from NASA's contacts of the
// eclipse of 2006 March 29; the centre that keeps the path in view, against
// a search over the whole globe; and each picture drawn over the kept static
// layers as a whole trace draws the map of its instant.

#include "tests/eclipse/PublishedElements.h"

#include "core/Units.h"
#include "eclipse/path/EclipsePath.h"
#include "map/AnimationTimes.h"
#include "map/EclipseOverlay.h"
#include "map/PathCentre.h"
#include "map/ViewportOperations.h"
#include "map/qt/AnimationFrames.h"
#include "map/qt/MapImage.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

namespace {

const EclipsePath& Path2006()
{
    static const EclipsePath path = ComputeEclipsePath(published::Eclipse2006());
    return path;
}

Instant UniversalAt(int year, int month, int day, int hour, int minute, double second)
{
    return UniversalInstantOf({year, month, day, hour, minute, second});
}

double DegreesBetween(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double p1 = latitude1 * kDegreesToRadians;
    const double p2 = latitude2 * kDegreesToRadians;
    const double dl = (longitude2 - longitude1) * kDegreesToRadians;
    const double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
    return std::acos(std::fmax(-1.0, std::fmin(1.0, c))) * kRadiansToDegrees;
}

// The angle from a centre to the farthest vertex of the path's curves.
double FarthestVertex(const EclipsePath& path, double latitude, double longitude)
{
    double farthest = 0.0;
    const auto consider = [&](double vertexLatitude, double vertexLongitude) {
        farthest = std::fmax(farthest, DegreesBetween(latitude, longitude, vertexLatitude, vertexLongitude));
    };
    for (const auto& line : path.centralLine) {
        for (const CentralVertex& vertex : line) {
            consider(vertex.place.latitude, vertex.place.longitude);
        }
    }
    for (const auto* lines : {&path.umbraNorth, &path.umbraSouth, &path.penumbraNorth, &path.penumbraSouth,
                              &path.riseSetContacts, &path.riseSetMaximum}) {
        for (const PathLine& line : *lines) {
            for (const PathVertex& vertex : line) {
                consider(vertex.latitude, vertex.longitude);
            }
        }
    }
    return farthest;
}

} // namespace

// NASA TP 2004-212762, table 3: P1 at 07:36:48.5 UT, P4 at 12:45:40.6 UT.
// The pictures run on whole multiples of the step, from the one before P1
// to the one after P4.
TEST(AnimationTimesTest, AnEclipseRunsFromTheStepBeforeP1ToTheStepAfterP4)
{
    struct Case {
        double step;
        const char* first;
        const char* last;
        int count;
    };
    const Case cases[] = {
        {60.0, "2006-03-29 07:36:00 UT", "2006-03-29 12:46:00 UT", 311},
        {600.0, "2006-03-29 07:30:00 UT", "2006-03-29 12:50:00 UT", 33},
        {7.5, "2006-03-29 07:36:45.0 UT", "2006-03-29 12:45:45.0 UT", 2473},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        ASSERT_FALSE(CheckEclipseSpan(Path2006(), c.step));
        const AnimationTimes times = EclipseSpan(Path2006(), c.step);
        EXPECT_EQ(times.count, c.count);
        EXPECT_EQ(FrameInstantLabel(times, 0), c.first);
        EXPECT_EQ(FrameInstantLabel(times, times.count - 1), c.last);
    }
}

TEST(AnimationTimesTest, ASpanIsRefusedForABadStepAReversalOrTooManyPictures)
{
    const Instant from = UniversalAt(2024, 4, 8, 15, 0, 0.0);
    const Instant to = UniversalAt(2024, 4, 8, 21, 0, 0.0);
    struct Case {
        Instant from;
        Instant to;
        double step;
        std::optional<AnimationTimesError> error;
        int count;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {from, to, 60.0, std::nullopt, 361},
        {from, from, 60.0, std::nullopt, 1},
        {from, to, 0.0, AnimationTimesError::BadStep, 0},
        {from, to, -60.0, AnimationTimesError::BadStep, 0},
        {from, to, nan, AnimationTimesError::BadStep, 0},
        {from, to, infinity, AnimationTimesError::BadStep, 0},
        {to, from, 60.0, AnimationTimesError::Reversed, 0},
        // 21 600 s in steps of 0.2160022 s: 99 999 pictures; of 0.216 s: 100 001.
        {from, to, 0.2160022, std::nullopt, 99999},
        {from, to, 0.216, AnimationTimesError::TooManyFrames, 0},
        {from, to, 1e-300, AnimationTimesError::TooManyFrames, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        EXPECT_EQ(CheckAnimationSpan(c.from, c.to, c.step), c.error);
        if (!c.error) {
            EXPECT_EQ(AnimationSpan(c.from, c.to, c.step).count, c.count);
        }
    }
    EXPECT_EQ(CheckEclipseSpan(Path2006(), 0.0), AnimationTimesError::BadStep);
    EXPECT_EQ(CheckEclipseSpan(Path2006(), 0.1), AnimationTimesError::TooManyFrames);
}

// A picture's epoch and its label carry over midnight into the next day.
TEST(AnimationTimesTest, TheInstantOfAPictureRunsOnOverMidnight)
{
    const AnimationTimes times{UniversalAt(2023, 12, 31, 23, 59, 30.0), 45.0, 3};
    EXPECT_EQ(FrameInstantLabel(times, 2), "2024-01-01 00:01:00 UT");
    CObservation epoch;
    SetEpochToFrame(epoch, times, 1);
    EXPECT_EQ(epoch.m_year, 2024);
    EXPECT_EQ(epoch.m_month, 1);
    EXPECT_EQ(epoch.m_day, 1);
    EXPECT_EQ(epoch.m_hour, 0);
    EXPECT_EQ(epoch.m_minute, 0);
    EXPECT_EQ(epoch.m_second, 15.0f);
}

// The smallest cap holding the path, checked against the best centre of a
// search every half degree over the globe.
TEST(PathCentreTest, TheCentreIsTheOneThatKeepsThePathNearest)
{
    const EclipsePath& path = Path2006();
    const CGeoPosition centre = CentreShowingPath(path);
    const double radius = FarthestVertex(path, centre.m_latitude, centre.m_longitude);
    double best = 180.0;
    for (double latitude = -90.0; latitude <= 90.0; latitude += 0.5) {
        for (double longitude = -180.0; longitude < 180.0; longitude += 0.5) {
            best = std::fmin(best, FarthestVertex(path, latitude, longitude));
        }
    }
    EXPECT_LT(radius, 90.0);
    EXPECT_LE(radius, best + 0.5);
}

namespace {

std::string DataDirectory()
{
    return std::string(UMBRANT_BINARY_DIR) + "/data/";
}

bool HaveData()
{
    for (const char* name : {"gshhs_i.dat", "Elp2000.dat", "VSOP87.dat", "Nutation.dat"}) {
        if (!std::filesystem::exists(DataDirectory() + name)) {
            return false;
        }
    }
    return true;
}

} // namespace

// Drawn over the static layers it keeps, each picture is, pixel for pixel,
// the whole trace of the map at its instant with its label.
TEST(AnimationFramesTest, EachPictureIsTheWholeTraceOfItsInstant)
{
    if (!HaveData()) {
        GTEST_SKIP() << "no map and ephemeris data in " << DataDirectory();
    }
    AnimationRequest request;
    request.dataDirectory = DataDirectory();
    request.scene.width = 480;
    request.scene.height = 270;
    request.scene.layers.terminator = true;
    const EclipseOverlay overlay{EclipseType::Total, Path2006(), {}, {}, std::nullopt};
    request.scene.eclipse = &overlay;
    SetGlobalViewport(request.map.m_viewport, request.scene.width, request.scene.height);
    request.map.m_observation.m_centre = CentreShowingPath(Path2006());
    request.times = AnimationSpan(UniversalAt(2006, 3, 29, 9, 0, 0.0), UniversalAt(2006, 3, 29, 11, 0, 0.0), 1800.0);
    CAnimationFrames frames(request);
    ASSERT_EQ(frames.Count(), 5);
    const CMapTrace trace(DataDirectory());
    const Ephemeris ephemeris = Ephemeris::Load(DataDirectory());
    QImage first;
    for (const int frame : {0, 3, 4}) {
        SCOPED_TRACE(frame);
        const QImage picture = frames.Draw(frame).copy();
        CEclipseMap map = request.map;
        SetEpochToFrame(map.m_observation, request.times, frame);
        MapScene scene = ComposeScene(ephemeris, map, request.scene);
        scene.frame.instantLabel = FrameInstantLabel(request.times, frame);
        EXPECT_EQ(picture, DrawMapImage(trace, scene.frame));
        if (frame == 0) {
            first = picture;
        } else {
            EXPECT_NE(picture, first);
        }
    }
}
