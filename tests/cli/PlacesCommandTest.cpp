// Towns by name, local times and the towns that see an eclipse, as a user
// runs them: the published circumstances of named towns on their own
// clocks, the refusals of unknown and hostile names, and the list of the
// towns inside the 2024 path.
#include "CliRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Json = nlohmann::json;
using namespace cli_run;

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// One argument for the shell, whatever bytes it holds.
std::string Quoted(const std::string& text)
{
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

bool HavePlacesData()
{
    return HaveEphemerisData() && std::filesystem::exists(std::string(UMBRANT_BINARY_DIR) + "/data/places.dat");
}

class PlacesCommands : public testing::Test {
protected:
    void SetUp() override
    {
        if (!HavePlacesData()) {
            GTEST_SKIP() << "no converted ephemeris or places.dat beside umbrant-cli";
        }
    }

    static Json Local(const std::string& date, const std::string& place, const std::string& more = "")
    {
        const CliRun run = RunCli("local --date " + date + " --place " + Quoted(place) + " --format json " + more);
        EXPECT_EQ(run.status, 0) << run.err;
        return run.status == 0 ? Json::parse(run.out) : Json();
    }
};

} // namespace

// The published times of named towns, in UT and on the towns' clocks: NASA's
// Dallas (C2 18:40:43 UT, 1:40:43 pm CDT, summer time against the zone's
// standard UTC-06:00), Spain's national geographic institute's Burgos
// (totality 1 min 44 s from 20:28:19 CEST), and Patna in India, whose
// clocks run 5 h 30 min ahead of UT.
TEST_F(PlacesCommands, NamedTownsGetThePublishedTimesOnTheirOwnClocks)
{
    const Json dallas = Local("2024-04-08", "Dallas, Texas");
    EXPECT_EQ(dallas["place"], "Dallas, Texas, United States of America");
    EXPECT_EQ(dallas["time_zone"], "America/Chicago");
    EXPECT_NEAR(SecondsOfDay(dallas["contacts"]["c2"]["ut"]), Hms(18, 40, 43), 2.0);
    const std::string c2 = dallas["contacts"]["c2"]["local"];
    EXPECT_NEAR(SecondsOfDay(c2), Hms(13, 40, 43), 2.0) << c2;
    EXPECT_EQ(c2.substr(0, 11) + c2.substr(c2.size() - 6), "2024-04-08T-05:00") << c2;

    const Json burgos = Local("2026-08-12", "Burgos, Spain");
    EXPECT_EQ(burgos["type"], "total");
    EXPECT_NEAR(burgos["duration_s"].get<double>(), 104.0, 2.0);
    const std::string burgosC2 = burgos["contacts"]["c2"]["local"];
    EXPECT_NEAR(SecondsOfDay(burgosC2), Hms(20, 28, 19), 10.0) << burgosC2;
    EXPECT_EQ(burgosC2.substr(burgosC2.size() - 6), "+02:00");

    const Json patna = Local("2009-07-22", "Patna");
    EXPECT_EQ(patna["time_zone"], "Asia/Kolkata");
    for (const char* contact : {"c1", "c2", "max", "c3", "c4"}) {
        const std::string ut = patna["contacts"][contact]["ut"];
        const std::string local = patna["contacts"][contact]["local"];
        EXPECT_EQ(local.substr(local.size() - 6), "+05:30") << contact;
        // C1 is on the 21st in UT and on the 22nd at Patna: the offset is
        // counted round the clock.
        const double offset = std::fmod(SecondsOfDay(local) - SecondsOfDay(ut) + 86400.0, 86400.0);
        EXPECT_NEAR(offset, Hms(5, 30, 0), 0.01) << ut << " " << local;
    }

    const CliRun text = RunCli("local --date 2024-04-08 --place Dallas,Texas");
    EXPECT_NE(text.out.find("Place           Dallas, Texas, United States of America"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Time zone       America/Chicago"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("CDT, UTC-05:00"), std::string::npos) << text.out;
    const CliRun csv = RunCli("local --date 2024-04-08 --place Dallas --format csv 2>/dev/null");
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')).find("event,ut,local,"), 0u) << csv.out;
    EXPECT_NE(csv.out.find("-05:00,"), std::string::npos) << csv.out;
}

// Coordinates take the zone of the nearest town within 100 km, --tz any
// zone; far from every town there is UT only. A pole and the antimeridian
// are places like any other.
TEST_F(PlacesCommands, CoordinatesTakeTheZoneOfTheNearestTown)
{
    struct Case {
        std::string place;
        std::string more;
        Json zone;
    };
    const Case cases[] = {
        {"-96.80,32.78", "", "America/Chicago"},
        {"-96.80,32.78", "--tz Asia/Tokyo", "Asia/Tokyo"},
        {"Dallas", "--tz Europe/Paris", "Europe/Paris"},
        {"-30,0", "", nullptr},                    // the middle of the Atlantic
        {"0,90", "", nullptr},                     // the North Pole
        {"-179.9,-16.5", "", "Pacific/Fiji"},      // Labasa is over the antimeridian
        {"180,-16.4", "", "Pacific/Fiji"},
    };
    for (const Case& c : cases) {
        const Json seen = Local("2024-04-08", c.place, c.more);
        EXPECT_EQ(seen["time_zone"], c.zone) << c.place << " " << c.more;
        if (c.zone.is_null() && seen["contacts"]["max"].is_object()) {
            EXPECT_TRUE(seen["contacts"]["max"]["local"].is_null()) << c.place;
        }
    }
    const Json tokyo = Local("2024-04-08", "Dallas", "--tz Asia/Tokyo");
    EXPECT_NE(tokyo["contacts"]["c2"]["local"].get<std::string>().find("2024-04-09T03:40:4"), std::string::npos);
}

// A name several towns share takes the most populous and says so, with the
// others, on the standard error.
TEST_F(PlacesCommands, SaysWhichTownOfAnAmbiguousNameItTook)
{
    const CliRun run = RunCli("local --date 2024-04-08 --place Dallas");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("taken as Dallas, Texas, United States of America"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Dallas, Oregon"), std::string::npos) << run.err;
    EXPECT_EQ(RunCli("local --date 2024-04-08 --place \"Dallas, Texas\"").err, "");
}

// Unknown names, hostile ones, an unknown zone: one line naming what is
// wrong, status 1, nothing on the standard output.
TEST_F(PlacesCommands, RefusesUnknownNamesAndZonesInOneLine)
{
    struct Case {
        std::string arguments;
        std::string said;
    };
    const Case cases[] = {
        {"--place Dalas", "no town named \"Dalas\" in the gazetteer (closest: Dallas, Texas, US; Dallas, Oregon, US"},
        {"--place " + Quoted("Dallas, Spain"), "(closest: Dallas, Texas, US"},
        {"--place " + Quoted("\"Dallas\"; rm -rf /"), "no town named"},
        {"--place " + Quoted("Dallas'); DROP TABLE places; --"), "no town named"},
        {"--place " + Quoted(std::string(100000, 'D')), "no town named \"DDDDD"},
        {"--place " + Quoted("Dal\xff\xfelas"), "no town named \"Dal\\xFF\\xFElas\""},
        {"--place ''", "no town named \"\""},
        {"--place ' '", "no town named"},
        {"--place Dallas --tz Mars/Olympus_Mons", "unknown time zone \"Mars/Olympus_Mons\""},
        {"--place Dallas --tz ../../etc/passwd", "unknown time zone"},
        {"--place Dallas --tz ''", "unknown time zone"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli("local --date 2024-04-08 " + c.arguments);
        const std::string shown = c.arguments.substr(0, 60);
        EXPECT_EQ(run.status, 1) << shown;
        EXPECT_EQ(LineCount(run.err), 1) << shown << ": " << run.err.substr(0, 300);
        EXPECT_NE(run.err.find(c.said), std::string::npos) << shown << ": " << run.err.substr(0, 300);
        EXPECT_LT(run.err.size(), 500u) << shown;
        EXPECT_EQ(run.out, "") << shown;
    }
}

// The towns inside the 2024 path, the longest totality first: those the
// guides name, each with its duration.
TEST_F(PlacesCommands, ListsTheTownsInsideThePath)
{
    const CliRun run = RunCli("places --date 2024-04-08 --central --format json");
    ASSERT_EQ(run.status, 0) << run.err;
    const Json listed = Json::parse(run.out);
    ASSERT_GT(listed["count"].get<int>(), 100);
    std::vector<std::string> names;
    double previous = 1e9;
    for (const Json& town : listed["places"]) {
        names.push_back(town["name"].get<std::string>() + ", " + town["state"].get<std::string>());
        EXPECT_EQ(town["type"], "total") << names.back();
        EXPECT_GT(town["duration_s"].get<double>(), 0.0) << names.back();
        EXPECT_LE(town["duration_s"].get<double>(), previous) << names.back();
        previous = town["duration_s"].get<double>();
        EXPECT_FALSE(town["contacts"]["c2"]["local"].is_null()) << names.back();
    }
    for (const char* town : {"Dallas, Texas", "Indianapolis, Indiana", "Cleveland, Ohio", "Buffalo, New York",
                             "Montreal, Quebec"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), town), names.end()) << town;
    }

    const CliRun csv = RunCli("places --date 2024-04-08 --central --country ca --min-population 500000 --format csv");
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "name,state,country,country_code,population,longitude,latitude,type,magnitude,obscuration,duration_s,"
              "sun_altitude,time_zone,c1_ut,c2_ut,max_ut,c3_ut,c4_ut,c1_local,c2_local,max_local,c3_local,c4_local");
    EXPECT_NE(csv.out.find("\nMontreal,Quebec,Canada,CA,"), std::string::npos) << csv.out;
    EXPECT_EQ(csv.out.find(",US,"), std::string::npos) << csv.out;

    for (const std::string wrong : {"--min-magnitude -1", "--min-population many", "--country USA", "--format xml"}) {
        const CliRun refused = RunCli("places --date 2024-04-08 " + wrong);
        EXPECT_EQ(refused.status, 1) << wrong;
        EXPECT_EQ(LineCount(refused.err), 1) << wrong << ": " << refused.err;
    }
}
