// "convert" prints the end messages of a conversion in English and adds the
// cause of a failure on standard error; "convert all" runs every converter
// whatever happens to one, and its status says whether any failed; a data
// directory that may not be written gives way to the user's own.
#include "tests/cli/CliScratch.h"
#include "tests/datafiles/SeriesTextMaker.h"

#include <cerrno>
#include <string>
#include <unistd.h>

using namespace cli_scratch;

namespace {

constexpr const char* kCompleted = "Operation completed";
constexpr const char* kFailed = "An error occurred during the conversion";

// A borders text the converter accepts: two points, one line.
constexpr const char* kBordersText = "header\n48.5\t-2.25\n49.0\t-2.0\n\n";

using Converters = CliScratch;

} // namespace

TEST_F(Converters, AMissingInputIsNamedWithTheSystemsCause)
{
    const Outcome outcome = Run("convert nutation" + DataOption());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "nutation: " + std::string(kFailed) + "\n");
    EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, Data("Nutation.txt").string())) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, "No such file or directory")) << outcome.err;
}

TEST_F(Converters, AFullDiskAndAnIoErrorAreNamedAndThePreviousImageKept)
{
    WriteText(Data("frontier.txt"), kBordersText);
    WriteText(Data("frontier.dat"), "previous image");
    for (const auto& [errorNumber, cause] : {std::pair(ENOSPC, "No space left on device"), std::pair(EIO, "Input/output error")}) {
        const Outcome outcome = Run("convert borders" + DataOption(), FailingWrites("frontier.dat", errorNumber));
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, "borders: " + std::string(kFailed) + "\n");
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, Data("frontier.dat").string())) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, cause)) << outcome.err;
        EXPECT_EQ(ReadText(Data("frontier.dat")), "previous image");
    }
}

// Without a home of its own, the user is told the directory may not be written.
TEST_F(Converters, AReadOnlyDirectoryIsNamed)
{
    WriteText(Data("frontier.txt"), kBordersText);
    fs::permissions(m_directory / "data", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const Outcome outcome = Run("convert borders" + DataOption(), "env -u HOME -u XDG_DATA_HOME " + AsUnprivilegedUser());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(Contains(outcome.err, "Permission denied")) << outcome.err;
}

// As for the programs' own data directory: a named one that may not be
// written gives way to the user's, where the inputs are to be put.
TEST_F(Converters, AReadOnlyDirectoryGivesWayToTheUsersOwn)
{
    const fs::path user = Path("xdg/umbrant");
    fs::create_directories(user);
    fs::permissions(user, fs::perms::all);
    WriteText(user / "Nutation.txt", series_text::NutationText());
    fs::permissions(m_directory / "data", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const Outcome outcome = Run("convert nutation" + DataOption(), "env XDG_DATA_HOME=" + Path("xdg").string() + " " + AsUnprivilegedUser());
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out, "nutation: " + std::string(kCompleted) + "\n");
    EXPECT_EQ(outcome.err, "umbrant-cli: " + (m_directory / "data").string() + "/ may not be written; using " + user.string() + "/\n");
    EXPECT_EQ(fs::file_size(user / "Nutation.dat"), 2544u);
    EXPECT_FALSE(fs::exists(Data("Nutation.dat")));
}

TEST_F(Converters, AllRunsEveryConverterReportsEachAndFailsIfOneFailed)
{
    WriteText(Data("frontier.txt"), kBordersText);
    WriteText(Data("fleuves.txt"), kBordersText);
    const Outcome outcome = Run("convert all" + DataOption());
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "nutation: " + std::string(kFailed) + "\n" +
                               "vsop: " + kFailed + "\n" +
                               "elp: " + kFailed + "\n" +
                               "shorelines: " + kFailed + "\n" +
                               "borders: " + kCompleted + "\n" +
                               "rivers: " + kCompleted + "\n" +
                               "eclipses: " + kFailed + "\n");
    EXPECT_EQ(LineCount(outcome.err), 5) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, Data("manifest.txt").string() + ": does not list the three series images")) << outcome.err;
    for (const char* input : {"Nutation.txt", "VSOP87C.ear", "ELP1", "gshhs_i.b"}) {
        EXPECT_TRUE(Contains(outcome.err, Data(input).string() + ": cannot open: No such file or directory")) << outcome.err;
    }
    EXPECT_TRUE(fs::exists(Data("frontier.dat")));
    EXPECT_TRUE(fs::exists(Data("fleuves.dat")));
}

TEST_F(Converters, AllSucceedingExitsZero)
{
    WriteText(Data("frontier.txt"), kBordersText);
    WriteText(Data("fleuves.txt"), kBordersText);
    const Outcome outcome = Run("convert maps" + DataOption());
    EXPECT_EQ(outcome.status, 1);  // no shoreline input
    WriteText(Data("gshhs_i.b"), "");
    const Outcome again = Run("convert maps" + DataOption());
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "shorelines: " + std::string(kCompleted) + "\nborders: " + kCompleted + "\nrivers: " + kCompleted + "\n");
    EXPECT_EQ(again.err, "");
}

TEST_F(Converters, AnInputThatDoesNotFitItsImageIsNamedWithWhatIsWrong)
{
    std::string lines = "header\n";
    for (int line = 0; line < 303; ++line) {
        lines += "1\t1\n\n";
    }
    WriteText(Data("frontier.txt"), lines);
    const Outcome borders = Run("convert borders" + DataOption());
    EXPECT_EQ(borders.out, "borders: " + std::string(kFailed) + "\n");
    EXPECT_TRUE(Contains(borders.err, Data("frontier.txt").string() + ": more than the image's 302 lines")) << borders.err;
}

// What is not a series in its published layout is never converted: an empty
// file, words, a series cut short are named with their line, nothing is
// written, and the manifest lists nothing new.
TEST_F(Converters, TextsThatAreNotTheSeriesAreRefusedNamingTheFileAndTheLine)
{
    if (!HavePublishedSources()) {
        GTEST_SKIP() << "no published sources";
    }
    CopyPublishedSources({"ELP1", "ELP2", "ELP3", "ELP4", "ELP6", "ELP7", "ELP8", "ELP9", "ELP10", "ELP11", "ELP12", "ELP13",
                          "ELP14", "ELP15", "ELP16", "ELP17", "ELP18", "ELP19", "ELP20", "ELP21", "ELP22", "ELP23", "ELP24",
                          "ELP25", "ELP26", "ELP27", "ELP28", "ELP29", "ELP30", "ELP31", "ELP32", "ELP33", "ELP34", "ELP35",
                          "ELP36"});
    const std::string elp5 = ReadText(PublishedSources() / "ELP5");
    std::size_t third = 0;
    for (int line = 0; line < 3; ++line) {
        third = elp5.find('\n', third) + 1;
    }
    WriteText(Data("ELP5"), elp5.substr(0, third));
    WriteText(Data("VSOP87C.ear"), "");
    WriteText(Data("Nutation.txt"), "hello\nworld\n");
    const struct {
        const char* converter;
        const char* named;
    } cases[] = {
        {"vsop", "VSOP87C.ear: line 1: the text ends where the series of variable 1, power 0 (1007 terms) should begin"},
        {"nutation", "Nutation.txt: line 2: columns 1 to 2 hold \"wo\", not a whole number"},
        {"elp", "ELP5: line 4: the terms end after 2 of the 316 terms of ELP5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.converter);
        const Outcome outcome = Run(std::string("convert ") + c.converter + DataOption());
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.out, std::string(c.converter) + ": " + kFailed + "\n");
        EXPECT_EQ(outcome.err, "umbrant-cli: " + std::string(c.converter) + ": " + (m_directory / "data").string() + "/" + c.named + "\n");
    }
    for (const char* image : {"VSOP87.dat", "Nutation.dat", "Elp2000.dat", "manifest.txt"}) {
        EXPECT_FALSE(fs::exists(Data(image))) << image;
    }
}
