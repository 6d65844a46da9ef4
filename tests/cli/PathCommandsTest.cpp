// The path and local commands as a user runs them: the published
// circumstances through the whole chain (ephemeris, search, fitting), the
// formats as other programs read them, and the one-line refusals.
#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Json = nlohmann::json;

using namespace cli_run;

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    constexpr double kDegree = 0.017453292519943295;
    const double a = std::pow(std::sin((latitude2 - latitude1) * kDegree / 2), 2) +
                     std::cos(latitude1 * kDegree) * std::cos(latitude2 * kDegree) *
                         std::pow(std::sin((longitude2 - longitude1) * kDegree / 2), 2);
    return 2.0 * 6371.0 * std::asin(std::sqrt(a));
}

std::vector<std::string> CsvFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ',')) {
        fields.push_back(field);
    }
    if (!line.empty() && line.back() == ',') {
        fields.emplace_back();
    }
    return fields;
}

class PathCommands : public testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveEphemerisData()) {
            GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
        }
    }

    static Json Local(const std::string& date, const std::string& place, const std::string& deltaT)
    {
        const CliRun run = RunCli("local --date " + date + " --place " + place + " --delta-t " + deltaT + " --format json");
        EXPECT_EQ(run.status, 0) << run.err;
        return Json::parse(run.out);
    }

    static const Json& Path2006()
    {
        static const Json path = Json::parse(RunCli("path --date 2006-03-29 --delta-t 64.9").out);
        return path;
    }
};

TEST_F(PathCommands, LocalAgreesWithThePublishedCircumstances)
{
    const Json accra = Local("2006-03-29", "-0.187,5.556", "64.9");
    EXPECT_EQ(accra["type"], "total");
    EXPECT_NEAR(accra["duration_s"].get<double>(), 178.0, 3.0);
    EXPECT_NEAR(SecondsOfDay(accra["contacts"]["max"]["ut"]), Hms(9, 11, 0), 60.0);

    const Json dallas = Local("2024-04-08", "-96.797,32.777", "69.1");
    EXPECT_EQ(dallas["type"], "total");
    EXPECT_NEAR(SecondsOfDay(dallas["contacts"]["c2"]["ut"]), Hms(18, 40, 43), 5.0);
    EXPECT_NEAR(dallas["duration_s"].get<double>(), 231.0, 3.0);
    EXPECT_NEAR(dallas["contacts"]["c2"]["altitude"].get<double>(), 64.6, 0.2);

    const Json paris = Local("2006-03-29", "2.35,48.85", "64.9");
    EXPECT_EQ(paris["type"], "partial");
    EXPECT_NEAR(paris["magnitude"].get<double>(), 0.339, 0.005);
    EXPECT_NEAR(SecondsOfDay(paris["contacts"]["max"]["ut"]), Hms(10, 32, 27), 10.0);
    EXPECT_TRUE(paris["contacts"]["c2"].is_null());
    EXPECT_TRUE(paris["contacts"]["c3"].is_null());
    for (const char* contact : {"c1", "max", "c4"}) {
        const Json& seen = paris["contacts"][contact];
        EXPECT_TRUE(seen["visible"].get<bool>());
        for (const char* key : {"ut", "altitude", "azimuth", "position_angle"}) {
            EXPECT_TRUE(seen.contains(key)) << contact << " " << key;
        }
    }
}

// Under the point of greatest eclipse the ratio of the apparent diameters is
// the eclipse's published magnitude, 1.0566 (Espenak, EclipseWise); on the
// axis the fraction of the Sun's diameter covered is (1 + ratio) / 2.
TEST_F(PathCommands, LocalGivesTheMoonSunRatioBesideTheMagnitude)
{
    const Json greatest = Local("2024-04-08", "-104.147,25.289", "69.1");
    EXPECT_EQ(greatest["type"], "total");
    const double ratio = greatest["moon_sun_ratio"].get<double>();
    EXPECT_NEAR(ratio, 1.0566, 0.0002);
    EXPECT_NEAR(greatest["magnitude"].get<double>(), 0.5 * (1.0 + ratio), 0.0002);
}

TEST_F(PathCommands, LocalFindsNoEclipseOutsideThePenumbra)
{
    const Json seen = Local("2006-03-29", "-150,-40,100", "64.9");
    EXPECT_EQ(seen["type"], "none");
    EXPECT_EQ(seen["magnitude"].get<double>(), 0.0);
    for (const char* contact : {"c1", "c2", "max", "c3", "c4"}) {
        EXPECT_TRUE(seen["contacts"][contact].is_null());
    }
}

TEST_F(PathCommands, LocalPrintsATableForPeople)
{
    const CliRun run = RunCli("local --date 2006-03-29 --place -0.187,5.556 --delta-t 64.9");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Type            total"), std::string::npos);
    EXPECT_NE(run.out.find("Duration        2 min 5"), std::string::npos);
    EXPECT_NE(run.out.find("Maximum  2006-03-29T09:11:"), std::string::npos);
}

TEST_F(PathCommands, PathGeoJsonHoldsEveryKindWithTimesNestedLikeTheCoordinates)
{
    const Json& path = Path2006();
    ASSERT_EQ(path["type"], "FeatureCollection");
    std::set<std::string> kinds;
    for (const Json& feature : path["features"]) {
        const std::string kind = feature["properties"]["kind"];
        kinds.insert(kind);
        const Json& geometry = feature["geometry"];
        if (kind == "greatest" || kind.rfind("magnitude-", 0) == 0) {
            continue;
        }
        const Json& times = feature["properties"]["times"];
        if (geometry["type"] == "LineString") {
            EXPECT_EQ(times.size(), geometry["coordinates"].size()) << kind;
        } else {
            ASSERT_EQ(geometry["type"], "MultiLineString");
            ASSERT_EQ(times.size(), geometry["coordinates"].size()) << kind;
            for (std::size_t i = 0; i < times.size(); ++i) {
                EXPECT_EQ(times[i].size(), geometry["coordinates"][i].size()) << kind;
            }
        }
    }
    const std::set<std::string> expected{"central", "umbra-north", "umbra-south", "penumbra-north", "penumbra-south",
                                         "sunrise-sunset", "max-at-sunrise-sunset", "magnitude-0.2", "magnitude-0.4",
                                         "magnitude-0.6", "magnitude-0.8", "greatest"};
    EXPECT_EQ(kinds, expected);
}

TEST_F(PathCommands, PathGreatestEclipseIsThePublishedOne)
{
    for (const Json& feature : Path2006()["features"]) {
        if (feature["properties"]["kind"] == "greatest") {
            EXPECT_EQ(feature["geometry"]["type"], "Point");
            EXPECT_NEAR(SecondsOfDay(feature["properties"]["ut"]), Hms(10, 11, 18), 10.0);
            EXPECT_NEAR(feature["properties"]["width_km"].get<double>(), 184.0, 3.0);
            EXPECT_NEAR(feature["properties"]["duration_s"].get<double>(), 247.0, 2.0);
            // The penumbra first touches the Earth at sunrise over the Atlantic.
            const Json& contacts = feature["properties"]["contacts"];
            for (const char* contact : {"p1", "u1", "u2", "u3", "u4", "p4"}) {
                EXPECT_TRUE(contacts[contact].contains("ut")) << contact;
            }
            EXPECT_LT(SecondsOfDay(contacts["p1"]["ut"]), SecondsOfDay(contacts["u1"]["ut"]));
            EXPECT_LT(SecondsOfDay(contacts["u4"]["ut"]), SecondsOfDay(contacts["p4"]["ut"]));
            return;
        }
    }
    ADD_FAILURE() << "no greatest feature";
}

// The central line's vertex at a minute of UT is where the document's own
// shadow computation puts the axis at that minute.
TEST_F(PathCommands, PathCsvVerticesLieWhereTheShadowCommandPutsTheAxis)
{
    const CliRun run = RunCli("path --date 2006-03-29 --delta-t 64.9 --format csv");
    ASSERT_EQ(run.status, 0) << run.err;
    std::stringstream rows(run.out);
    std::string line;
    std::getline(rows, line);
    EXPECT_EQ(line, "ut,central_lat,central_lon,north_lat,north_lon,south_lat,south_lon,duration_s,width_km,sun_altitude,sun_azimuth");
    int compared = 0;
    while (std::getline(rows, line)) {
        const std::vector<std::string> fields = CsvFields(line);
        ASSERT_EQ(fields.size(), 11u) << line;
        const std::string& ut = fields[0];
        if (ut.substr(14) != "00:00.0Z" && ut.substr(14) != "30:00.0Z") {
            continue;
        }
        const CliRun shadow = RunCli("shadow --date " + ut.substr(0, 19) + " --delta-t 64.9");
        const std::size_t at = shadow.out.find("Axis point         latitude ");
        ASSERT_NE(at, std::string::npos) << ut;
        double latitude = 0.0;
        double longitude = 0.0;
        std::sscanf(shadow.out.c_str() + at, "Axis point         latitude %lf, longitude %lf", &latitude, &longitude);
        EXPECT_LT(DistanceKm(std::stod(fields[1]), std::stod(fields[2]), latitude, longitude), 0.1) << ut;
        ++compared;
    }
    EXPECT_GE(compared, 5);
}

TEST_F(PathCommands, PathFilesOpenInGdal)
{
    if (std::system("command -v ogrinfo >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ogrinfo (gdal-bin) is not installed";
    }
    for (const std::string format : {"geojson", "kml"}) {
        SCOPED_TRACE(format);
        const std::string file = Scratch("path." + format);
        const CliRun run = RunCli("path --date 2024-04-08 --delta-t 69.1 --format " + format);
        ASSERT_EQ(run.status, 0) << run.err;
        std::ofstream(file) << run.out;
        const CliRun info = RunProgram("ogrinfo", "-ro -al -so " + file);
        std::filesystem::remove(file);
        EXPECT_EQ(info.status, 0) << info.err;
        EXPECT_NE(info.out.find("Feature Count: 12"), std::string::npos) << info.out;
    }
}

// Should another command compute the width at greatest eclipse, it must
// print the same figure.
TEST_F(PathCommands, PathWidthAtGreatestEclipseIsTheEclipsesCommands)
{
    const CliRun eclipses = RunCli("eclipses --from 2006-03-29 --to 2006-03-29 --delta-t 64.9 --format csv");
    if (eclipses.status != 0 || eclipses.out.find("width_km") == std::string::npos) {
        GTEST_SKIP() << "no eclipses command yet";
    }
    std::stringstream rows(eclipses.out);
    std::string header;
    std::string row;
    std::getline(rows, header);
    std::getline(rows, row);
    const std::vector<std::string> names = CsvFields(header);
    const std::vector<std::string> values = CsvFields(row);
    const auto column = std::find(names.begin(), names.end(), "width_km") - names.begin();
    ASSERT_LT(static_cast<std::size_t>(column), values.size());
    for (const Json& feature : Path2006()["features"]) {
        if (feature["properties"]["kind"] == "greatest") {
            EXPECT_NEAR(feature["properties"]["width_km"].get<double>(), std::stod(values[column]), 0.1);
        }
    }
}

struct Refusal {
    std::string arguments;
    std::string named;   // the message names this
};

TEST(EclipseCommandRefusals, AreOneLineWithStatusOne)
{
    const std::vector<Refusal> refusals = {
        {"local --date 2006-03-29 --place 10,91", "latitude"},
        {"local --date 2006-03-29 --place 10,-90.5", "latitude"},
        {"local --date 2006-03-29 --place east,north", "east,north"},
        {"local --date 2006-03-29 --place 10,20,30,40", "10,20,30,40"},
        {"local --date 2006-03-29 --place nan,0", "nan,0"},
        {"local --date 2006-03-29 --place 190,0", "longitude"},
        {"path --date 2006-03-29 --step 0", "step"},
        {"path --date 2006-03-29 --step -60", "step"},
        {"path --date 2006-03-29 --step 3601", "step"},
        // Finer than a second: refused at once, before any work (the
        // smallest step the double holds included).
        {"path --date 2024-04-08 --step 1e-9", "step \"1e-9\" out of range (1 to 3600 seconds)"},
        {"path --date 2024-04-08 --step 5e-324", "1 to 3600 seconds"},
        {"path --date 2024-04-08 --step 0.999", "1 to 3600 seconds"},
        {"path --date 2006-03-29 --step soon", "soon"},
        {"path --date 2006-02-30", "2006-02-30"},
        {"path --date 29/03/2006", "29/03/2006"},
        {"local --date 2006-03-29 --place 0,0 --delta-t 1e300", "Delta T"},
        // Sigmas of Delta T: finite, 0 to 10; and only where the model states sigma.
        {"path --date 0029-11-24 --uncertainty nan", "uncertainty \"nan\""},
        {"path --date 0029-11-24 --uncertainty inf", "uncertainty \"inf\""},
        {"path --date 0029-11-24 --uncertainty -1", "0 to 10 sigmas"},
        {"path --date 0029-11-24 --uncertainty 10.5", "0 to 10 sigmas"},
        {"path --date 0029-11-24 --uncertainty 2 --model classic", "standard error"},
        {"eclipses --from 2000-01-01 --to 2001-01-01 --place 0,0 --min-probability 1.5", "0 to 1"},
        {"eclipses --from 2000-01-01 --to 2001-01-01 --min-probability 0.5", "--place"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(refusal.arguments);
        const CliRun run = RunCli(refusal.arguments);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(refusal.named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
    }
}

TEST_F(PathCommands, ADateWithoutAnEclipseIsRefusedInOneLine)
{
    for (const std::string command : {"path --date 2006-03-30", "local --date 2006-03-28 --place 0,0"}) {
        const CliRun run = RunCli(command);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find("no solar eclipse on"), std::string::npos) << run.err;
    }
}

} // namespace
