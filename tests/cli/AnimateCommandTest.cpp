// The maps of the command line with their layers by name, and the shadow in
// motion: an eclipse animated from its first to its last contact; hostile
// options, a full disk and a stopped run refused or undone, leaving nothing.

#include "CliScratch.h"

#include "video/VideoProbe.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace cli_scratch;

const std::vector<std::string> kLayerNames = {"shadow",           "path",      "limits",     "penumbra-limits",
                                              "rise-set",         "magnitude-curves",        "graticule",
                                              "terminator",       "observer",  "greatest",   "labels"};

std::string AllBut(const std::string& left)
{
    std::string names;
    for (const std::string& name : kLayerNames) {
        if (name != left) {
            names += (names.empty() ? "" : ",") + name;
        }
    }
    return names;
}

class AnimateCommandTest : public CliScratch {
protected:
    void SetUp() override
    {
        CliScratch::SetUp();
        if (!HaveConvertedData()) {
            GTEST_SKIP() << "no converted data beside the tool";
        }
    }

    // The names in the scratch directory besides data/ and the caught streams.
    std::vector<std::string> LeftFiles() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(m_directory)) {
            const std::string name = entry.path().filename().string();
            if (name != "data" && name != "stdout.txt" && name != "stderr.txt") {
                names.push_back(name);
            }
        }
        return names;
    }

    std::string RenderBytes(const std::string& layers)
    {
        const fs::path png = Path("map.png");
        const Outcome outcome =
            Run("render --date 2024-04-08 --centre auto --size 480x300 -o " + png.string() + layers);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return ReadText(png);
    }
};

} // namespace

// Each name draws something of its own: the map of all the layers changes
// when any one is left out. Without --layers the map is the shadow alone,
// as render always drew it.
TEST_F(AnimateCommandTest, EachLayerNameChangesTheMapAndTheDefaultIsTheShadowAlone)
{
    const std::string all = RenderBytes(" --layers all");
    ASSERT_GT(all.size(), 1000u);
    EXPECT_EQ(RenderBytes(" --layers " + AllBut("")), all);
    for (const std::string& name : kLayerNames) {
        SCOPED_TRACE(name);
        EXPECT_NE(RenderBytes(" --layers " + AllBut(name)), all);
    }
    const std::string shadow = RenderBytes(" --layers shadow");
    EXPECT_EQ(RenderBytes(""), shadow);
    EXPECT_EQ(RenderBytes(" --layers none,shadow"), shadow);
    EXPECT_NE(RenderBytes(" --layers none"), shadow);
}

// NASA TP 2004-212762: P1 at 07:36:48.5 UT, P4 at 12:45:40.6 UT; every
// 10 minutes from 07:30 to 12:50, 33 pictures, at 30 a second.
TEST_F(AnimateCommandTest, AnEclipseIsAnimatedFromItsFirstToItsLastContact)
{
    const fs::path gif = Path("2006.gif");
    const Outcome outcome = Run("animate --date 2006-03-29 --step 600 --size 320x180 -o " + gif.string());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(Contains(outcome.out, "Animation of 33 frames, 320x180, written to")) << outcome.out;
    const VideoProbe probe = ProbeVideo(gif.string());
    EXPECT_EQ(probe.codec, "gif");
    EXPECT_EQ(probe.frameCount, 33);
    EXPECT_EQ(probe.width, 320);
    EXPECT_NEAR(probe.durationSeconds, 33.0 / 30.0, 0.1);
    EXPECT_EQ(LeftFiles(), std::vector<std::string>{"2006.gif"});
}

TEST_F(AnimateCommandTest, HostileOptionsAreRefusedInOneLineLeavingNothing)
{
    const std::string out = Path("out.mp4").string();
    struct Case {
        std::string arguments;
        std::string said;
    };
    const std::vector<Case> cases = {
        {"--date 2006-03-29 --step 0 -o " + out, "--step wants seconds"},
        {"--date 2006-03-29 --step -60 -o " + out, "--step wants seconds"},
        {"--date 2006-03-29 --step nan -o " + out, "--step wants seconds"},
        {"--date 2006-03-29 --step 0.1 -o " + out, "more than 100000 pictures"},
        {"--from 2006-03-29T12:00 --to 2006-03-29T11:00 -o " + out, "--to comes before --from"},
        {"--date 2006-03-29 --size 0x720 -o " + out, "--size wants WIDTHxHEIGHT"},
        {"--date 2006-03-29 --size 8193x720 -o " + out, "1 to 8192"},
        {"--date 2006-03-29 --size 641x360 -o " + out, "even width and height"},
        {"--date 2006-03-29 --layers shadow,clouds -o " + out, "unknown layer \"clouds\""},
        {"--date 2006-03-29 -o " + Path("out.avi").string(), "no video format"},
        {"--date 2006-03-29 -o " + Path("missing/out.mp4").string(), "missing/out.mp4"},
        {"--date 2006-03-30 -o " + out, "no solar eclipse on 2006-03-30"},
        {"-o " + out, "animate wants --date"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const Outcome outcome = Run("animate " + c.arguments);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, c.said)) << outcome.err;
        EXPECT_TRUE(LeftFiles().empty());
    }
}

TEST_F(AnimateCommandTest, AFullDiskLeavesTheEarlierFileUntouched)
{
    for (const char* name : {"kept.mp4", "kept.webm", "kept.gif"}) {
        SCOPED_TRACE(name);
        const fs::path kept = Path(name);
        WriteText(kept, "earlier");
        const Outcome outcome =
            Run("animate --date 2006-03-29 --step 1200 --size 320x180 -o " + kept.string(), FailingWrites(name, ENOSPC));
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "No space left on device")) << outcome.err;
        EXPECT_EQ(ReadText(kept), "earlier");
        EXPECT_EQ(LeftFiles(), std::vector<std::string>{name});
        fs::remove(kept);
    }
}

// An interrupt, a termination or a hang-up in the middle ends the tool by
// that signal, its temporary file removed.
TEST_F(AnimateCommandTest, AStoppedAnimationLeavesNothingBehind)
{
    const std::string tool = (ToolDirectory() / "umbrant-cli").string();
    const std::string out = Path("long.webm").string();
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        std::vector<std::string> words = {tool, "animate", "--date", "2006-03-29", "--step", "5", "--size", "640x360",
                                          "-o", out};
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t child = 0;
        ASSERT_EQ(posix_spawn(&child, tool.c_str(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (LeftFiles().empty() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ASSERT_FALSE(LeftFiles().empty()) << "no temporary file appeared";
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(child, signalNumber);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status));
        EXPECT_EQ(WIFSIGNALED(status) ? WTERMSIG(status) : 0, signalNumber);
        EXPECT_TRUE(LeftFiles().empty());
    }
}
