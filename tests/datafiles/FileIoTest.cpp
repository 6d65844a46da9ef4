#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <utility>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

namespace {

using FileIoTest = TemporaryDirectoryTest;

} // namespace

TEST_F(FileIoTest, ReadsLinesWithoutTheirEndsWhateverTheirLength)
{
    const std::string longLine(300, 'x');
    CTextFile file(WriteText("lines.txt", "a\r\n" + longLine + "\n\nlast"));
    std::string line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "a");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, longLine);
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, "");
}

TEST_F(FileIoTest, OpeningAMissingFileRaisesAnErrorNamingIt)
{
    const std::string path = (m_directory / "missing.txt").string();
    try {
        CTextFile file(path);
        FAIL() << "no exception";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), path);
        EXPECT_NE(std::string(error.what()).find("missing.txt"), std::string::npos);
    }
}

TEST_F(FileIoTest, AShortImageIsRejectedWithItsSize)
{
    const std::string path = WriteText("short.dat", std::string(120, '\0'));
    try {
        ReadFileImage(path, 3936672);
        FAIL() << "no exception";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.Cause(), "120 bytes, expected 3936672");
    }
}

TEST_F(FileIoTest, AnImageIgnoresBytesPastItsSize)
{
    const std::string path = WriteText("long.dat", "abcdef");
    EXPECT_EQ(ReadFileImage(path, 4), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd'}));
}

TEST_F(FileIoTest, AtomicWriteReplacesTheFileAndLeavesNoTemporary)
{
    const std::string path = WriteText("out.dat", "old");
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    WriteFileAtomically(path, bytes);
    EXPECT_EQ(ReadWholeFile(path), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_directory), std::filesystem::directory_iterator()), 1);
}

TEST_F(FileIoTest, AFailedAtomicWriteKeepsThePreviousFile)
{
    if (::geteuid() == 0) {
        // root writes into read-only directories; use a directory that does not exist instead.
        EXPECT_THROW(WriteFileAtomically((m_directory / "nowhere" / "out.dat").string(), std::vector<std::uint8_t>{1}),
                     CFileException);
        return;
    }
    const std::string path = WriteText("kept.dat", "old");
    ::chmod(m_directory.c_str(), 0500);
    EXPECT_THROW(WriteFileAtomically(path, std::vector<std::uint8_t>{1}), CFileException);
    ::chmod(m_directory.c_str(), 0700);
    EXPECT_EQ(ReadWholeFile(path), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

TEST(ProgramDirectory, IsTheExecutablesDirectoryWhateverTheCurrentDirectory)
{
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path("/");
    const std::string directory = GetProgramDirectory();
    std::filesystem::current_path(before);
    EXPECT_EQ(directory, std::filesystem::canonical("/proc/self/exe").parent_path().string() + "/");
    EXPECT_EQ(GetDataDirectory(), directory + "data/");
}

TEST(JoinPath, PutsExactlyOneSeparator)
{
    EXPECT_EQ(JoinPath("/a/data/", "VSOP87.dat"), "/a/data/VSOP87.dat");
    EXPECT_EQ(JoinPath("/a/data", "VSOP87.dat"), "/a/data/VSOP87.dat");
}

namespace {

std::filesystem::perms PermissionsOf(const std::string& path)
{
    return std::filesystem::status(path).permissions();
}

const std::vector<std::uint8_t> kNewBytes{'n', 'e', 'w'};

} // namespace

TEST_F(FileIoTest, AtomicWriteThroughLinksReplacesTheirEndAndKeepsTheLinks)
{
    std::filesystem::create_directories(m_directory / "real");
    WriteText("real/target.dat", "old");
    std::filesystem::create_symlink("real/target.dat", PathOf("relative"));
    std::filesystem::create_symlink(PathOf("relative"), PathOf("chain"));
    WriteFileAtomically(PathOf("chain"), kNewBytes);
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("chain")));
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("relative")));
    EXPECT_EQ(ReadBytes("real/target.dat"), kNewBytes);

    std::filesystem::create_symlink("real/absent.dat", PathOf("dangling"));
    WriteFileAtomically(PathOf("dangling"), kNewBytes);
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("dangling")));
    EXPECT_EQ(ReadBytes("real/absent.dat"), kNewBytes);
}

TEST_F(FileIoTest, AtomicWriteIntoALinkLoopNamesTheLink)
{
    std::filesystem::create_symlink("b", PathOf("a"));
    std::filesystem::create_symlink("a", PathOf("b"));
    try {
        WriteFileAtomically(PathOf("a"), kNewBytes);
        FAIL() << "no exception";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("a"));
        EXPECT_EQ(error.ErrorNumber(), ELOOP);
    }
}

TEST_F(FileIoTest, AtomicWriteToAFifoOrADeviceWritesItInPlace)
{
    ASSERT_EQ(::mkfifo(PathOf("fifo").c_str(), 0600), 0);
    std::vector<std::uint8_t> received;
    std::thread reader([&] {
        std::ifstream fifo(PathOf("fifo"), std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(fifo), std::istreambuf_iterator<char>());
    });
    WriteFileAtomically(PathOf("fifo"), kNewBytes);
    reader.join();
    EXPECT_EQ(received, kNewBytes);
    EXPECT_TRUE(std::filesystem::is_fifo(PathOf("fifo")));

    // A node of the test's own where it can be made: never the machine's /dev/null.
    const std::string device = ::mknod(PathOf("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? PathOf("null")
                               : ::geteuid() != 0                                                   ? "/dev/null"
                                                                                                    : "";
    if (!device.empty()) {
        WriteFileAtomically(device, kNewBytes);
        EXPECT_TRUE(std::filesystem::is_character_file(device));
    }
}

TEST_F(FileIoTest, AReplacedFileKeepsItsModeAndANewOneHonoursTheUmask)
{
    using std::filesystem::perms;
    for (const perms mode : {perms::owner_read | perms::owner_write, perms::owner_all | perms::group_read | perms::others_read}) {
        const std::string path = WriteText("kept.dat", "old");
        std::filesystem::permissions(path, mode);
        WriteFileAtomically(path, kNewBytes);
        EXPECT_EQ(PermissionsOf(path), mode);
    }
    for (const auto& [mask, mode] : {std::pair(mode_t{022}, perms::owner_read | perms::owner_write | perms::group_read | perms::others_read),
                                     std::pair(mode_t{077}, perms::owner_read | perms::owner_write)}) {
        const mode_t previous = ::umask(mask);
        WriteFileAtomically(PathOf("new.dat"), kNewBytes);
        ::umask(previous);
        EXPECT_EQ(PermissionsOf(PathOf("new.dat")), mode);
        std::filesystem::remove(PathOf("new.dat"));
    }
}

TEST_F(FileIoTest, OnlyTemporariesOfEndedWritersOnThisMachineAreCleared)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    std::string tag(host);
    for (char& character : tag) {
        if (!std::isalnum(static_cast<unsigned char>(character)) && character != '-') {
            character = '-';
        }
    }
    const std::string ended = ".umbrant-tmp." + std::to_string(child) + "." + tag + ".1.out.dat";
    const std::string running = ".umbrant-tmp." + std::to_string(::getpid()) + "." + tag + ".2.out.dat";
    const std::string elsewhere = ".umbrant-tmp." + std::to_string(child) + ".another-machine.3.out.dat";
    const std::string unrelated = "out.dat.Ab12Cd";
    for (const std::string& name : {ended, running, elsewhere, unrelated}) {
        WriteText(name, "part");
    }
    WriteFileAtomically(PathOf("out.dat"), kNewBytes);
    EXPECT_FALSE(Exists(ended));
    EXPECT_TRUE(Exists(running));
    EXPECT_TRUE(Exists(elsewhere));
    EXPECT_TRUE(Exists(unrelated));
}

// Data files and documents are read only from regular files: a FIFO without
// a writer would hold the open until one came, a device would answer
// anything or nothing. The name is refused at once, saying what it is.
TEST_F(FileIoTest, ReadingAFifoADeviceOrADirectoryIsRefusedWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(PathOf("fifo").c_str(), 0600), 0);
    std::filesystem::create_directory(PathOf("directory"));
    const std::string device = ::mknod(PathOf("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 ? PathOf("null") : "/dev/null";
    const std::vector<std::pair<std::string, std::string>> specials = {
        {PathOf("fifo"), "a FIFO"}, {device, "a character device"}, {PathOf("directory"), "a directory"}};
    const std::vector<std::pair<const char*, std::function<void(const std::string&)>>> readers = {
        {"text", [](const std::string& path) { CTextFile file(path); }},
        {"image", [](const std::string& path) { ReadFileImage(path, 2544); }},
        {"whole file", [](const std::string& path) { ReadWholeFile(path); }},
    };
    // A reader that waited on the FIFO is let go, and seen: the test never hangs.
    std::atomic<bool> finished{false};
    std::atomic<bool> readerWaited{false};
    std::thread writer([&] {
        while (!finished) {
            const int descriptor = ::open(PathOf("fifo").c_str(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0) {
                readerWaited = true;
                ::close(descriptor);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    for (const auto& [path, kind] : specials) {
        for (const auto& [reader, read] : readers) {
            SCOPED_TRACE(path + ", " + reader);
            try {
                read(path);
                ADD_FAILURE() << "read";
            } catch (const CFileException& error) {
                EXPECT_EQ(error.FileName(), path);
                EXPECT_EQ(error.Kind(), FileErrorKind::Open);
                EXPECT_EQ(error.Cause(), "cannot open: " + kind + ", not a regular file");
            }
        }
    }
    finished = true;
    writer.join();
    EXPECT_FALSE(readerWaited);
}
