// The command-line tool as a user runs it: exit statuses, the one-line errors
// and the figures it prints.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace cli_run;

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

TEST(InfoCommand, PrintsTheDefaultsAndTheirTimeTerms)
{
    const CliRun run = RunCli("info");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("29/03/2006"), std::string::npos);
    EXPECT_NE(run.out.find("08:36:00.00"), std::string::npos);
    EXPECT_NE(run.out.find("JD at 0 h          2453823.500000"), std::string::npos);
    EXPECT_NE(run.out.find("Delta T used       71.644 s"), std::string::npos);
}

TEST(InfoCommand, RefusesAShortDocumentWithOneLineAndStatusOne)
{
    const std::string path = std::filesystem::temp_directory_path() / ("umbrant-short-" + std::to_string(::getpid()) + ".umb");
    std::ofstream(path, std::ios::binary) << std::string(192, '\1');
    const CliRun run = RunCli("info " + path);
    std::filesystem::remove(path);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find(path), std::string::npos);
}

TEST(InfoCommand, RefusesAMissingDocument)
{
    const CliRun run = RunCli("info /nonexistent/absent.umb");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find("absent.umb"), std::string::npos);
}

TEST(CommandLine, RejectsAnUnknownCommand)
{
    EXPECT_EQ(RunCli("frobnicate").status, 1);
}

TEST(ShadowCommand, FindsTheWholeShadowAtGreatestEclipse)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    const CliRun run = RunCli("shadow --date 2006-03-29T10:11:18 --delta-t 64.9");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Axis meets Earth   yes"), std::string::npos);
    EXPECT_NE(run.out.find("Axis point         latitude 23.15"), std::string::npos);
    EXPECT_NE(run.out.find("Umbra              360 points"), std::string::npos);
    EXPECT_NE(run.out.find("Penumbra           7200 points"), std::string::npos);
}

TEST(ShadowCommand, WritesCsvWithOneRowAPoint)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    const CliRun run = RunCli("shadow --date 2006-03-29T10:11:18 --delta-t 64.9 --format csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("kind,index,latitude_deg,longitude_deg\naxis,0,23.15", 0), 0u);
    EXPECT_EQ(LineCount(run.out), 1 + 1 + 360 + 7200);
}

TEST(ShadowCommand, WritesAGeoJsonFeatureCollection)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    const CliRun run = RunCli("shadow --date 2006-03-15T12:00 --delta-t 64.9 --format geojson");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"type\":\"FeatureCollection\",\"features\":[", 0), 0u);
    EXPECT_NE(run.out.find("\"geometry\":null"), std::string::npos);
    EXPECT_NE(run.out.find("\"kind\":\"umbra\",\"points\":0"), std::string::npos);
}

TEST(ShadowCommand, ReportsMissingDataWithStatusOne)
{
    const CliRun run = RunCli("shadow --date 2006-03-29T10:11:18 --data /nonexistent");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(LineCount(run.err), 1);
    EXPECT_NE(run.err.find("/nonexistent/"), std::string::npos);
}

TEST(ShadowCommand, RejectsAnUnknownFormat)
{
    EXPECT_EQ(RunCli("shadow --format xml").status, 1);
}
