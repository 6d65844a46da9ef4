// The command-line tool as a user runs it: exit statuses, the one-line errors
// and the figures it prints.
#include "CliRun.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Every command's help, through the three ways of asking for it.
TEST(CommandLine, PrintsEachCommandsOptionsAndEndsWithStatusZero)
{
    const CliRun list = RunCli("--help");
    EXPECT_EQ(list.status, 0);
    for (const char* command : {"besselian", "convert", "eclipses", "ephemeris", "import-maps", "info", "local", "path",
                                "render", "shadow", "verify-series", "write-nutation-table"}) {
        EXPECT_NE(list.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
        for (const std::string& asked : {std::string(command) + " --help", "help " + std::string(command)}) {
            const CliRun help = RunCli(asked);
            EXPECT_EQ(help.status, 0) << asked;
            EXPECT_NE(help.out.find(std::string("umbrant-cli ") + command), std::string::npos) << asked << help.out;
            EXPECT_EQ(help.err, "") << asked;
        }
    }
    const CliRun local = RunCli("local --help");
    EXPECT_NE(local.out.find("--place LON,LAT[,HEIGHT_M]"), std::string::npos) << local.out;
    EXPECT_NE(local.out.find("--model classic|modern"), std::string::npos) << local.out;
}

// A wrong command line is one line naming what is wrong, and status 1: the
// unknown word before anything it may have hidden, a slip with the name
// meant, a value that a terminal would take for orders written harmlessly.
TEST(CommandLine, RefusesAWrongCommandLineInOneLineNamingIt)
{
    struct Case {
        std::string arguments;
        std::string said;
    };
    const std::string escape = "\"$(printf '\\033[31mred\\033]0;title\\007')\"";
    const Case cases[] = {
        {"frobnicate", "unknown command frobnicate"},
        {"locl --date 2024-04-08", "unknown command locl (did you mean local?)"},
        {"local --plase 1,2", "unknown option --plase of local (did you mean --place?)"},
        {"local --date 2024-04-08", "--place is required"},
        {"local --date 2024-04-08 --place 1,2 --date 2024-04-09", "--date given twice"},
        {"eclipses --from=2024-01-01 --to=2023-01-01", "the range ends (2023-01-01) before it begins (2024-01-01)"},
        {"local --date 1582-10-10 --place 1,2", "1582-10-05 to 1582-10-14 were left out"},
        {"shadow --date 1582-10-05T12:00", "1582-10-05 to 1582-10-14 were left out"},
        {"path --date 2024-02-30", "--date 2024-02-30 is no day of the calendar"},
        {"besselian --date -2000-06-01", "year -2000 outside -1999..3000"},
        {"render -o x.png --date 3001-01-01T00:00", "year 3001 outside -1999..3000"},
        {"ephemeris --delta-t nan", "malformed Delta T \"nan\""},
        {"eclipses --from 2024-01-01 --to 2024-12-31 --delta-t 86401", "-86400 to 86400 seconds"},
        {"local --date 2024-04-08 --place " + escape, "no town named \"\\x1B[31mred\\x1B]0;title\\x07\""},
        {"local --date 2024-04-08 --place $(head -c 100000 /dev/zero | tr '\\0' 1)", "..."},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(LineCount(run.err), 1) << c.arguments << ": " << run.err;
        EXPECT_NE(run.err.find(c.said), std::string::npos) << c.arguments << ": " << run.err.substr(0, 300);
        EXPECT_LT(run.err.size(), 500u) << c.arguments;
        EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
}

// The form "eclipses" prints an instant in is the form the instant options take.
TEST(CommandLine, TakesTheInstantsItPrints)
{
    if (!HaveEphemerisData()) {
        GTEST_SKIP() << "no converted ephemeris beside umbrant-cli";
    }
    const CliRun printed = RunCli("shadow --date 2024-04-08T18:17:20Z --format csv");
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, RunCli("shadow --date 2024-04-08T18:17:20 --format csv").out);
}
