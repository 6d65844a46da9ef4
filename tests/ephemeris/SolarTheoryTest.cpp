#include "EphemerisTestData.h"

#include "datafiles/FileException.h"
#include "datafiles/ImageCache.h"
#include "datafiles/RecordImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarSeries.h"
#include "ephemeris/SolarTheory.h"
#include "core/Vector3.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <span>

namespace {

struct CheckPosition {
    double julianDay;
    double x, y, z;
};

// The positions of the VSOP87 distribution's check file for version C, Earth.
std::vector<CheckPosition> ReadCheckFile(const std::string& path)
{
    std::vector<CheckPosition> positions;
    std::ifstream file(path);
    std::string line;
    CheckPosition position{};
    while (std::getline(file, line)) {
        if (std::sscanf(line.c_str(), " VSOP87C EARTH JD%lf", &position.julianDay) == 1) {
            continue;
        }
        if (std::sscanf(line.c_str(), " x %lf au y %lf au z %lf au", &position.x, &position.y, &position.z) == 3) {
            positions.push_back(position);
        }
    }
    return positions;
}

class SolarTheoryTest : public SyntheticImageTest {
protected:
    // One term per series, amplitude 1, phase 0, frequency 0: each series
    // then sums to tau^power.
    void WriteUnitSeriesImage() const
    {
        std::vector<std::uint8_t> image(kVsopImageSize);
        for (const std::size_t first : {0, 1007, 1607, 1855, 1901, 1921, 1928, 2935, 3535, 3783, 3829, 3849, 3856, 4034,
                                        4131, 4178, 4189}) {
            StoreRecord(std::span<std::uint8_t>(image), first * sizeof(VsopTerm), VsopTerm{1.0, 0.0, 0.0});
        }
        // A second Z, T^0 term: 0.5 cos(1 + 0.25 tau).
        StoreRecord(std::span<std::uint8_t>(image), 3857 * sizeof(VsopTerm), VsopTerm{0.5, 1.0, 0.25});
        WriteImage(kVsopImageName, image);
    }
};

} // namespace

TEST(PublishedVsop, ReproducesTheCheckPositionsOfTheDistribution)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const std::vector<CheckPosition> positions = ReadCheckFile(UMBRANT_SOURCES_DIR "/vsop87-earth-c.chk");
    if (positions.empty()) {
        GTEST_SKIP() << "check file not found in " UMBRANT_SOURCES_DIR;
    }
    ASSERT_EQ(positions.size(), 10u);
    const CSolarTheory theory(directory);
    for (const CheckPosition& position : positions) {
        double earth[3];
        theory.ComputeHeliocentricEarth((position.julianDay - 2451545.0) / 365250.0, earth);
        EXPECT_NEAR(earth[0], position.x, 1e-10) << "JD " << position.julianDay;
        EXPECT_NEAR(earth[1], position.y, 1e-10) << "JD " << position.julianDay;
        EXPECT_NEAR(earth[2], position.z, 1e-10) << "JD " << position.julianDay;
    }
}

// The series summed term by term with the C library's cosine, and the
// total of the amplitudes that bounds the difference from the lanes' sum.
std::array<double, 2> PlainVariable(std::span<const std::uint8_t> image, std::size_t variable, double millennia)
{
    double value = 0.0;
    double amplitudes = 0.0;
    double power = 1.0;
    for (std::size_t exponent = 0; exponent < kVsopPowerCount; ++exponent) {
        double sum = 0.0;
        const std::size_t first = VsopSeriesStart(variable, exponent);
        for (std::size_t index = first; index < first + kVsopTermCounts[variable][exponent]; ++index) {
            const VsopTerm term = RecordAt<VsopTerm>(image, index * sizeof(VsopTerm));
            sum += term.amplitude * std::cos(term.phase + term.frequency * millennia);
            amplitudes += std::abs(term.amplitude) * std::abs(power);
        }
        value += sum * power;
        power *= millennia;
    }
    return {value, amplitudes};
}

// Each cosine within 2.3e-16 and the additions in another order: far below
// 1e-14 of the amplitudes' total, from 4000 years before J2000 to 1000 after.
TEST(PublishedVsop, SumsEverySeriesAsTheTermByTermSum)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const DataImage image = LoadCachedImage(directory + kVsopImageName, kVsopImageSize);
    for (const double millennia : {-4.0, -2.77, -1.0, -0.3, 0.0, 0.0243, 0.5, 1.0}) {
        SCOPED_TRACE(millennia);
        const Vector3 earth = HeliocentricEarth(*image, millennia);
        const double summed[3] = {earth.x, earth.y, earth.z};
        for (std::size_t variable = 0; variable < kVsopVariableCount; ++variable) {
            const auto [plain, amplitudes] = PlainVariable(*image, variable, millennia);
            EXPECT_NEAR(summed[variable], plain, 1e-14 * amplitudes) << "variable " << variable;
        }
    }
}

TEST(PublishedVsop, PlacesTheSunOfTheEclipseEpoch)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    double sun[3];
    CSolarTheory(directory).ComputePosition(observation, TermsOf(observation), kAllPositionOptions, sun);
    EXPECT_NEAR(sun[0], 0.9872730537, 1e-9 * 0.9872730537);
    EXPECT_NEAR(sun[1], 0.1366840789, 1e-9 * 0.1366840789);
    EXPECT_NEAR(sun[2], 0.0592644806, 1e-9 * 0.0592644806);
}

TEST(PublishedVsop, KeepsTheDistanceThroughTheRotationToTheEquator)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    CSolarTheory theory(directory);
    double equatorial[3];
    double ecliptic[3];
    theory.ComputePosition(observation, TermsOf(observation), kAllPositionOptions, equatorial);
    theory.ComputePosition(observation, TermsOf(observation), NUTATION | LIGHT_TIME, ecliptic);
    EXPECT_NEAR(Length(equatorial), Length(ecliptic), 1e-15);
    EXPECT_NEAR(Length(equatorial), 0.9984502485, 1e-10);
}

TEST(PublishedVsop, GivesWithLightTimeTheSunOfAbout498SecondsEarlier)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    CSolarTheory theory(directory);
    double earth[3];
    theory.ComputeHeliocentricEarth(TermsOf(observation).m_millennia2000TT, earth);
    const double lightTime = Length(earth) * 149597870691.0 * 3.3356409519815204e-9;
    EXPECT_NEAR(lightTime, 498.2, 0.1);

    CObservation earlier = observation;
    earlier.m_second = static_cast<float>(observation.m_second - lightTime);
    double withLightTime[3];
    double atTheEarlierInstant[3];
    theory.ComputePosition(observation, TermsOf(observation), kAllPositionOptions, withLightTime);
    theory.ComputePosition(earlier, TermsOf(earlier), EQUATORIAL | NUTATION, atTheEarlierInstant);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_DOUBLE_EQ(withLightTime[axis], atTheEarlierInstant[axis]);
    }
}

TEST(PublishedVsop, LeavesTheCallersObservationAsItWas)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    CObservation passed = observation;
    CTimeTerms terms = TermsOf(passed);
    const double millennia = terms.m_millennia2000TT;
    double sun[3];
    CSolarTheory(directory).ComputePosition(passed, terms, kAllPositionOptions, sun);
    EXPECT_EQ(passed.m_second, 17.9f);
    EXPECT_EQ(terms.m_millennia2000TT, millennia);
}

TEST_F(SolarTheoryTest, SumsOnlyTheSeriesOfPowerZeroAtJ2000)
{
    WriteUnitSeriesImage();
    double earth[3];
    CSolarTheory(DataDirectory()).ComputeHeliocentricEarth(0.0, earth);
    EXPECT_DOUBLE_EQ(earth[0], 1.0);
    EXPECT_DOUBLE_EQ(earth[1], 1.0);
    EXPECT_DOUBLE_EQ(earth[2], 1.0 + 0.5 * std::cos(1.0));
}

TEST_F(SolarTheoryTest, MultipliesEachSeriesByItsPowerOfTime)
{
    WriteUnitSeriesImage();
    double earth[3];
    CSolarTheory(DataDirectory()).ComputeHeliocentricEarth(2.0, earth);
    EXPECT_DOUBLE_EQ(earth[0], 63.0); // 1 + 2 + 4 + 8 + 16 + 32
    EXPECT_DOUBLE_EQ(earth[1], 63.0);
    EXPECT_DOUBLE_EQ(earth[2], 31.0 + 0.5 * std::cos(1.5)); // Z has no T^5 series
}

// An angle beyond the lanes' exact reduction takes the C library's cosine.
TEST_F(SolarTheoryTest, SumsAnAngleBeyondTheLanesReductionWithTheStandardCosine)
{
    WriteUnitSeriesImage();
    std::vector<std::uint8_t> image(kVsopImageSize);
    std::ifstream(DataDirectory() + kVsopImageName, std::ios::binary)
        .read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size()));
    StoreRecord(std::span<std::uint8_t>(image), 3857 * sizeof(VsopTerm), VsopTerm{0.5, 1.0, 1e9});
    EXPECT_DOUBLE_EQ(HeliocentricEarth(image, 2.0).z, 31.0 + 0.5 * std::cos(1.0 + 2e9));
    EXPECT_DOUBLE_EQ(HeliocentricEarth(image, 0.0).z, 1.0 + 0.5 * std::cos(1.0));
}

TEST_F(SolarTheoryTest, PutsTheSunOppositeTheEarth)
{
    WriteUnitSeriesImage();
    CObservation observation;
    double sun[3];
    // Without EQUATORIAL the result stays ecliptic; without NUTATION no nutation file is read.
    CSolarTheory(DataDirectory()).ComputePosition(observation, TermsOf(observation), 0, sun);
    double earth[3];
    CSolarTheory(DataDirectory()).ComputeHeliocentricEarth(TermsOf(observation).m_millennia2000TT, earth);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(sun[axis], -earth[axis], 1e-12);
    }
}

TEST_F(SolarTheoryTest, RejectsAShortFileNamingIt)
{
    WriteImage(kVsopImageName, std::vector<std::uint8_t>(100655));
    try {
        CSolarTheory theory(DataDirectory());
        FAIL() << "a short file was accepted";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("VSOP87.dat"));
    }
}

TEST_F(SolarTheoryTest, NeedsTheNutationFileOnlyForNutation)
{
    WriteUnitSeriesImage();
    CSolarTheory theory(DataDirectory());
    CObservation observation;
    double sun[3];
    EXPECT_NO_THROW(theory.ComputePosition(observation, TermsOf(observation), EQUATORIAL | LIGHT_TIME, sun));
    EXPECT_THROW(theory.ComputePosition(observation, TermsOf(observation), kAllPositionOptions, sun), CFileException);
}
