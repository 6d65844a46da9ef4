#include "EphemerisTestData.h"

#include "datafiles/ElpImage.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/LunarSeriesTerms.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/SineLanes.h"

#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <stdexcept>

namespace {

// ---------------------------------------------------------------------------
// The series as the theory's authors give them, summed plainly: record after
// record, in the image's order, each with the standard library's sine.

constexpr double kArcsecondsPerRadian = 206264.80624709636;
constexpr double kMoonMeanMotion = 1732559343.73604; // W1's rate, arcseconds per century

double MainProblemCoefficient(const ElpMainTerm& term, int series)
{
    const double deltaNu = 0.55604 / kMoonMeanMotion;
    const double deltaNPrime = -0.06424 / kMoonMeanMotion;
    const double deltaE = 0.01789 / kArcsecondsPerRadian;
    const double deltaGamma = -0.08066 / kArcsecondsPerRadian;
    const double deltaEPrime = -0.12879 / kArcsecondsPerRadian;
    const double am = 0.074801329518;
    const double dtasm = 2.0 * 0.002571881335 / (3.0 * am);
    double coefficient = term.amplitude;
    if (series == 3) {
        coefficient -= 2.0 / 3.0 * term.amplitude * deltaNu;
    }
    return coefficient + (term.b1 + dtasm * term.b5) * (deltaNPrime - am * deltaNu) + term.b2 * deltaGamma +
           term.b3 * deltaE + term.b4 * deltaEPrime;
}

// The arguments of a series, in the order of its records' multipliers.
std::span<const double> ArgumentsOf(int series, const LunarArguments& arguments)
{
    if (series <= 3) {
        return arguments.delaunay;
    }
    if (series <= 9) {
        return arguments.figure;
    }
    if (series <= 15) {
        return arguments.planetary1;
    }
    if (series <= 21) {
        return arguments.planetary2;
    }
    return arguments.minor;
}

template <typename Record>
double PlainSum(std::span<const std::uint8_t> image, int series, std::span<const double> arguments)
{
    double sum = 0.0;
    for (std::size_t index = 0; index < ElpTermCount(series); ++index) {
        const Record term = RecordAt<Record>(image, ElpSeriesOffset(series) + index * sizeof(Record));
        double angle = 0.0;
        for (std::size_t k = 0; k < sizeof(Record::multipliers); ++k) {
            angle += term.multipliers[k] * arguments[k];
        }
        if constexpr (std::is_same_v<Record, ElpMainTerm>) {
            sum += MainProblemCoefficient(term, series) * (series == 3 ? std::cos(angle) : std::sin(angle));
        } else {
            sum += term.amplitude * std::sin(angle + term.phase);
        }
    }
    return sum;
}

double PlainSeries(std::span<const std::uint8_t> image, int series, const LunarArguments& arguments)
{
    const std::span<const double> of = ArgumentsOf(series, arguments);
    if (series <= 3) {
        return PlainSum<ElpMainTerm>(image, series, of);
    }
    if (series <= 9) {
        return PlainSum<ElpFigureTerm>(image, series, of);
    }
    if (series <= 21) {
        return PlainSum<ElpPlanetaryTerm>(image, series, of);
    }
    return PlainSum<ElpMinorTerm>(image, series, of);
}

// Sum of |amplitude| of a series, the scale of its rounding.
template <typename Record>
double AmplitudeTotal(std::span<const std::uint8_t> image, int series)
{
    double total = 0.0;
    for (std::size_t index = 0; index < ElpTermCount(series); ++index) {
        total += std::fabs(RecordAt<Record>(image, ElpSeriesOffset(series) + index * sizeof(Record)).amplitude);
    }
    return total;
}

double AmplitudeTotal(std::span<const std::uint8_t> image, int series)
{
    if (series <= 3) {
        return AmplitudeTotal<ElpMainTerm>(image, series);
    }
    if (series <= 9) {
        return AmplitudeTotal<ElpFigureTerm>(image, series);
    }
    if (series <= 21) {
        return AmplitudeTotal<ElpPlanetaryTerm>(image, series);
    }
    return AmplitudeTotal<ElpMinorTerm>(image, series);
}

// Longitude, latitude (radians) and distance (km) from the 36 sums S1..S36,
// as the theory combines them.
LunarSpherical Combine(const std::array<double, 37>& s, const LunarArguments& arguments)
{
    const double t = arguments.powers[1];
    return {arguments.meanLongitude + (s[1] + s[4] + s[10] + s[16] + s[22] + s[28] + s[31] +
                                       t * (s[7] + s[13] + s[19] + s[25]) + t * t * s[34]) /
                                          kArcsecondsPerRadian,
            (s[2] + s[5] + s[11] + s[17] + s[23] + s[29] + s[32] + t * (s[8] + s[14] + s[20] + s[26]) + t * t * s[35]) /
                kArcsecondsPerRadian,
            (s[3] + s[6] + s[12] + s[18] + s[24] + s[30] + s[33] + t * (s[9] + s[15] + s[21] + s[27]) + t * t * s[36]) *
                384747.9806448954 / 384747.9806743165};
}

// Ecliptic rectangular coordinates, km.
std::array<double, 3> Position(const LunarSpherical& moon)
{
    return {moon.distance * std::cos(moon.latitude) * std::cos(moon.longitude),
            moon.distance * std::cos(moon.latitude) * std::sin(moon.longitude), moon.distance * std::sin(moon.latitude)};
}

// Julian centuries from J2000 across the five millennia the program serves,
// unevenly spaced so that no two share their arguments' phases.
constexpr std::array<double, 21> kCenturies = {-40.0,  -37.77, -33.3, -30.0, -25.51, -20.0, -15.0,
                                               -10.04, -5.0,   -1.0,  -0.5,  0.0,    0.0623, 0.2427,
                                               0.5,    1.0,    3.0,   5.0,   7.3,    9.07,  10.0};

class LunarSeriesTermsTest : public SyntheticImageTest {
protected:
    LunarSeriesTermsTest() : m_image(kElpImageSize) {}

    template <typename Record>
    void SetTerm(int series, std::size_t index, const Record& term)
    {
        StoreRecord(std::span<std::uint8_t>(m_image), ElpSeriesOffset(series) + index * sizeof(Record), term);
    }

    static ElpFigureTerm FigureTerm(std::size_t argument, double phase, double amplitude)
    {
        ElpFigureTerm term;
        term.multipliers[argument] = 1;
        term.phase = phase;
        term.amplitude = amplitude;
        return term;
    }

    std::vector<std::uint8_t> m_image;
};

} // namespace

TEST(PublishedElp, SumsEverySeriesAsTheTermByTermSumAcrossFiveMillennia)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const DataImage image = LoadCachedImage(directory + kElpImageName, kElpImageSize);
    const std::shared_ptr<const LunarSeriesTerms> terms = SharedLunarSeriesTerms(image);
    for (const double centuries : kCenturies) {
        SCOPED_TRACE(centuries);
        const LunarArguments arguments = ComputeLunarArguments(centuries);
        std::array<double, 37> plain = {};
        for (int series = 1; series <= kElpSeriesCount; ++series) {
            plain[static_cast<std::size_t>(series)] = PlainSeries(*image, series, arguments);
            // Each sine within 2.3e-16 and a different order of additions:
            // far below 1e-14 of the amplitudes' total.
            const double sum = terms->Sum(series, ArgumentsOf(series, arguments));
            EXPECT_NEAR(sum, plain[static_cast<std::size_t>(series)], 1e-14 * AmplitudeTotal(*image, series))
                << "series " << series;
            // Processors with and without 8-lane vectors agree to the bit.
            EXPECT_EQ(terms->Sum(series, ArgumentsOf(series, arguments), LunarSeriesTerms::Vectors::FourLanes), sum)
                << "series " << series;
        }
        const LunarSpherical expected = Combine(plain, arguments);
        const LunarSpherical moon = SumLunarSeries(*terms, arguments);
        const double distance = expected.distance;
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(Position(moon)[axis], Position(expected)[axis], 1e-12 * distance) << "axis " << axis;
        }
        EXPECT_NEAR(moon.distance, distance, 1e-12 * distance);
        EXPECT_NEAR(SumLunarDistance(*terms, arguments), distance, 1e-12 * distance);
    }
}

TEST(SineLanes, AgreesWithTheStandardSineAndCosineWithin2point3eMinus16UpToItsLimit)
{
    std::mt19937_64 random(20240408);
    for (const double range : {1.0, 100.0, 1e4, 1e6, kSineLanesLimit}) {
        std::uniform_real_distribution<double> angles(-range, range);
        double worstSine = 0.0;
        double worstCosine = 0.0;
        for (int draw = 0; draw < 50000; ++draw) {
            DoubleLanes sines;
            for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
                sines[lane] = angles(random);
            }
            DoubleLanes cosines = sines;
            const DoubleLanes given = sines;
            SineLanes(sines, 0);
            SineLanes(cosines, 1);
            for (std::size_t lane = 0; lane < kLaneCount; ++lane) {
                worstSine = std::max(worstSine, std::fabs(sines[lane] - std::sin(given[lane])));
                worstCosine = std::max(worstCosine, std::fabs(cosines[lane] - std::cos(given[lane])));
            }
        }
        EXPECT_LE(worstSine, 2.3e-16) << "angles up to " << range;
        EXPECT_LE(worstCosine, 2.3e-16) << "angles up to " << range;
    }
}

TEST(SineLanes, GivesTheExactValuesAtZeroAndItsSignsInEveryQuadrant)
{
    constexpr double kQuarter = std::numbers::pi / 2.0;
    DoubleLanes sines = {0.0, kQuarter, 2.0 * kQuarter, 3.0 * kQuarter};
    DoubleLanes cosines = sines;
    SineLanes(sines, 0);
    SineLanes(cosines, 1);
    EXPECT_EQ(sines[0], 0.0);
    EXPECT_EQ(sines[1], 1.0);
    EXPECT_NEAR(sines[2], 1.2246467991473532e-16, 1e-31); // pi less the double nearest it
    EXPECT_EQ(sines[3], -1.0);
    EXPECT_EQ(cosines[0], 1.0);
    EXPECT_NEAR(cosines[1], 6.123233995736766e-17, 1e-31);
    EXPECT_EQ(cosines[2], -1.0);
    EXPECT_NEAR(cosines[3], -1.8369701987210297e-16, 1e-31);
}

TEST_F(LunarSeriesTermsTest, SumsAnglesBeyondTheLanesReductionWithTheStandardSine)
{
    // zeta + 1e9 rad is past the lanes' exact reduction; D + 0.3 is not.
    SetTerm(4, 0, FigureTerm(0, 1e9, 2.0));
    SetTerm(4, 1, FigureTerm(1, 0.3, 5.0));
    const LunarSeriesTerms terms(m_image);
    const LunarArguments arguments = ComputeLunarArguments(0.24);
    const double zeta = arguments.figure[0];
    const double d = arguments.figure[1];
    EXPECT_NEAR(terms.Sum(4, arguments.figure), 2.0 * std::sin(zeta + 1e9) + 5.0 * std::sin(d + 0.3), 1e-15);
    // Nothing in the other series.
    EXPECT_EQ(terms.Sum(5, arguments.figure), 0.0);
    EXPECT_EQ(terms.Sum(10, arguments.planetary1), 0.0);
}

TEST_F(LunarSeriesTermsTest, GivesNaNForAPhaseOrAnAmplitudeThatIsNotANumberAndGoesOn)
{
    SetTerm(4, 0, FigureTerm(2, std::numeric_limits<double>::quiet_NaN(), 1.0));
    SetTerm(7, 0, FigureTerm(2, std::numeric_limits<double>::infinity(), 1.0));
    SetTerm(5, 0, FigureTerm(2, 0.1, std::numeric_limits<double>::quiet_NaN()));
    ElpPlanetaryTerm extreme;
    std::fill(std::begin(extreme.multipliers), std::end(extreme.multipliers), std::int8_t{-128});
    extreme.amplitude = 1e300;
    SetTerm(10, 0, extreme);
    const LunarSeriesTerms terms(m_image);
    const LunarArguments arguments = ComputeLunarArguments(-40.0);
    EXPECT_TRUE(std::isnan(terms.Sum(4, arguments.figure)));
    EXPECT_TRUE(std::isnan(terms.Sum(7, arguments.figure)));
    EXPECT_TRUE(std::isnan(terms.Sum(5, arguments.figure)));
    EXPECT_TRUE(std::isfinite(terms.Sum(10, arguments.planetary1)));
    EXPECT_EQ(terms.Sum(6, arguments.figure), 0.0);
}

TEST_F(LunarSeriesTermsTest, RefusesAShortImageAndTheWrongNumberOfArguments)
{
    EXPECT_THROW(LunarSeriesTerms(std::span<const std::uint8_t>(m_image).first(kElpImageSize - 1)), std::invalid_argument);
    const LunarSeriesTerms terms(m_image);
    const LunarArguments arguments = ComputeLunarArguments(0.0);
    EXPECT_THROW(terms.Sum(10, arguments.figure), std::invalid_argument);
    EXPECT_THROW(terms.Sum(37, arguments.minor), std::out_of_range);
}

TEST_F(LunarSeriesTermsTest, AreLaidOutOnceForAnImageAndAgainWhenItsFileIsRewritten)
{
    // The Sun and the nutation of the published series, and a Moon at a
    // constant 385000 km: series that load.
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    for (const char* name : {kVsopImageName, kNutationImageName}) {
        std::filesystem::copy_file(directory + name, PathOf(name));
    }
    ElpMainTerm distance;
    distance.amplitude = 385000.0;
    SetTerm(3, 0, distance);
    WriteImage(kElpImageName, m_image);
    const std::shared_ptr<const LunarSeriesTerms> first = LoadEphemerisSeries(DataDirectory())->elpTerms;
    EXPECT_EQ(SharedLunarSeriesTerms(LoadCachedImage(PathOf(kElpImageName), kElpImageSize)), first);

    SetTerm(4, 0, FigureTerm(1, 0.0, 1.0));
    WriteImage(kElpImageName, m_image);
    MarkRewritten(kElpImageName);
    const std::shared_ptr<const LunarSeriesTerms> second = LoadEphemerisSeries(DataDirectory())->elpTerms;
    EXPECT_NE(second, first);
    EXPECT_EQ(SharedLunarSeriesTerms(LoadCachedImage(PathOf(kElpImageName), kElpImageSize)), second);
    const LunarArguments arguments = ComputeLunarArguments(0.0);
    EXPECT_EQ(first->Sum(4, arguments.figure), 0.0);
    EXPECT_NEAR(second->Sum(4, arguments.figure), std::sin(arguments.figure[1]), 1e-15);
}
