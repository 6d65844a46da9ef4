#include "ephemeris/TimeScales.h"
#include "tests/Epochs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

CObservation Epoch(int day, int month, int year, int hour = 0, int minute = 0, float second = 0.0f)
{
    return UtEpoch(day, month, year, hour, minute, second, std::nullopt);
}

CTimeTerms TermsOf(const CObservation& observation)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    return terms;
}

} // namespace

TEST(JulianDay, OfTheDefaultEpoch)
{
    const CTimeTerms terms = TermsOf(CObservation());
    EXPECT_EQ(terms.m_julianDay0, 2453823.5);
    EXPECT_NEAR(terms.m_deltaTUsed, 27.26 * std::pow(75327.0 / 36525.0, 2) - 44.3, 1e-4);
    EXPECT_NEAR(terms.m_deltaTUsed, 71.6, 0.05);
}

// The document's time terms take the one calendar: the day after 1582
// October 4 (Julian) is October 15 (Gregorian), and 1582 December 1 is the
// Gregorian date (JD 2299207.5), not the Julian one eleven days later.
TEST(JulianDay, TheDocumentCountsTheGregorianCalendarFromItsFirstDay)
{
    EXPECT_EQ(TermsOf(Epoch(4, 10, 1582, 0)).m_julianDay0, 2299159.5);
    EXPECT_EQ(TermsOf(Epoch(15, 10, 1582, 0)).m_julianDay0, 2299160.5);
    EXPECT_EQ(TermsOf(Epoch(1, 12, 1582, 0)).m_julianDay0, 2299207.5);
}

TEST(TimeTerms, GivenDeltaTIsCopiedAndEntersTheTimeArgument)
{
    CObservation observation = Epoch(1, 1, 2000, 12);
    observation.m_deltaTAuto = false;
    observation.m_deltaT = 0.0f;
    CTimeTerms terms = TermsOf(observation);
    EXPECT_EQ(terms.m_deltaTUsed, 0.0f);
    EXPECT_DOUBLE_EQ(terms.m_millennia2000TT, 0.0);

    observation.m_deltaT = 64.5f;
    terms = TermsOf(observation);
    EXPECT_EQ(terms.m_deltaTUsed, 64.5f);
    EXPECT_NEAR(terms.m_millennia2000TT, 64.5 / 86400.0 / 365250.0, 1e-18);
}

TEST(TimeTerms, AutomaticDeltaTDependsOnTheDateOnly)
{
    EXPECT_EQ(TermsOf(Epoch(29, 3, 2006, 0)).m_deltaTUsed, TermsOf(Epoch(29, 3, 2006, 23, 59)).m_deltaTUsed);
}

TEST(TimeTerms, CenturiesFrom1900AreThoseOfTheDate)
{
    EXPECT_DOUBLE_EQ(TermsOf(Epoch(1, 1, 2000, 18)).m_centuries1900, (2451544.5 - 2415020.0) / 36525.0);
}

TEST(TimeTerms, NegativeSecondsShiftTheInstant)
{
    CObservation observation = Epoch(1, 1, 2000, 12, 0, -30.0f);
    observation.m_deltaTAuto = false;
    EXPECT_NEAR(TermsOf(observation).m_millennia2000TT, -30.0 / 86400.0 / 365250.0, 1e-18);
}

TEST(SiderealTime, MatchesTheNewcombFormulaAtMidnight)
{
    CObservation observation = Epoch(1, 1, 2000);
    observation.m_deltaTAuto = false;
    const CTimeTerms terms = TermsOf(observation);
    const double t = terms.m_centuries1900;
    double hours = 6.64606555556 + (8640184.542 * t + 0.0929 * t * t) / 3600.0;
    hours = std::fmod(hours, 24.0);
    EXPECT_NEAR(terms.m_siderealTime, hours * std::numbers::pi / 12.0, 1e-12);
    // 1 January 2000, 0 h UT: about 6 h 39 min.
    EXPECT_NEAR(terms.m_siderealTime * 12.0 / std::numbers::pi, 6.6645, 0.001);
}

TEST(SiderealTime, StaysWithinOneTurnForAnyEpoch)
{
    for (int year : {-24999, -500, 0, 1582, 2006, 24999}) {
        for (int hour : {0, 7, 23, 75}) {
            const CTimeTerms terms = TermsOf(Epoch(15, 6, year, hour));
            EXPECT_GE(terms.m_siderealTime, 0.0) << year << " " << hour;
            EXPECT_LT(terms.m_siderealTime, 2.0 * std::numbers::pi) << year << " " << hour;
        }
    }
}
