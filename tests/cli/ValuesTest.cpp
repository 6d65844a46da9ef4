// Values the theories cannot answer are refused in one line naming the range;
// a result that is not a number is an error naming its likely cause, never a
// success; times print as a clock shows them; odd command lines get a precise
// word.
#include "tests/cli/CliScratch.h"

#include "datafiles/ElpImage.h"

#include <string>
#include <utility>
#include <vector>

using namespace cli_scratch;

namespace {

class Values : public CliScratch {
protected:
    std::string ConvertedDataOption() const { return " --data " + ConvertedData().string(); }

    void ExpectRefused(const std::string& arguments, const std::string& range) const
    {
        const Outcome outcome = Run(arguments);
        EXPECT_TRUE(outcome.exited) << arguments;
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_EQ(LineCount(outcome.err), 1) << arguments << ": " << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, range)) << arguments << ": " << outcome.err;
        EXPECT_EQ(outcome.out, "") << arguments;
    }
};

} // namespace

TEST_F(Values, YearsAndDeltaTBeyondTheTheoriesAreRefusedNamingTheRange)
{
    const std::vector<std::pair<std::string, std::string>> cases{
        {"--delta-t 3e38", "-86400 to 86400 seconds"},
        {"--delta-t 1e15", "-86400 to 86400 seconds"},
        {"--delta-t -86401", "-86400 to 86400 seconds"},
        {"--date 999999-01-01T00:00", "-1999..3000"},
        {"--date 3001-01-01T00:00", "-1999..3000"},
        {"--date -2000-12-31T23:59", "-1999..3000"},
    };
    for (const std::string& command : std::vector<std::string>{"ephemeris", "shadow", "render -o " + Path("refused.png").string()}) {
        for (const auto& [option, range] : cases) {
            ExpectRefused(command + " " + option + DataOption(), range);
        }
    }
    EXPECT_FALSE(fs::exists(Path("refused.png")));
}

TEST_F(Values, TheEdgesOfTheRangesAreComputed)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    for (const char* epoch : {"--date -1999-01-01T00:00 --delta-t 86400", "--date 3000-12-31T23:59 --delta-t -86400"}) {
        const Outcome outcome = Run("ephemeris " + std::string(epoch) + ConvertedDataOption());
        EXPECT_EQ(outcome.status, 0) << epoch << ": " << outcome.err;
        EXPECT_FALSE(Contains(outcome.out, "nan")) << outcome.out;
    }
}

TEST_F(Values, AMoonSeriesOfNaNsIsAnErrorNamingTheDataNotAResult)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    // Same size as the image, no manifest: only what it gives can tell.
    CopyConvertedData({"VSOP87.dat", "Nutation.dat"});
    WriteText(Data("Elp2000.dat"), std::string(kElpImageSize, '\xff'));
    for (const char* command : {"ephemeris", "shadow --format text", "shadow --format csv", "shadow --format geojson"}) {
        const Outcome outcome = Run(std::string(command) + DataOption());
        EXPECT_EQ(outcome.status, 1) << command;
        EXPECT_EQ(LineCount(outcome.err), 1) << command << ": " << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, Data("Elp2000.dat").string() + ": the Moon's distance in 1000 is not a finite number"))
            << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "convert it again")) << outcome.err;
        EXPECT_EQ(outcome.out, "") << outcome.out;
    }
}

// "0 eclipses" and "no solar eclipse" are said only of sound series: every
// computing command refuses images that are not a conversion of the
// published series, naming the file.
TEST_F(Values, NoEclipseIsSaidOnlyOfSoundSeries)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    const struct {
        const char* image;
        char byte;
        const char* cause;
    } images[] = {
        {"VSOP87.dat", '\0', "the Sun's distance in 1000 is 0 au"},
        {"Elp2000.dat", '\xff', "the Moon's distance in 1000 is not a finite number"},
        {"Nutation.dat", '\x7f', "the nutation in 1000 is "},
    };
    const std::vector<std::string> commands = {"eclipses --from 2024-01-01 --to 2024-12-31", "local --date 2024-04-08 --place -104,25",
                                               "path --date 2024-04-08", "besselian --date 2024-04-08",
                                               "render --size 64x48 -o " + Path("map.png").string()};
    for (const auto& image : images) {
        CopyConvertedData({"VSOP87.dat", "Elp2000.dat", "Nutation.dat", "gshhs_i.dat", "frontier.dat", "fleuves.dat"});
        WriteText(Data(image.image), std::string(fs::file_size(Data(image.image)), image.byte));
        for (const std::string& command : commands) {
            SCOPED_TRACE(command + " with " + image.image);
            const Outcome outcome = Run(command + DataOption());
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
            EXPECT_TRUE(Contains(outcome.err, Data(image.image).string() + ": " + image.cause)) << outcome.err;
            EXPECT_FALSE(Contains(outcome.out, "0 eclipses")) << outcome.out;
            EXPECT_FALSE(Contains(outcome.err, "no solar eclipse")) << outcome.err;
        }
    }
    EXPECT_FALSE(fs::exists(Path("map.png")));
}

TEST_F(Values, SecondsThatRoundToSixtyCarryIntoTheNextDay)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    const std::string date = " --date 2024-02-29T23:59:59.9999999 --delta-t 69" + ConvertedDataOption();
    const Outcome ephemeris = Run("ephemeris" + date);
    ASSERT_EQ(ephemeris.status, 0) << ephemeris.err;
    EXPECT_TRUE(Contains(ephemeris.out, "Epoch 2024-03-01 00:00:00.000 UT")) << ephemeris.out;
    const Outcome shadow = Run("shadow" + date);
    ASSERT_EQ(shadow.status, 0) << shadow.err;
    EXPECT_TRUE(Contains(shadow.out, "Instant            2024-03-01 00:00:00.00 UT")) << shadow.out;
    const Outcome geojson = Run("shadow --format geojson" + date);
    EXPECT_TRUE(Contains(geojson.out, "\"instant\":\"2024-03-01T00:00:00.00Z\"")) << geojson.out;
}

TEST_F(Values, AnEmptyDataDirectoryIsRefusedNotTakenForTheRoot)
{
    const Outcome outcome = Run("ephemeris --data ''");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(Contains(outcome.err, "--data wants a directory")) << outcome.err;
    EXPECT_FALSE(Contains(outcome.err, "/VSOP87.dat")) << outcome.err;
}

TEST_F(Values, AnOptionGivenTwiceIsSaidToBeGivenTwice)
{
    for (const char* arguments : {"shadow --format csv --format text", "render -o a.png -o b.png", "render --time --time -o a.png",
                                  "ephemeris --date 2006-03-29T10:00 --date 2006-03-29T11:00"}) {
        const Outcome outcome = Run(arguments);
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_TRUE(Contains(outcome.err, "given twice")) << arguments << ": " << outcome.err;
        EXPECT_FALSE(Contains(outcome.err, "unknown option")) << arguments << ": " << outcome.err;
    }
}
