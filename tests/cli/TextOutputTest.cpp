// Every command's text reaches its reader, or the command says in one line
// why not and exits with status 1: into /dev/full (a full disk) or a closed
// standard output, nothing passes for a success.
#include "tests/cli/CliScratch.h"
#include "tests/datafiles/SeriesTextMaker.h"

#include <string>
#include <utility>
#include <vector>

using namespace cli_scratch;

namespace {

class TextOutput : public CliScratch {
protected:
    void ExpectRefusedInOneLine(const std::string& arguments, const std::string& output, const std::string& cause) const
    {
        const Outcome outcome = Run(arguments, "", output);
        EXPECT_TRUE(outcome.exited) << arguments;
        EXPECT_EQ(outcome.status, 1) << arguments;
        EXPECT_EQ(LineCount(outcome.err), 1) << arguments << ": " << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "standard output")) << arguments << ": " << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, cause)) << arguments << ": " << outcome.err;
    }

    // The commands that print text, each with what it needs.
    std::vector<std::string> Commands() const
    {
        std::vector<std::string> commands{"help", "info", "convert nutation" + DataOption()};
        if (HaveConvertedData()) {
            const std::string data = " --data " + ConvertedData().string();
            for (const char* format : {"text", "csv", "geojson"}) {
                commands.push_back("shadow --date 2006-03-29T10:11:18 --format " + std::string(format) + data);
            }
            commands.push_back("ephemeris" + data);
            commands.push_back("render --size 32x24 -o " + Path("map.png").string() + data);
        }
        return commands;
    }
};

} // namespace

TEST_F(TextOutput, EveryCommandIntoAFullDiskExitsOneNamingTheCause)
{
    WriteText(Data("Nutation.txt"), series_text::NutationText());
    for (const std::string& command : Commands()) {
        ExpectRefusedInOneLine(command, "/dev/full", "No space left on device");
    }
}

TEST_F(TextOutput, EveryCommandIntoAClosedStandardOutputExitsOne)
{
    WriteText(Data("Nutation.txt"), series_text::NutationText());
    for (const std::string& command : Commands()) {
        ExpectRefusedInOneLine(command, "&-", "Bad file descriptor");
    }
}
