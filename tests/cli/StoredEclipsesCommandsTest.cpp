// The commands of a date, and the list of eclipses, read the eclipses stored
// in advance when they stand for them: this build, the default model, these
// series, the years. A store of 2024 that holds only the eclipse of April 8,
// moved by half an Earth radius into Saros 999, shows which runs read it; a
// damaged one is named, and the eclipse computed.
#include "tests/cli/CliScratch.h"

#include "eclipse/stored/StoredEclipses.h"
#include "ephemeris/Ephemeris.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

using namespace cli_scratch;

namespace {

const CivilDate kStoredDate{2024, 4, 8};
constexpr double kMoved = 0.5;
constexpr int kMovedSaros = 999;
constexpr const char* kMovedSarosField = ",999,";

class StoredEclipsesCommands : public CliScratch {
protected:
    void SetUp() override
    {
        CliScratch::SetUp();
        if (!HaveConvertedData()) {
            GTEST_SKIP() << "no converted data beside umbrant-cli";
        }
        CopyConvertedData({"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "manifest.txt"});
        StoreMovedEclipse(ToolBuildId());
    }

    // The eclipse of kStoredDate, its x moved, stored as if by the program
    // of that build ID.
    void StoreMovedEclipse(const std::string& program)
    {
        const std::string dataDirectory = Data("").string();
        const std::optional<StoredEclipsesStamp> stamp = StampFor(dataDirectory, program, ModernModel());
        ASSERT_TRUE(stamp);
        std::optional<EclipseOfDate> eclipse = ComputeEclipseOfDate(Ephemeris::Load(dataDirectory, ModernModel()), kStoredDate);
        ASSERT_TRUE(eclipse);
        m_computedX0 = eclipse->fit.elements.x.coefficients[0];
        eclipse->fit.elements.x.coefficients[0] += kMoved;
        eclipse->summary.saros = kMovedSaros;
        const std::vector<std::uint8_t> image = StoredEclipsesImage(*stamp, 2024, 2024, {&*eclipse, 1});
        WriteText(Data(kStoredEclipsesName), std::string(image.begin(), image.end()));
    }

    // The last line of "umbrant-cli --version": "build ID HEX".
    std::string ToolBuildId() const
    {
        const std::string version = Run("--version").out;
        const std::string prefix = "build ID ";
        const std::size_t at = version.rfind(prefix);
        return at == std::string::npos ? std::string() : version.substr(at + prefix.size(), version.find('\n', at) - at - prefix.size());
    }

    double X0(const Outcome& outcome) const
    {
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return nlohmann::json::parse(outcome.out, nullptr, false).value("x", nlohmann::json::array({0.0}))[0].get<double>();
    }

    // The command run with the store, then without it.
    std::pair<Outcome, Outcome> WithAndWithout(const std::string& arguments)
    {
        const Outcome with = Run(arguments + DataOption());
        fs::rename(Data(kStoredEclipsesName), Path("kept"));
        const Outcome without = Run(arguments + DataOption());
        fs::rename(Path("kept"), Data(kStoredEclipsesName));
        return {with, without};
    }

    double m_computedX0 = 0.0;
};

} // namespace

TEST_F(StoredEclipsesCommands, AreReadUnderTheDefaultModelOnly)
{
    EXPECT_EQ(X0(Run("besselian --date 2024-04-08 --format json" + DataOption())), m_computedX0 + kMoved);
    EXPECT_EQ(X0(Run("besselian --date 2024-04-08 --format json --model modern --delta-t auto" + DataOption())),
              m_computedX0 + kMoved);
    for (const char* computed : {"besselian --date 2024-04-08 --format json --model classic",
                                 "besselian --date 2024-04-08 --format json --delta-t 69.2",
                                 "besselian --date 2023-04-20 --format json"}) {
        const auto [with, without] = WithAndWithout(computed);
        EXPECT_EQ(with.out, without.out) << computed;
        EXPECT_EQ(with.err, "") << computed;
    }
    EXPECT_EQ(X0(WithAndWithout("besselian --date 2024-04-08 --format json").second), m_computedX0);
}

TEST_F(StoredEclipsesCommands, AreNotReadByAnotherBuild)
{
    StoreMovedEclipse("0123456789abcdef0123456789abcdef01234567");
    const auto [with, without] = WithAndWithout("besselian --date 2024-04-08 --format json");
    EXPECT_EQ(with.out, without.out);
    EXPECT_EQ(X0(with), m_computedX0);
    EXPECT_EQ(with.err, "");
}

TEST_F(StoredEclipsesCommands, ADamagedStoreIsNamedAndTheEclipseComputed)
{
    FlipByte(Data(kStoredEclipsesName), static_cast<std::streamoff>(fs::file_size(Data(kStoredEclipsesName)) - 8));
    const auto [with, without] = WithAndWithout("local --date 2024-04-08 --place -96.80,32.78");
    EXPECT_EQ(with.status, 0);
    EXPECT_EQ(with.out, without.out);
    EXPECT_EQ(LineCount(with.err), 1) << with.err;
    EXPECT_TRUE(Contains(with.err, Data(kStoredEclipsesName).string())) << with.err;
    EXPECT_TRUE(Contains(with.err, "computing instead")) << with.err;
}

TEST_F(StoredEclipsesCommands, ListTheEclipsesOfTheYearsTheyCover)
{
    const Outcome stored = Run("eclipses --from 2024-01-01 --to 2024-12-31 --format csv" + DataOption());
    EXPECT_EQ(stored.status, 0) << stored.err;
    EXPECT_EQ(LineCount(stored.out), 2) << stored.out;
    EXPECT_TRUE(Contains(stored.out, "2024-04-08T18:17:")) << stored.out;
    EXPECT_TRUE(Contains(stored.out, kMovedSarosField)) << stored.out;
    for (const char* computed : {"eclipses --from 2023-06-01 --to 2024-12-31 --format csv",
                                 "eclipses --from 2024-01-01 --to 2024-12-31 --format csv --model classic",
                                 "eclipses --from 2024-01-01 --to 2024-12-31 --format csv --place -96.80,32.78"}) {
        const auto [with, without] = WithAndWithout(computed);
        EXPECT_EQ(with.out, without.out) << computed;
        EXPECT_FALSE(Contains(with.out, kMovedSarosField)) << computed;
    }
}
