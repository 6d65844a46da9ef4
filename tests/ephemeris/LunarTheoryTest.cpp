#include "EphemerisTestData.h"

#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/PositionOptions.h"
#include "core/Vector3.h"
#include "tests/Epochs.h"

#include <cmath>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kMeanDistanceRatio = 384747.9806448954 / 384747.9806743165; // a0 / ath
constexpr double kDistanceAmplitude = 385000.0;
// 385000 km less (2/3) A delta-nu, delta-nu = 0.55604" / 1732559343.73604".
constexpr double kCorrectedDistanceAmplitude = 385000.0 - 2.0 / 3.0 * 385000.0 * 3.209356158623529e-10;

// 1 January 2000, 12:00 with Delta T 0: the time argument is 0.
CObservation J2000()
{
    return UtEpoch(1, 1, 2000, 12, 0, 0.0f, 0.0f);
}

class LunarTheoryTest : public SyntheticImageTest {
protected:
    LunarTheoryTest() : m_image(kElpImageSize) {}

    template <typename Record>
    void SetTerm(int series, std::size_t index, const Record& term)
    {
        StoreRecord(std::span<std::uint8_t>(m_image), ElpSeriesOffset(series) + index * sizeof(Record), term);
    }

    // A constant distance term in the main problem, one of 100 km in series
    // 9 (multiplied by t) and one of 10 km in series 36 (multiplied by t^2).
    void SetDistanceTerms(double mainAmplitude)
    {
        ElpMainTerm main;
        main.amplitude = mainAmplitude;
        SetTerm(3, 0, main);
        ElpFigureTerm figure;
        figure.phase = 90.0 * kRadiansPerDegree;
        figure.amplitude = 100.0;
        SetTerm(9, 0, figure);
        ElpMinorTerm minor;
        minor.phase = 90.0 * kRadiansPerDegree;
        minor.amplitude = 10.0;
        SetTerm(36, 0, minor);
    }

    void WriteElpImage() const { WriteImage(kElpImageName, m_image); }

    std::vector<std::uint8_t> m_image;
};

} // namespace

TEST(PublishedElp, PlacesTheMoonOfTheEclipseEpoch)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    double moon[3];
    CLunarTheory(directory).ComputePosition(observation, TermsOf(observation), kAllPositionOptions, moon);
    // The reference is printed to the metre; 1e-9 of the distance is 0.36 m.
    const double tolerance = 1e-9 * 360314.609;
    EXPECT_NEAR(moon[0], 356308.785, tolerance);
    EXPECT_NEAR(moon[1], 48138.013, tolerance);
    EXPECT_NEAR(moon[2], 23524.440, tolerance);
}

TEST(PublishedElp, ReturnsAVectorAsLongAsTheDistance)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    CLunarTheory theory(directory);
    double moon[3];
    theory.ComputePosition(observation, TermsOf(observation), kAllPositionOptions, moon);
    EXPECT_NEAR(Length(moon), theory.Distance(), 1e-9);
    EXPECT_NEAR(theory.Distance(), 360314.609, 1e-3);
}

TEST(PublishedElp, GivesWithLightTimeTheMoonOfAbout1point2SecondsEarlier)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const CObservation observation = EclipseEpoch();
    CLunarTheory theory(directory);
    double atTheInstant[3];
    theory.ComputePosition(observation, TermsOf(observation), EQUATORIAL | NUTATION, atTheInstant);
    const double lightTime = theory.Distance() / 299792.458;
    EXPECT_NEAR(lightTime, 1.2019, 1e-4);

    CObservation earlier = observation;
    earlier.m_second = static_cast<float>(observation.m_second - lightTime);
    double withLightTime[3];
    double atTheEarlierInstant[3];
    theory.ComputePosition(observation, TermsOf(observation), kAllPositionOptions, withLightTime);
    theory.ComputePosition(earlier, TermsOf(earlier), EQUATORIAL | NUTATION, atTheEarlierInstant);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_DOUBLE_EQ(withLightTime[axis], atTheEarlierInstant[axis]);
        EXPECT_NE(withLightTime[axis], atTheInstant[axis]);
    }
}

TEST(PublishedElp, LeavesTheCallersObservationAsItWas)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    CObservation passed = EclipseEpoch();
    double moon[3];
    CLunarTheory(directory).ComputePosition(passed, TermsOf(passed), kAllPositionOptions, moon);
    EXPECT_EQ(passed.m_second, 17.9f);
}

TEST_F(LunarTheoryTest, CorrectsTheMainProblemDistanceAndScalesItToTheFittedMeanDistance)
{
    SetDistanceTerms(kDistanceAmplitude);
    WriteElpImage();
    CLunarTheory theory(DataDirectory());
    double moon[3];
    theory.ComputePosition(J2000(), CTimeTerms(), 0, moon);
    EXPECT_NEAR(theory.Distance(), 384999.99988818617, 1e-8);
    EXPECT_NEAR(Length(moon), 384999.99988818617, 1e-8);
    // Nothing in longitude or latitude: the mean longitude alone.
    EXPECT_NEAR(theory.Longitude(), 218.3166543638889 * kRadiansPerDegree, 1e-12);
    EXPECT_NEAR(theory.Latitude(), 0.0, 1e-15);
}

TEST_F(LunarTheoryTest, WeighsSeriesByTheCenturiesAndTheirSquare)
{
    SetDistanceTerms(kDistanceAmplitude);
    WriteElpImage();
    CObservation observation = J2000();
    observation.m_year = 2200; // about two centuries on
    const double t = 10.0 * TermsOf(observation).m_millennia2000TT;
    CLunarTheory theory(DataDirectory());
    double moon[3];
    theory.ComputePosition(observation, CTimeTerms(), 0, moon);
    EXPECT_NEAR(theory.Distance(), (kCorrectedDistanceAmplitude + 100.0 * t + 10.0 * t * t) * kMeanDistanceRatio, 1e-8);
    EXPECT_NEAR(t, 2.0, 0.01);
}

TEST_F(LunarTheoryTest, BuildsTheMainProblemArgumentsFromTheMeanLongitudes)
{
    ElpMainTerm longitude;
    longitude.multipliers[3] = 1; // F = W1 - W3 = 93.2720993 deg at J2000
    longitude.amplitude = 3600.0;
    SetTerm(1, 0, longitude);
    SetTerm(2, 0, longitude);
    SetDistanceTerms(kDistanceAmplitude);
    WriteElpImage();
    CLunarTheory theory(DataDirectory());
    double moon[3];
    theory.ComputePosition(J2000(), CTimeTerms(), 0, moon);
    EXPECT_NEAR(theory.Longitude(), 3.82776926952122, 1e-12);
    EXPECT_NEAR(theory.Latitude(), 0.017424838932912225, 1e-12);
}

TEST_F(LunarTheoryTest, ReadsThePlanetaryMultipliersInTheOrderOfTheirTable)
{
    // Multiplier 8 is D in series 10 to 15 and l' in series 16 to 21.
    ElpPlanetaryTerm term;
    term.multipliers[8] = 1;
    term.amplitude = 3600.0;
    SetTerm(10, 0, term); // D = 297.8502042 deg
    SetTerm(16, 0, term); // l' = -2.4708908 deg
    SetDistanceTerms(kDistanceAmplitude);
    WriteElpImage();
    CLunarTheory theory(DataDirectory());
    double moon[3];
    theory.ComputePosition(J2000(), CTimeTerms(), 0, moon);
    EXPECT_NEAR(theory.Longitude(), 3.7941602753769104, 1e-12);
}

TEST_F(LunarTheoryTest, UsesARewrittenFileFromTheNextComputationOn)
{
    SetDistanceTerms(kDistanceAmplitude);
    WriteElpImage();
    double moon[3];
    CLunarTheory first(DataDirectory());
    first.ComputePosition(J2000(), CTimeTerms(), 0, moon);

    SetDistanceTerms(390000.0);
    WriteElpImage();
    MarkRewritten(kElpImageName);
    CLunarTheory second(DataDirectory());
    second.ComputePosition(J2000(), CTimeTerms(), 0, moon);
    EXPECT_NEAR(second.Distance() - first.Distance(), 5000.0, 1e-3);
}

TEST_F(LunarTheoryTest, RejectsAShortFileNamingIt)
{
    WriteImage(kElpImageName, std::vector<std::uint8_t>(1569671));
    try {
        CLunarTheory theory(DataDirectory());
        FAIL() << "a short file was accepted";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("Elp2000.dat"));
        EXPECT_EQ(error.Cause(), "1569671 bytes, expected 1569672");
    }
}
