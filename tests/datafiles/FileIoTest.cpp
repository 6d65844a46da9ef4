#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

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
