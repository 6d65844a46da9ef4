// The command-line tool on hostile files: documents with NaN or huge values,
// data images whose counts run past their capacities or whose numbers are
// NaN. It draws what it can, or says in one line what is wrong and exits
// with status 1; it never dies of a signal.
#include "model/Archive.h"
#include "model/EclipseMap.h"
#include "datafiles/ElpImage.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ShorelineImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Outcome {
    bool exited = false;  // false: killed by a signal
    int status = -1;
    std::string err;
};

std::string ReadText(const fs::path& path)
{
    std::ifstream stream(path);
    return std::string(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

int LineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

fs::path BinaryDirectory()
{
    return UMBRANT_BINARY_DIR;
}

bool HaveConvertedData()
{
    const fs::path data = BinaryDirectory() / "data";
    return fs::exists(data / "Elp2000.dat") && fs::exists(data / "gshhs_i.dat");
}

// A scratch directory per test, with a data directory holding copies of the
// converted ephemeris beside umbrant-cli when it has them.
class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_directory = fs::temp_directory_path() / ("umbrant-hostile-" + std::to_string(::getpid()) + "-" + test->name());
        fs::remove_all(m_directory);
        fs::create_directories(m_directory / "data");
    }
    void TearDown() override { fs::remove_all(m_directory); }

    fs::path Path(const std::string& name) const { return m_directory / name; }
    fs::path Data(const std::string& name) const { return m_directory / "data" / name; }

    void CopyConvertedData() const
    {
        for (const char* name : {"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "gshhs_i.dat", "frontier.dat", "fleuves.dat"}) {
            fs::copy_file(BinaryDirectory() / "data" / name, Data(name), fs::copy_options::overwrite_existing);
        }
    }

    // prefix: a command the tool runs under, such as "timeout 20".
    Outcome Run(const std::string& arguments, const std::string& prefix = "") const
    {
        const fs::path err = Path("err.txt");
        const std::string command = prefix + " " + (BinaryDirectory() / "umbrant-cli").string() + " " + arguments + " >" +
                                    Path("out.txt").string() + " 2>" + err.string();
        const int raw = std::system(command.c_str());
        Outcome outcome;
        outcome.exited = WIFEXITED(raw);
        outcome.status = outcome.exited ? WEXITSTATUS(raw) : -1;
        outcome.err = ReadText(err);
        return outcome;
    }

    std::string DataOption() const { return " --data " + (m_directory / "data").string(); }

private:
    fs::path m_directory;
};

void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteDocument(const fs::path& path, const CEclipseMap& map)
{
    CArchive archive;
    CEclipseMap copy = map;
    copy.Serialize(archive);
    WriteBytes(path, archive.StoredBytes());
}

CEclipseMap NaNDocument()
{
    CEclipseMap map;
    map.m_observation.m_second = static_cast<float>(kNaN);
    map.m_observation.m_deltaTAuto = false;
    map.m_observation.m_deltaT = static_cast<float>(kNaN);
    map.m_observation.m_centre = CGeoPosition(kNaN, kNaN);
    map.m_viewport.m_scale = static_cast<float>(kNaN);
    map.m_viewport.m_originX = static_cast<float>(kNaN);
    return map;
}

CEclipseMap HugeDocument()
{
    CEclipseMap map;
    map.m_observation.m_day = std::numeric_limits<std::int32_t>::max();
    map.m_observation.m_month = 13;
    map.m_observation.m_year = -24999;
    map.m_observation.m_hour = std::numeric_limits<std::int32_t>::min();
    map.m_observation.m_minute = 75;
    map.m_observation.m_deltaTAuto = false;
    map.m_observation.m_deltaT = std::numeric_limits<float>::max();
    map.m_observation.m_centre = CGeoPosition(1e308, -1e308);
    map.m_viewport.m_scale = std::numeric_limits<float>::infinity();
    map.m_viewport.m_width = -1;
    return map;
}

// A shoreline image whose counts all lie past the capacities and whose first
// polygon has NaN and infinite points.
std::vector<std::uint8_t> ShorelinesPastCapacity()
{
    ShorelineImage image;
    image.SetCounts(std::numeric_limits<std::int32_t>::max(), -1);
    image.SetPolygon(0, 4, kLandLevel);
    image.SetPoint(0, {static_cast<float>(kNaN), 10.0f});
    image.SetPoint(1, {std::numeric_limits<float>::infinity(), 20.0f});
    image.SetPoint(2, {30.0f, -std::numeric_limits<float>::infinity()});
    image.SetPoint(3, {40.0f, 40.0f});
    image.SetPolygon(1, ShorelineLayout::kPointCapacity + 1, kLandLevel);
    image.SetPolygon(2, -5, kLandLevel);
    const auto bytes = image.Bytes();
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> LinesPastCapacity(const PolylineLayout& layout, std::int32_t lineCount)
{
    PolylineImage image(layout);
    image.SetLineCount(lineCount);
    image.SetPointCount(0, std::numeric_limits<std::int32_t>::max());
    image.SetPointCount(1, -7);
    image.SetPoint(0, static_cast<float>(kNaN), 0.5f);
    image.SetPoint(1, 0.1f, std::numeric_limits<float>::infinity());
    const auto bytes = image.Bytes();
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST_F(HostileFiles, InfoPrintsADocumentOfNaNsWithStatusZero)
{
    WriteDocument(Path("nan.umb"), NaNDocument());
    const Outcome outcome = Run("info " + Path("nan.umb").string());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
}

TEST_F(HostileFiles, InfoPrintsADocumentOfHugeValuesWithStatusZero)
{
    WriteDocument(Path("huge.umb"), HugeDocument());
    const Outcome outcome = Run("info " + Path("huge.umb").string());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.err, "");
}

TEST_F(HostileFiles, RenderDrawsADocumentOfNaNs)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    WriteDocument(Path("nan.umb"), NaNDocument());
    const Outcome outcome = Run("render " + Path("nan.umb").string() + " -o " + Path("nan.png").string() + " --size 120x90" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(Path("nan.png")));
}

TEST_F(HostileFiles, RenderDrawsADocumentOfHugeValues)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    WriteDocument(Path("huge.umb"), HugeDocument());
    const Outcome outcome = Run("render " + Path("huge.umb").string() + " -o " + Path("huge.png").string() + " --size 120x90" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(Path("huge.png")));
}

TEST_F(HostileFiles, RenderDrawsImagesWhoseCountsRunPastTheirCapacities)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    WriteBytes(Data("gshhs_i.dat"), ShorelinesPastCapacity());
    WriteBytes(Data("frontier.dat"), LinesPastCapacity(kBorderLayout, std::numeric_limits<std::int32_t>::max()));
    WriteBytes(Data("fleuves.dat"), LinesPastCapacity(kRiverLayout, std::numeric_limits<std::int32_t>::min()));
    const Outcome outcome = Run("render -o " + Path("map.png").string() + " --size 160x120" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(Path("map.png")));
}

TEST_F(HostileFiles, RenderRefusesAMoonSeriesOfNaNsNamingIt)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    WriteBytes(Data("Elp2000.dat"), std::vector<std::uint8_t>(kElpImageSize, 0xff));
    const Outcome outcome = Run("render -o " + Path("map.png").string() + " --size 160x120" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
    EXPECT_NE(outcome.err.find(Data("Elp2000.dat").string() + ": the Moon's distance"), std::string::npos) << outcome.err;
    EXPECT_FALSE(fs::exists(Path("map.png")));
}

// A FIFO or a device in place of a data file or a document is refused at
// once, saying what it is; no command waits for a writer. (Bounded, so that
// a tool that waited would fail the test rather than hang it.)
TEST_F(HostileFiles, SpecialFilesInPlaceOfDataOrADocumentAreRefusedWithoutWaiting)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    ASSERT_EQ(::mkfifo(Path("doc.umb").c_str(), 0600), 0);
    const Outcome info = Run("info " + Path("doc.umb").string(), "timeout 20");
    EXPECT_EQ(info.status, 1);
    EXPECT_EQ(info.err, "umbrant-cli: " + Path("doc.umb").string() + ": cannot open: a FIFO, not a regular file\n");
    for (const char* name : {"VSOP87.dat", "Elp2000.dat", "Nutation.dat", "gshhs_i.dat", "frontier.dat"}) {
        SCOPED_TRACE(name);
        fs::rename(Data(name), Path("kept.dat"));
        ASSERT_EQ(::mkfifo(Data(name).c_str(), 0600), 0);
        const Outcome render = Run("render -o " + Path("map.png").string() + " --size 64x48" + DataOption(), "timeout 20");
        EXPECT_EQ(render.status, 1);
        EXPECT_EQ(LineCount(render.err), 1) << render.err;
        EXPECT_NE(render.err.find(Data(name).string() + ": cannot open: a FIFO"), std::string::npos) << render.err;
        fs::remove(Data(name));
        fs::rename(Path("kept.dat"), Data(name));
    }
}

// A document may hold anything: what lies outside the dialogs' ranges is
// drawn as the document says, with a warning naming each value; the same
// values from the command line are refused.
TEST_F(HostileFiles, ValuesOutsideTheirRangesAreWarnedOfInADocumentAndRefusedAsOptions)
{
    if (!HaveConvertedData()) {
        GTEST_SKIP() << "no converted data beside umbrant-cli";
    }
    CopyConvertedData();
    CEclipseMap map;
    map.m_observation.m_month = std::numeric_limits<std::int32_t>::min();
    map.m_observation.m_hour = std::numeric_limits<std::int32_t>::min();
    map.m_observation.m_second = 1e30f;
    map.m_observation.m_centre = CGeoPosition(kNaN, std::numeric_limits<double>::infinity());
    WriteDocument(Path("odd.umb"), map);
    const Outcome drawn = Run("render " + Path("odd.umb").string() + " -o " + Path("odd.png").string() + " --size 64x48" + DataOption());
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    for (const char* warning : {"warning: the month -2147483648 lies outside 1 to 12", "warning: the hour -2147483648 lies outside 0 to 23",
                                "warning: the second 1.000000015e+30 lies outside 0 to 60",
                                "warning: the centre longitude is not a finite number",
                                "warning: the centre latitude is not a finite number"}) {
        EXPECT_NE(drawn.err.find(warning), std::string::npos) << warning << "\n" << drawn.err;
    }
    EXPECT_EQ(LineCount(drawn.err), 5) << drawn.err;
    const Outcome info = Run("info " + Path("odd.umb").string());
    EXPECT_EQ(info.status, 0);
    EXPECT_NE(ReadText(Path("out.txt")).find("Out of range       the month -2147483648 lies outside 1 to 12\n"), std::string::npos)
        << ReadText(Path("out.txt"));

    for (const char* centre : {"1e308,0", "1e300,1e300", "0,100", "-180.5,0"}) {
        SCOPED_TRACE(centre);
        const Outcome refused = Run("render -o " + Path("centre.png").string() + " --size 64x48 --centre " + centre + DataOption());
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(LineCount(refused.err), 1) << refused.err;
        EXPECT_NE(refused.err.find("--centre: the centre l"), std::string::npos) << refused.err;
        EXPECT_FALSE(fs::exists(Path("centre.png")));
    }
}

TEST_F(HostileFiles, RenderRefusesACutShorelineImageInOneLineWithStatusOne)
{
    WriteBytes(Data("gshhs_i.dat"), std::vector<std::uint8_t>(120, 0xff));
    const Outcome outcome = Run("render -o " + Path("map.png").string() + " --size 160x120" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(LineCount(outcome.err), 1);
    EXPECT_NE(outcome.err.find("gshhs_i.dat"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("map.png")));
}

TEST_F(HostileFiles, ConvertRefusesAShorelineInputAnnouncingMorePointsThanTheImageHolds)
{
    // One big-endian GSHHS header announcing 450565 points, one past the capacity.
    std::vector<std::uint8_t> header(36, 0);
    header[5] = 0x06;
    header[6] = 0xe0;
    header[7] = 0x05;
    WriteBytes(Data("gshhs_i.b"), header);
    const Outcome outcome = Run("convert shorelines" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_FALSE(fs::exists(Data("gshhs_i.dat")));
}

TEST_F(HostileFiles, ShadowRefusesADeltaTBeyondTheDocumentsRangeInOneLine)
{
    const Outcome outcome = Run("shadow --date 2006-03-29T10:11:18 --delta-t 1e300" + DataOption());
    ASSERT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("Delta T \"1e300\" out of range"), std::string::npos);
}

// A document shorter than its 193 bytes is named by its size, whatever field
// it ends in.
TEST_F(HostileFiles, InfoNamesTheSizeOfAShortDocument)
{
    for (const std::size_t size : {0u, 4u, 100u, 192u}) {
        SCOPED_TRACE(size);
        WriteBytes(Path("short.umb"), std::vector<std::uint8_t>(size, 1));
        const Outcome outcome = Run("info " + Path("short.umb").string());
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.err, "umbrant-cli: " + Path("short.umb").string() + ": " + std::to_string(size) + " bytes, expected 193\n");
    }
}
