// The eclipses stored in advance give back, to the last bit, what the
// commands would compute for each date; they answer only the build, model
// and series they were computed with, and a damaged file names itself.
#include "eclipse/stored/StoredEclipses.h"

#include "datafiles/FileException.h"
#include "ephemeris/Ephemeris.h"
#include "tests/TestDirectory.h"
#include "tests/eclipse/EclipseTestData.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>
#include <vector>

namespace {

const StoredEclipsesStamp kStamp{"0c22bb616d06fde1a68cfab73641e74a1a327eca",
                                 "modern",
                                 {{"Elp2000.dat", 1569672, 0xb8941446},
                                  {"VSOP87.dat", 100656, 0x7bf813ab},
                                  {"Nutation.dat", 2544, 0xf3199b1e}}};

void Add(std::vector<std::uint64_t>& bits, double value)
{
    bits.push_back(std::bit_cast<std::uint64_t>(value));
}

void Add(std::vector<std::uint64_t>& bits, const std::optional<double>& value)
{
    bits.push_back(value.has_value());
    Add(bits, value.value_or(0.0));
}

// Every number of an eclipse, bit for bit.
std::vector<std::uint64_t> BitsOf(const EclipseOfDate& eclipse)
{
    std::vector<std::uint64_t> bits = {static_cast<std::uint64_t>(eclipse.date.year), static_cast<std::uint64_t>(eclipse.date.month),
                                       static_cast<std::uint64_t>(eclipse.date.day)};
    const EclipseSummary& s = eclipse.summary;
    bits.push_back(static_cast<std::uint64_t>(s.type));
    bits.push_back(static_cast<std::uint64_t>(s.saros));
    for (const double value : {s.greatest.WholeDays(), s.greatest.DayFraction(), s.deltaT, s.gamma, s.magnitude, s.latitude,
                               s.longitude, s.sunAltitude}) {
        Add(bits, value);
    }
    for (const std::optional<double>& value : {s.deltaTSigma, s.durationSeconds, s.widthKm}) {
        Add(bits, value);
    }
    const FittedElements& e = eclipse.fit.elements;
    for (const double value : {e.t0.WholeDays(), e.t0.DayFraction(), e.deltaT, e.tanF1, e.tanF2, e.validFrom, e.validTo}) {
        Add(bits, value);
    }
    for (const Polynomial* p : {&e.x, &e.y, &e.d, &e.l1, &e.l2, &e.mu}) {
        for (const double coefficient : p->coefficients) {
            Add(bits, coefficient);
        }
    }
    const FitResiduals& r = eclipse.fit.residuals;
    for (const double value : {r.x, r.y, r.d, r.l1, r.l2, r.mu, r.tanF1, r.tanF2}) {
        Add(bits, value);
    }
    return bits;
}

class StoredEclipses : public TemporaryDirectoryTest {
protected:
    void SetUp() override
    {
        TemporaryDirectoryTest::SetUp();
        if (!HaveEclipseData()) {
            GTEST_SKIP() << "no converted ephemeris in " << EclipseDataDirectory() << " (run scripts/setup.sh)";
        }
    }

    // The eclipses of years stored (they must be every one of them).
    std::string Store(int firstYear, int lastYear) const
    {
        const std::vector<EclipseOfDate> eclipses = ComputeEclipsesOfYears(m_ephemeris, firstYear, lastYear);
        return WriteBytes(kStoredEclipsesName, StoredEclipsesImage(kStamp, firstYear, lastYear, eclipses));
    }

    std::vector<EclipseSummary> Search(const CivilDate& from, const CivilDate& to) const
    {
        return FindEclipses(m_ephemeris, UniversalDayOf(m_ephemeris, from).from, UniversalDayOf(m_ephemeris, to).to);
    }

    Ephemeris m_ephemeris = Ephemeris::Load(EclipseDataDirectory(), ModernModel());
};

} // namespace

// Two years of today, and one of Thales's, where the year is negative and the
// calendar Julian: what is stored is what ComputeEclipseOfDate gives, and
// what FindEclipses gives over a range of days.
TEST_F(StoredEclipses, GiveEveryEclipseAsComputedForItsDateAndOverDays)
{
    const std::vector<CivilDate> dates = {{-584, 5, 28}, {-584, 11, 21}, {2023, 4, 20}, {2023, 10, 14}, {2024, 4, 8}, {2024, 10, 2}};
    for (const auto& [first, last, from, to] : {std::tuple{-584, -584, 0, 2}, std::tuple{2023, 2024, 2, 6}}) {
        const std::string path = Store(first, last);
        for (int k = from; k < to; ++k) {
            const std::optional<EclipseOfDate> computed = ComputeEclipseOfDate(m_ephemeris, dates[k]);
            const std::optional<EclipseOfDate> stored = FindStoredEclipse(path, kStamp, dates[k]);
            ASSERT_TRUE(computed && stored) << k;
            EXPECT_EQ(BitsOf(*stored), BitsOf(*computed)) << k;
        }
    }
    const std::string path = Store(2023, 2024);
    for (const auto& [from, to, count] : {std::tuple{CivilDate{2023, 1, 1}, CivilDate{2024, 12, 31}, 4u},
                                          std::tuple{CivilDate{2023, 4, 21}, CivilDate{2024, 4, 8}, 2u},
                                          std::tuple{CivilDate{2024, 4, 9}, CivilDate{2024, 10, 1}, 0u}}) {
        const std::optional<std::vector<EclipseSummary>> stored = FindStoredEclipses(path, kStamp, from, to);
        const std::vector<EclipseSummary> searched = Search(from, to);
        ASSERT_TRUE(stored);
        ASSERT_EQ(stored->size(), count);
        ASSERT_EQ(searched.size(), count);
        for (std::size_t k = 0; k < count; ++k) {
            EXPECT_EQ(BitsOf({{}, (*stored)[k], {}}), BitsOf({{}, searched[k], {}})) << k;
        }
    }
    for (const CivilDate& without : {CivilDate{2024, 4, 7}, CivilDate{2024, 4, 9}, CivilDate{2025, 3, 29}, CivilDate{2022, 4, 30}}) {
        EXPECT_FALSE(FindStoredEclipse(path, kStamp, without)) << without.year << "-" << without.month << "-" << without.day;
    }
    // Years it does not cover: not answered, whatever they hold.
    EXPECT_FALSE(FindStoredEclipses(path, kStamp, {2022, 1, 1}, {2023, 12, 31}));
    EXPECT_FALSE(FindStoredEclipses(path, kStamp, {2024, 1, 1}, {2025, 12, 31}));
}

TEST_F(StoredEclipses, AnswerOnlyTheProgramModelAndSeriesTheyWereComputedWith)
{
    const std::string path = Store(2024, 2024);
    const CivilDate date{2024, 4, 8};
    ASSERT_TRUE(FindStoredEclipse(path, kStamp, date));
    EXPECT_TRUE(IsStoredUnder(path, kStamp, 2024, 2024));
    EXPECT_FALSE(IsStoredUnder(path, kStamp, 2024, 2025));
    const std::vector<std::function<void(StoredEclipsesStamp&)>> changes = {
        [](StoredEclipsesStamp& s) { s.program[0] = '1'; },
        [](StoredEclipsesStamp& s) { s.model = "classic"; },
        [](StoredEclipsesStamp& s) { s.series[0].checksum ^= 1; },
        [](StoredEclipsesStamp& s) { s.series[1].size += 8; },
        [](StoredEclipsesStamp& s) { s.series.pop_back(); },
    };
    for (std::size_t k = 0; k < changes.size(); ++k) {
        StoredEclipsesStamp other = kStamp;
        changes[k](other);
        EXPECT_FALSE(FindStoredEclipse(path, other, date)) << k;
        EXPECT_FALSE(IsStoredUnder(path, other, 2024, 2024)) << k;
    }
}

TEST_F(StoredEclipses, TakeTheirStampFromTheManifestAndOnlyForTheModelsOwnDeltaT)
{
    WriteText("manifest.txt", "# images\nNutation.dat 2544 f3199b1e\nElp2000.dat 1569672 b8941446\nVSOP87.dat 100656 7bf813ab\n"
                              "places.dat 10 00000001\n");
    const std::optional<StoredEclipsesStamp> stamp = StampFor(DataDirectory(), kStamp.program, ModernModel());
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->Text(), kStamp.Text());
    EXPECT_EQ(StampFor(DataDirectory(), kStamp.program, ClassicModel())->model, "classic");
    EXPECT_FALSE(StampFor(DataDirectory(), kStamp.program, ModernModel(69.2)));
    EXPECT_FALSE(StampFor(DataDirectory(), "", ModernModel()));
    WriteText("manifest.txt", "Nutation.dat 2544 f3199b1e\nElp2000.dat 1569672 b8941446\n");
    EXPECT_FALSE(StampFor(DataDirectory(), kStamp.program, ModernModel()));
    WriteText("manifest.txt", "not a manifest\n");
    EXPECT_FALSE(StampFor(DataDirectory(), kStamp.program, ModernModel()));
}

// Offsets: 0 the magic, 20 the first year, 40 the stamp, the size less 100
// the last record.
TEST_F(StoredEclipses, RefuseADamagedFileNamingIt)
{
    const std::vector<EclipseOfDate> eclipses = ComputeEclipsesOfYears(m_ephemeris, 2024, 2024);
    const std::vector<std::uint8_t> image = StoredEclipsesImage(kStamp, 2024, 2024, eclipses);
    struct Damage {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> apply;
    };
    const std::vector<Damage> damages = {
        {"another magic", [](auto& bytes) { bytes[0] ^= 0x20; }},
        {"the years changed", [](auto& bytes) { bytes[20] ^= 0x01; }},
        {"a stamp flipped", [](auto& bytes) { bytes[40] ^= 0x01; }},
        {"a record flipped", [](auto& bytes) { bytes[bytes.size() - 100] ^= 0x01; }},
        {"cut short", [](auto& bytes) { bytes.pop_back(); }},
        {"run on", [](auto& bytes) { bytes.push_back(0); }},
        {"only a part of the header", [](auto& bytes) { bytes.erase(bytes.begin() + 20, bytes.end()); }},
    };
    for (const Damage& damage : damages) {
        std::vector<std::uint8_t> bytes = image;
        damage.apply(bytes);
        const std::string path = WriteBytes(kStoredEclipsesName, bytes);
        try {
            FindStoredEclipse(path, kStamp, eclipses.back().date);
            ADD_FAILURE() << damage.what << ": not refused";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), path) << damage.what;
        }
        EXPECT_FALSE(IsStoredUnder(path, kStamp, 2024, 2024)) << damage.what;
    }
}

TEST_F(StoredEclipses, AreNothingWhereThereIsNoFileOfThem)
{
    EXPECT_FALSE(FindStoredEclipse(PathOf(kStoredEclipsesName), kStamp, {2024, 4, 8}));
    std::filesystem::create_directory(PathOf(kStoredEclipsesName));
    EXPECT_FALSE(FindStoredEclipse(PathOf(kStoredEclipsesName), kStamp, {2024, 4, 8}));
    EXPECT_FALSE(IsStoredUnder(PathOf(kStoredEclipsesName), kStamp, 2024, 2024));
}
