// The commands that set-up runs on a data directory: the version, the
// nutation written from the program's table, and the check of the series by
// what they contain.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct CliOutcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

const fs::path kBuiltData = fs::path(UMBRANT_BINARY_DIR) / "data";

class SeriesCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_directory = fs::temp_directory_path() / ("umbrant-series-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(m_directory);
        fs::create_directories(m_directory / "data");
    }
    void TearDown() override { fs::remove_all(m_directory); }

    CliOutcome Cli(const std::string& arguments) const
    {
        const fs::path out = m_directory / "out";
        const fs::path err = m_directory / "err";
        const std::string command = std::string(UMBRANT_BINARY_DIR) + "/umbrant-cli " + arguments + " >" + out.string() +
                                    " 2>" + err.string();
        const int raw = std::system(command.c_str());
        return CliOutcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
    }

    std::string DataOption() const { return " --data " + (m_directory / "data").string(); }
    fs::path Data(const std::string& name) const { return m_directory / "data" / name; }

    static bool HaveBuiltSeries()
    {
        return fs::exists(kBuiltData / "VSOP87C.ear") && fs::exists(kBuiltData / "ELP36") &&
               fs::exists(kBuiltData / "Elp2000.dat");
    }

    // The published texts and their images, as set-up leaves them.
    void CopyBuiltSeries() const
    {
        std::vector<std::string> names = {"VSOP87C.ear", "Nutation.txt", "VSOP87.dat", "Elp2000.dat", "Nutation.dat"};
        for (int series = 1; series <= 36; ++series) {
            names.push_back("ELP" + std::to_string(series));
        }
        for (const std::string& name : names) {
            fs::copy_file(kBuiltData / name, Data(name), fs::copy_options::overwrite_existing);
        }
    }

    fs::path m_directory;
};

} // namespace

TEST_F(SeriesCommands, PrintsTheProjectsVersion)
{
    const CliOutcome run = Cli("--version");
    EXPECT_EQ(run.status, 0);
    // The version, then the licence and the credits of the data.
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1), "umbrant-cli " UMBRANT_VERSION "\n");
    EXPECT_NE(run.out.find("GNU GPL version 3 or later"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("GeoNames (geonames.org)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("CC-BY-4.0"), std::string::npos) << run.out;
}

TEST_F(SeriesCommands, WritesTheNutationTableTheConverterReads)
{
    const CliOutcome written = Cli("write-nutation-table" + DataOption());
    ASSERT_EQ(written.status, 0) << written.err;
    const std::string text = ReadAll(Data("Nutation.txt"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 107);
    const CliOutcome converted = Cli("convert nutation" + DataOption());
    EXPECT_EQ(converted.status, 0) << converted.out;
    EXPECT_EQ(fs::file_size(Data("Nutation.dat")), 2544u);
}

TEST_F(SeriesCommands, FindsTheConvertedSeriesGood)
{
    if (!HaveBuiltSeries()) {
        GTEST_SKIP() << "no series in " << kBuiltData;
    }
    CopyBuiltSeries();
    const CliOutcome run = Cli("verify-series" + DataOption());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("VSOP87C.ear   4194 terms"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("ELP1..ELP36   37872 terms"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("are good"), std::string::npos) << run.out;
}

// Each damage is named after the published file it comes from.
TEST_F(SeriesCommands, NamesTheFileOfEachDamagedSeries)
{
    if (!HaveBuiltSeries()) {
        GTEST_SKIP() << "no series in " << kBuiltData;
    }
    struct Damage {
        const char* file;     // damaged in the copy
        std::size_t keep;     // bytes kept (truncation), or 0
        std::size_t flipAt;   // byte whose low bit is flipped, when not truncated
        const char* expected; // in the message
    };
    const std::vector<Damage> damages = {
        {"ELP12", 20000, 0, "umbrant-cli: ELP12: "},
        {"VSOP87C.ear", 300000, 0, "umbrant-cli: VSOP87C.ear: "},
        // The amplitude of the first X term, about 1 au.
        {"VSOP87.dat", 0, 6, "umbrant-cli: VSOP87C.ear: the Earth of JD"},
        // The amplitude of the first term of ELP1, 411 arcseconds.
        {"Elp2000.dat", 0, 14, "umbrant-cli: ELP1..ELP36: the Moon"},
        // The main term of the nutation in longitude, 17.2 arcseconds.
        {"Nutation.dat", 0, 10, "umbrant-cli: Nutation.txt: the nutation"},
    };
    for (const Damage& damage : damages) {
        CopyBuiltSeries();
        std::string bytes = ReadAll(Data(damage.file));
        if (damage.keep > 0) {
            bytes.resize(damage.keep);
        } else {
            bytes[damage.flipAt] = static_cast<char>(bytes[damage.flipAt] ^ 1);
        }
        std::ofstream(Data(damage.file), std::ios::binary | std::ios::trunc) << bytes;
        const CliOutcome run = Cli("verify-series" + DataOption());
        EXPECT_EQ(run.status, 1) << damage.file;
        EXPECT_NE(run.err.find(damage.expected), std::string::npos) << damage.file << ":\n" << run.err;
    }
}
