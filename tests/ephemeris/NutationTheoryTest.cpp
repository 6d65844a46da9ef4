#include "EphemerisTestData.h"

#include "datafiles/FileException.h"
#include "datafiles/NutationImage.h"
#include "ephemeris/NutationTheory.h"

#include <cmath>

namespace {

CTimeTerms AtMillennia(double millennia)
{
    CTimeTerms terms;
    terms.m_millennia2000TT = millennia;
    return terms;
}

class NutationTheoryTest : public SyntheticImageTest {
protected:
    // An image whose first record is the main term of the IAU 1980 series
    // (argument Omega) scaled by factor; the other 105 are zero.
    void WriteMainTermImage(float factor) const
    {
        std::vector<std::uint8_t> image(kNutationImageSize);
        NutationTerm term;
        term.multipliers[4] = 1;
        term.longitudeCoefficient = -17.1996f * factor;
        term.longitudeRate = -1742.0f * factor;
        term.obliquityCoefficient = 9.2025f * factor;
        term.obliquityRate = 89.0f * factor;
        StoreRecord(std::span<std::uint8_t>(image), 0, term);
        WriteImage(kNutationImageName, image);
    }

    void Compute(double millennia, float& longitude, float& obliquity) const
    {
        CNutationTheory(DataDirectory()).ComputeNutation(CObservation(), AtMillennia(millennia), longitude, obliquity);
    }
};

} // namespace

TEST(PublishedNutation, AtJ2000MatchesAnIndependentIau1980Implementation)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    float longitude = 1.0f;
    float obliquity = 1.0f;
    CNutationTheory(directory).ComputeNutation(CObservation(), AtMillennia(0.0), longitude, obliquity);
    EXPECT_NEAR(longitude, -6.7502476e-05, 2e-10);
    EXPECT_NEAR(obliquity, -2.7992212e-05, 2e-10);
}

TEST(PublishedNutation, StaysBelow1e4RadianNearJ2000)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    for (const double millennia : {-0.05, 0.0062, 0.05}) {
        float longitude = 0.0f;
        float obliquity = 0.0f;
        CNutationTheory(directory).ComputeNutation(CObservation(), AtMillennia(millennia), longitude, obliquity);
        EXPECT_LT(std::fabs(longitude), 1e-4f);
        EXPECT_LT(std::fabs(obliquity), 1e-4f);
        EXPECT_NE(longitude, 0.0f);
    }
}

// The single-precision sums round after every term, the last one included.
// The expected value was summed term by term outside the program (Python,
// IEEE doubles rounded to float after each term). GCC 12's SLP vectoriser
// once skipped the last rounding here and gave 5.76006169e-05.
TEST(PublishedNutation, RoundsItsSingleSumsAfterEveryTerm)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    float longitude = 0.0f;
    float obliquity = 0.0f;
    CNutationTheory(directory).ComputeNutation(CObservation(), AtMillennia(-2.4995951250279318), longitude, obliquity);
    EXPECT_EQ(longitude, 5.76006132e-05f);
    EXPECT_EQ(obliquity, -2.77378313e-05f);
}

TEST_F(NutationTheoryTest, AtJ2000UsesTheConstantArgumentsAndNoRates)
{
    WriteMainTermImage(1.0f);
    float longitude = 0.0f;
    float obliquity = 0.0f;
    Compute(0.0, longitude, obliquity);
    // -17.1996" sin 125.04455504 deg and 9.2025" cos 125.04455504 deg, in radians.
    EXPECT_FLOAT_EQ(longitude, -6.826861499575898e-05f);
    EXPECT_FLOAT_EQ(obliquity, -2.5618513973313384e-05f);
}

TEST_F(NutationTheoryTest, AppliesTheRatesPerCentury)
{
    WriteMainTermImage(1.0f);
    float longitude = 0.0f;
    float obliquity = 0.0f;
    Compute(0.1, longitude, obliquity); // one century: Omega = -1809.0895516 deg
    EXPECT_FLOAT_EQ(longitude, 1.3186497199058067e-05f);
    EXPECT_FLOAT_EQ(obliquity, 4.405899380799383e-05f);
}

TEST_F(NutationTheoryTest, RejectsAShortFileNamingIt)
{
    WriteImage(kNutationImageName, std::vector<std::uint8_t>(2543));
    try {
        CNutationTheory theory(DataDirectory());
        FAIL() << "a short file was accepted";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("Nutation.dat"));
        EXPECT_EQ(error.Cause(), "2543 bytes, expected 2544");
    }
}

TEST_F(NutationTheoryTest, RaisesAFileErrorWhenTheFileIsMissing)
{
    EXPECT_THROW(CNutationTheory theory(DataDirectory()), CFileException);
}

TEST_F(NutationTheoryTest, UsesARewrittenFileFromTheNextComputationOn)
{
    WriteMainTermImage(1.0f);
    float before = 0.0f;
    float obliquity = 0.0f;
    Compute(0.0, before, obliquity);

    WriteMainTermImage(2.0f);
    MarkRewritten(kNutationImageName);
    float after = 0.0f;
    Compute(0.0, after, obliquity);
    EXPECT_FLOAT_EQ(after, 2.0f * before);
}

TEST(MeanObliquity, IsTheConstantTermAtJ2000)
{
    EXPECT_DOUBLE_EQ(MeanObliquity(0.0), 0.40909262968940374); // 23.43928111111111 deg
}

TEST(MeanObliquity, FollowsThePolynomialInMillennia)
{
    EXPECT_DOUBLE_EQ(MeanObliquity(1.0), 0.40683281858308434);
}

TEST(EclipticToEquatorial, LeavesAVectorUnchangedWithZeroObliquity)
{
    const double ecliptic[3] = {3.0, -4.0, 12.0};
    double equatorial[3];
    EclipticToEquatorial(ecliptic, 13.0, 0.0, equatorial);
    EXPECT_NEAR(equatorial[0], 3.0, 1e-14);
    EXPECT_NEAR(equatorial[1], -4.0, 1e-14);
    EXPECT_NEAR(equatorial[2], 12.0, 1e-14);
}

TEST(EclipticToEquatorial, RaisesTheSolsticePointToTheObliquity)
{
    // Ecliptic longitude 90 deg: right ascension 90 deg, declination epsilon.
    const double obliquity = 0.40909262968940374;
    const double ecliptic[3] = {0.0, 2.0, 0.0};
    double equatorial[3];
    EclipticToEquatorial(ecliptic, 2.0, obliquity, equatorial);
    EXPECT_NEAR(equatorial[0], 0.0, 1e-15);
    EXPECT_NEAR(equatorial[1], 2.0 * 0.9174821314943784, 1e-14);
    EXPECT_NEAR(equatorial[2], 2.0 * 0.39777699580107956, 1e-14);
}

TEST(EclipticToEquatorial, KeepsThePoleDefined)
{
    // Rounding may carry the sine of the declination just past 1.
    const double ecliptic[3] = {0.0, 0.39777699580107956, 0.9174821314943784};
    double equatorial[3];
    EclipticToEquatorial(ecliptic, 1.0, 0.40909262968940374, equatorial);
    EXPECT_FALSE(std::isnan(equatorial[2]));
    EXPECT_NEAR(equatorial[2], 1.0, 1e-12);
}
