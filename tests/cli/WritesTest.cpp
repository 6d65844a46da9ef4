// Where the tool's files land and what they replace: symbolic links are
// followed, devices and FIFOs are written as they are, "-" is the standard
// output, permissions survive a replacement, a full disk or a failing device
// keeps the previous file, and a killed run's temporary does not outlive the
// next write.
#include "tests/cli/CliScratch.h"

#include <cerrno>
#include <csignal>
#include <string>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace cli_scratch;

namespace {

constexpr const char* kPngSignature = "\x89PNG\r\n\x1a\n";

bool IsPng(const std::string& bytes)
{
    return bytes.rfind(kPngSignature, 0) == 0;
}

class Writes : public CliScratch {
protected:
    void SetUp() override
    {
        CliScratch::SetUp();
        if (!HaveConvertedData()) {
            GTEST_SKIP() << "no converted data beside umbrant-cli";
        }
        CopyConvertedData({"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "gshhs_i.dat", "frontier.dat", "fleuves.dat"});
    }

    Outcome Render(const std::string& output, const std::string& environment = "") const
    {
        return Run("render --size 64x48 -o " + output + DataOption(), environment);
    }

    // A character device like /dev/full of the test's own where it can be
    // made, so that a tool that replaced devices could never replace the
    // machine's; without privileges, /dev/full itself is out of its reach.
    std::string FullDevice() const
    {
        const fs::path node = Path("full");
        if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
            return node.string();
        }
        return ::geteuid() == 0 ? std::string() : "/dev/full";
    }

    std::string TemporariesIn(const fs::path& directory) const
    {
        std::string names;
        for (const auto& entry : fs::directory_iterator(directory)) {
            if (entry.path().filename().string().rfind(".umbrant-tmp.", 0) == 0) {
                names += entry.path().filename().string() + "\n";
            }
        }
        return names;
    }
};

} // namespace

TEST_F(Writes, ASymbolicLinkIsFollowedAndItsTargetReplaced)
{
    fs::create_directories(Path("maps"));
    WriteText(Path("maps/target.png"), "old");
    fs::create_symlink("maps/target.png", Path("link.png"));
    const Outcome outcome = Render(Path("link.png").string());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::is_symlink(Path("link.png")));
    EXPECT_TRUE(IsPng(ReadText(Path("maps/target.png"))));
    EXPECT_EQ(TemporariesIn(Path("maps")), "");
}

TEST_F(Writes, ADanglingLinkNamesTheFileToCreate)
{
    fs::create_directories(Path("maps"));
    fs::create_symlink("maps/new.png", Path("link.png"));
    const Outcome outcome = Render(Path("link.png").string());
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::is_symlink(Path("link.png")));
    EXPECT_TRUE(IsPng(ReadText(Path("maps/new.png"))));
}

TEST_F(Writes, AFifoIsWrittenAsItIs)
{
    ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
    // Bounded, so that a FIFO replaced by a file does not leave the reader waiting for ever.
    const Outcome outcome =
        Render(Path("pipe").string(), "timeout 20 cat " + Path("pipe").string() + " >" + Path("read.png").string() + " & ");
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::is_fifo(Path("pipe")));
    for (int wait = 0; wait < 100 && !IsPng(ReadText(Path("read.png"))); ++wait) {
        ::usleep(20000);
    }
    EXPECT_TRUE(IsPng(ReadText(Path("read.png"))));
}

TEST_F(Writes, AFullDeviceStaysADeviceAndTheFailureIsReported)
{
    const std::string device = FullDevice();
    if (device.empty()) {
        GTEST_SKIP() << "no device node can be made here";
    }
    const Outcome outcome = Render(device);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, "No space left on device")) << outcome.err;
    EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(Writes, DashAndALinkToTheOutputDescriptorReachThePipeOfTheStandardOutput)
{
    const Outcome dash = Run("render --size 64x48 -o -" + DataOption(), "", "| cat >" + Path("dash.png").string());
    EXPECT_EQ(dash.err, "");
    EXPECT_TRUE(IsPng(ReadText(Path("dash.png"))));
    // As /dev/stdout is; a link of the test's own, so that a tool that
    // replaced links could never replace the machine's /dev/stdout.
    fs::create_symlink("/proc/self/fd/1", Path("stdout"));
    const Outcome link = Run("render --size 64x48 -o " + Path("stdout").string() + DataOption(), "", "| cat >" + Path("link.png").string());
    EXPECT_EQ(link.err, "");
    EXPECT_TRUE(IsPng(ReadText(Path("link.png"))));
    EXPECT_EQ(ReadText(Path("dash.png")), ReadText(Path("link.png")));
    EXPECT_TRUE(fs::is_symlink(Path("stdout")));
}

TEST_F(Writes, AReplacedFileKeepsItsPermissionsAndANewOneHonoursTheUmask)
{
    WriteText(Path("private.png"), "old");
    fs::permissions(Path("private.png"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(Render(Path("private.png").string()).status, 0);
    EXPECT_EQ(fs::status(Path("private.png")).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    ASSERT_EQ(Render(Path("new.png").string(), "umask 027;").status, 0);
    EXPECT_EQ(fs::status(Path("new.png")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Writes, AFullDiskOrAnIoErrorKeepsThePreviousFileAndNamesTheCause)
{
    for (const auto& [errorNumber, cause] : {std::pair(ENOSPC, "No space left on device"), std::pair(EIO, "Input/output error")}) {
        WriteText(Path("kept.png"), "previous map");
        const Outcome outcome = Render(Path("kept.png").string(), FailingWrites("kept.png", errorNumber));
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "kept.png")) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, cause)) << outcome.err;
        EXPECT_EQ(ReadText(Path("kept.png")), "previous map");
        EXPECT_EQ(TemporariesIn(m_directory), "");
    }
}

TEST_F(Writes, AFailedSyncKeepsThePreviousFile)
{
    WriteText(Path("kept.png"), "previous map");
    const Outcome outcome = Render(Path("kept.png").string(), FailingWrites("kept.png", EIO, "fsync"));
    EXPECT_EQ(outcome.status, 1);
    EXPECT_TRUE(Contains(outcome.err, "Input/output error")) << outcome.err;
    EXPECT_EQ(ReadText(Path("kept.png")), "previous map");
}

TEST_F(Writes, TheTemporaryOfAKilledRunNamesItsProcessAndGoesAtTheNextWrite)
{
    WriteText(Path("map.png"), "previous map");
    const Outcome killed = Render(Path("map.png").string(), KilledInAWrite("map.png"));
    ASSERT_FALSE(killed.exited && killed.status == 0);
    EXPECT_EQ(ReadText(Path("map.png")), "previous map");
    const std::string left = TemporariesIn(m_directory);
    ASSERT_EQ(LineCount(left), 1) << left;
    // .umbrant-tmp.PID.HOST.UNIQUE.map.png
    const std::string processId = left.substr(13, left.find('.', 13) - 13);
    EXPECT_NE(std::stol(processId), 0);
    EXPECT_EQ(::kill(static_cast<pid_t>(std::stol(processId)), 0), -1);

    // A temporary of a writer still running (this test) is left alone.
    const std::string host = left.substr(left.find('.', 13) + 1, left.find('.', left.find('.', 13) + 1) - left.find('.', 13) - 1);
    const std::string running = ".umbrant-tmp." + std::to_string(::getpid()) + "." + host + ".0.other.png";
    WriteText(Path(running), "being written");

    ASSERT_EQ(Render(Path("map.png").string()).status, 0);
    EXPECT_TRUE(IsPng(ReadText(Path("map.png"))));
    EXPECT_EQ(TemporariesIn(m_directory), running + "\n");
}

// The extension chooses the format, in any case; the vector files are
// written through the same atomic replacement as the pictures.
TEST_F(Writes, TheExtensionChoosesPngSvgOrPdf)
{
    const struct {
        const char* name;
        const char* start;
    } cases[] = {{"map.png", "\x89PNG"}, {"MAP.SVG", "<?xml"}, {"map.pdf", "%PDF-"}, {"map.out", "\x89PNG"}};
    for (const auto& c : cases) {
        WriteText(Path(c.name), "before");
        const Outcome outcome = Render(Path(c.name).string());
        EXPECT_EQ(outcome.status, 0) << c.name << outcome.err;
        EXPECT_EQ(ReadText(Path(c.name)).rfind(c.start, 0), 0u) << c.name;
        EXPECT_EQ(TemporariesIn(Path("")), "") << c.name;
    }
}

// A picture written over the document it is drawn from would lose the
// document: refused, under the document's own name or through a link.
TEST_F(Writes, TheOutputIsNeverTheDocumentItself)
{
    WriteText(Path("doc.umb"), std::string(193, '\0'));
    const std::string document = ReadText(Path("doc.umb"));
    fs::create_symlink("doc.umb", Path("link.png"));
    fs::create_hard_link(Path("doc.umb"), Path("hard.png"));
    for (const char* output : {"doc.umb", "link.png", "hard.png"}) {
        SCOPED_TRACE(output);
        const Outcome outcome = Run("render " + Path("doc.umb").string() + " --size 64x48 -o " + Path(output).string() + DataOption());
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "is the document")) << outcome.err;
        EXPECT_EQ(ReadText(Path("doc.umb")), document);
    }
}

// Stopped by an interrupt, a termination or a hang-up in the middle of a
// write, the tool ends by that signal, as the shell expects, and leaves
// neither its temporary nor a changed file.
TEST_F(Writes, ASignalInAWriteEndsTheToolAndLeavesNoTemporary)
{
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        WriteText(Path("map.png"), "previous map");
        const Outcome outcome = Render(Path("map.png").string(), SignalledInAWrite("map.png", signalNumber));
        EXPECT_EQ(outcome.status, 128 + signalNumber) << outcome.err;
        EXPECT_EQ(ReadText(Path("map.png")), "previous map");
        EXPECT_EQ(TemporariesIn(m_directory), "");
    }
}

// Replacing by rename needs only the directory's permission; the tool asks
// for the file's own as well, as a write into it would, and updates in
// place a file it may write in a directory it may not.
TEST_F(Writes, TheTargetsOwnWritePermissionIsRespected)
{
    fs::create_directories(Path("open"));
    fs::permissions(Path("open"), fs::perms::all);
    WriteText(Path("open/locked.png"), "not yours");
    fs::permissions(Path("open/locked.png"), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Outcome refused = Render(Path("open/locked.png").string(), AsUnprivilegedUser());
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(LineCount(refused.err), 1) << refused.err;
    EXPECT_TRUE(Contains(refused.err, "locked.png: cannot write: Permission denied")) << refused.err;
    EXPECT_EQ(ReadText(Path("open/locked.png")), "not yours");
    EXPECT_EQ(TemporariesIn(Path("open")), "");

    fs::create_directories(Path("closed"));
    WriteText(Path("closed/shared.png"), "previous map");
    fs::permissions(Path("closed/shared.png"), fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    fs::permissions(Path("closed"), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                                         fs::perms::others_read | fs::perms::others_exec);
    const Outcome updated = Render(Path("closed/shared.png").string(), AsUnprivilegedUser());
    fs::permissions(Path("closed"), fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(updated.status, 0) << updated.err;
    EXPECT_TRUE(IsPng(ReadText(Path("closed/shared.png"))));
}
