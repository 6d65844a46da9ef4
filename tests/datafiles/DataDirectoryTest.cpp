#include "tests/TestDirectory.h"

#include "datafiles/ProgramDirectory.h"

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A prefix as an installation lays it out: <prefix>/bin for the programs,
// <prefix>/share/umbrant for the data, and a home with the user's own data.
class DataDirectoryTest : public TemporaryDirectoryTest {
protected:
    void SetUp() override
    {
        TemporaryDirectoryTest::SetUp();
        std::filesystem::create_directories(m_directory / "prefix" / "bin");
        std::filesystem::create_directories(m_directory / "home");
    }

    DataDirectoryPlaces Places() const
    {
        return DataDirectoryPlaces{PathOf("prefix/bin/"), "", PathOf("home")};
    }

    std::string Make(const std::string& relative) const
    {
        std::filesystem::create_directories(m_directory / relative);
        return PathOf(relative) + "/";
    }
};

} // namespace

TEST(DataDirectoryCandidates, AreBesideTheProgramThenInItsShareThenTheUsers)
{
    EXPECT_EQ(DataDirectoryCandidates({"/opt/umbrant/bin/", "/xdg", "/home/ada"}),
              (std::vector<std::string>{"/opt/umbrant/bin/data/", "/opt/umbrant/share/umbrant/", "/xdg/umbrant/"}));
    EXPECT_EQ(DataDirectoryCandidates({"/usr/bin/", "", "/home/ada"}),
              (std::vector<std::string>{"/usr/bin/data/", "/usr/share/umbrant/", "/home/ada/.local/share/umbrant/"}));
    // The XDG rules ignore a relative XDG_DATA_HOME.
    EXPECT_EQ(DataDirectoryCandidates({"/usr/bin/", "relative", "/home/ada/"}).back(), "/home/ada/.local/share/umbrant/");
    EXPECT_EQ(DataDirectoryCandidates({"/usr/bin/", "", ""}),
              (std::vector<std::string>{"/usr/bin/data/", "/usr/share/umbrant/"}));
}

TEST_F(DataDirectoryTest, IsTheFirstCandidateThatExists)
{
    EXPECT_EQ(FindDataDirectory(Places()), PathOf("prefix/bin/data/")) << "none exists: beside the program";
    const std::string user = Make("home/.local/share/umbrant");
    EXPECT_EQ(FindDataDirectory(Places()), user);
    const std::string shared = Make("prefix/share/umbrant");
    EXPECT_EQ(FindDataDirectory(Places()), shared);
    const std::string beside = Make("prefix/bin/data");
    EXPECT_EQ(FindDataDirectory(Places()), beside);
}

TEST_F(DataDirectoryTest, ConversionsGoToTheDataDirectoryWhenItMayBeWritten)
{
    const std::string beside = Make("prefix/bin/data");
    Make("prefix/share/umbrant");
    EXPECT_EQ(FindConversionDirectory(Places()), beside);
}

TEST_F(DataDirectoryTest, ConversionsGoToTheUsersDirectoryWhenNoDataDirectoryExists)
{
    EXPECT_EQ(FindConversionDirectory(Places()), PathOf("home") + "/.local/share/umbrant/");
}

TEST_F(DataDirectoryTest, ConversionsGoToTheUsersDirectoryBesideAReadOnlyInstallation)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write anywhere";
    }
    const std::string shared = Make("prefix/share/umbrant");
    ::chmod(shared.c_str(), 0555);
    EXPECT_EQ(FindDataDirectory(Places()), shared);
    EXPECT_EQ(FindConversionDirectory(Places()), PathOf("home") + "/.local/share/umbrant/");
    ::chmod(shared.c_str(), 0755);
}

// A directory named for a conversion is kept unless it exists and may not be
// written; then the user's own takes its place, when there is one.
TEST_F(DataDirectoryTest, ANamedConversionDirectoryGivesWayOnlyWhenItMayNotBeWritten)
{
    const std::string user = PathOf("home") + "/.local/share/umbrant/";
    const std::string writable = Make("mine");
    EXPECT_EQ(ConversionDirectoryFor(writable, Places()), writable);
    EXPECT_EQ(ConversionDirectoryFor(PathOf("new") + "/", Places()), PathOf("new") + "/") << "created by the conversion";
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may write anywhere (the command-line tests run the tool as another user)";
    }
    const std::string readOnly = Make("installed");
    ::chmod(readOnly.c_str(), 0555);
    EXPECT_EQ(ConversionDirectoryFor(readOnly, Places()), user);
    EXPECT_EQ(ConversionDirectoryFor(readOnly, DataDirectoryPlaces{PathOf("prefix/bin/"), "", ""}), readOnly) << "no home";
    ::chmod(readOnly.c_str(), 0755);
}
