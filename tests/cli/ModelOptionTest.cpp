// --model classic|modern as a user runs it: the classic model prints what
// the commands always printed, the modern one the published figures.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace cli_run;

struct GeoPoint {
    double latitude = 0.0;   // degrees
    double longitude = 0.0;  // degrees, east positive
};

// The axis row of the shadow command's CSV.
GeoPoint AxisPoint(const std::string& csv)
{
    GeoPoint point;
    const std::size_t row = csv.find("\naxis,0,");
    EXPECT_NE(row, std::string::npos) << csv.substr(0, 200);
    if (row != std::string::npos) {
        std::istringstream fields(csv.substr(row + 8));
        char comma = 0;
        fields >> point.latitude >> comma >> point.longitude;
    }
    return point;
}

// Great-circle distance on a sphere of the Earth's mean radius, 6371 km:
// enough for points a few kilometres apart.
double DistanceKilometres(const GeoPoint& a, const GeoPoint& b)
{
    constexpr double kRadians = 3.141592653589793 / 180.0;
    const double sinLatitude = std::sin((b.latitude - a.latitude) * kRadians / 2.0);
    const double sinLongitude = std::sin((b.longitude - a.longitude) * kRadians / 2.0);
    const double h = sinLatitude * sinLatitude +
                     std::cos(a.latitude * kRadians) * std::cos(b.latitude * kRadians) * sinLongitude * sinLongitude;
    return 2.0 * 6371.0 * std::asin(std::sqrt(h));
}

} // namespace

TEST(ModelOption, ModernIsWhatTheCommandsPrintWithoutIt)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    for (const std::string command : {"shadow --date 2024-04-08T18:17:00 --format csv", "ephemeris --date -0500-05-15T04:30:00 --delta-t 17190"}) {
        const CliRun without = RunCli(command);
        const CliRun modern = RunCli(command + " --model modern");
        EXPECT_EQ(modern.status, 0) << command;
        EXPECT_EQ(modern.out, without.out) << command;
    }
}

TEST(ModelOption, RefusesAnUnknownModelAsAUsageError)
{
    for (const std::string command : {"shadow", "ephemeris", "render -o /dev/null", "eclipses --from 2024-01-01 --to 2024-12-31",
                                      "besselian --date 2024-04-08", "path --date 2024-04-08"}) {
        const CliRun run = RunCli(command + " --model newcomb");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_EQ(run.err, "umbrant-cli: unknown model \"newcomb\" (expected classic or modern)\n") << command;
    }
}

TEST(ModelOption, PlacesTheAxisAtThePublishedGreatestEclipses)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    // Espenak & Anderson (NASA): greatest eclipse of 2024 April 8 at 18:17:20
    // UT near 25.29 N 104.15 W (given to 0.01 degree, about a kilometre),
    // Delta T 69.1 s; of 2006 March 29 at 10:11:18 UT at 23 09' N 16 44' E
    // (to 1', about 2 km), Delta T 64.9 s.
    struct Published {
        const char* arguments;
        GeoPoint axis;
        double within;  // km
    };
    for (const Published published : {Published{"--date 2024-04-08T18:17:20 --delta-t 69.1", {25.29, -104.15}, 1.0},
                                      Published{"--date 2006-03-29T10:11:18 --delta-t 64.9", {23.15, 16.7333}, 2.0}}) {
        const CliRun run = RunCli(std::string("shadow --model modern --format csv ") + published.arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_LT(DistanceKilometres(AxisPoint(run.out), published.axis), published.within) << published.arguments;
    }
}

TEST(ModelOption, ModernTakesTheObservedDeltaTAndTheApparentSiderealTime)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    // IERS: 69.18 s in April 2024, where the classic parabola gives 92.5 s.
    const CliRun shadow = RunCli("shadow --model modern --date 2024-04-08T18:17:20");
    ASSERT_EQ(shadow.status, 0) << shadow.err;
    EXPECT_NE(shadow.out.find("Delta T used       69.1"), std::string::npos) << shadow.out.substr(0, 200);
    // Meeus, Astronomical Algorithms, example 12.a: 1987 April 10 at 0 h UT.
    const CliRun ephemeris = RunCli("ephemeris --model modern --date 1987-04-10T00:00 --delta-t 0");
    ASSERT_EQ(ephemeris.status, 0) << ephemeris.err;
    EXPECT_NE(ephemeris.out.find("Sidereal time used 13h 10m 46.135"), std::string::npos) << ephemeris.out;
    EXPECT_NE(ephemeris.out.find("Model modern (observed Delta T, Moon at -25.8\"/cy^2, apparent sidereal time)"),
              std::string::npos) << ephemeris.out;
}

TEST(ModelOption, RendersTheModernShadow)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    const std::string base = std::filesystem::temp_directory_path() / ("umbrant-model-map-" + std::to_string(::getpid()));
    const CliRun classic = RunCli("render --size 400x250 --date 2024-04-08T18:17:20 --model classic -o " + base + "-classic.png");
    const CliRun modern = RunCli("render --size 400x250 --date 2024-04-08T18:17:20 --model modern -o " + base + "-modern.png");
    EXPECT_EQ(classic.status, 0) << classic.err;
    EXPECT_EQ(modern.status, 0) << modern.err;
    // The automatic Delta T differs by 23 s: the shadow moves by some 10 km.
    EXPECT_NE(ReadAll(base + "-classic.png"), ReadAll(base + "-modern.png"));
    EXPECT_FALSE(ReadAll(base + "-modern.png").empty());
    std::filesystem::remove(base + "-classic.png");
    std::filesystem::remove(base + "-modern.png");
}
