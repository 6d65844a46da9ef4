// The eclipse search against the published canon: circumstances of three
// recent eclipses, the counts of two centuries type by type, the Saros
// series, and the mean-element predictor against the full ephemeris.
#include "core/Calendar.h"
#include "core/Cancellation.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "core/WorkerPool.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/search/NewMoonPredictor.h"
#include "eclipse/search/Saros.h"
#include "tests/eclipse/EclipseTestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <tuple>
#include <vector>

namespace {

using EclipseSearchTest = EclipseDataTest;

Instant Midnight(int year, int month, int day)
{
    return Instant::FromJulianDate(JulianDateAtMidnight(year, month, day));
}

double SecondsOfDay(const CivilDateTime& civil)
{
    return civil.hour * kSecondsPerHour + civil.minute * kSecondsPerMinute + civil.second;
}

// Great-circle distance on a sphere of mean radius, km.
double DistanceKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double p1 = latitude1 * kDegreesToRadians;
    const double p2 = latitude2 * kDegreesToRadians;
    const double dl = (longitude2 - longitude1) * kDegreesToRadians;
    const double a = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    return 2.0 * 6371.0 * std::asin(std::sqrt(a));
}

// Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA
// TP-2006-214141) and NASA's eclipse pages, with the Delta T they state.
struct PublishedEclipse {
    int year, month, day;
    double deltaT;
    double greatestSeconds;  // of the day
    bool greatestInUt;       // else TT
    EclipseType type;
    double gamma, magnitude;
    std::optional<double> latitude, longitude;  // degrees, east positive
    double durationSeconds, widthKm;
    int saros;
};

const std::vector<PublishedEclipse> kPublished = {
    {2006, 3, 29, 64.9, 10 * 3600 + 11 * 60 + 18, true, EclipseType::Total, 0.3843, 1.0515, std::nullopt, std::nullopt,
     4 * 60 + 7, 184, 139},
    {2024, 4, 8, 69.1, 18 * 3600 + 17 * 60 + 20, true, EclipseType::Total, 0.3431, 1.0566, 25.29, -104.15, 4 * 60 + 28, 198,
     139},
    {2023, 10, 14, 69.1, 18 * 3600 + 0 * 60 + 41, false, EclipseType::Annular, 0.3753, 0.952, std::nullopt, std::nullopt,
     5 * 60 + 17, 187, 134},
};

TEST_F(EclipseSearchTest, AgreesWithTheCanonAtGreatestEclipse)
{
    for (const PublishedEclipse& p : kPublished) {
        const Ephemeris ephemeris = EclipseEphemeris(p.deltaT);
        const std::optional<EclipseSummary> e = FindEclipseOnUniversalDate(ephemeris, p.year, p.month, p.day);
        ASSERT_TRUE(e.has_value()) << p.year << "-" << p.month << "-" << p.day;
        const CivilDateTime greatest = p.greatestInUt ? UniversalCivilOf(e->greatest, ephemeris.DeltaT())
                                                      : CivilFromJulianDate(e->greatest.WholeDays(), e->greatest.DayFraction());
        EXPECT_NEAR(SecondsOfDay(greatest), p.greatestSeconds, 10.0) << p.year;
        EXPECT_EQ(e->type, p.type) << p.year;
        EXPECT_NEAR(e->gamma, p.gamma, 5e-4) << p.year;
        EXPECT_NEAR(e->magnitude, p.magnitude, 5e-4) << p.year;
        ASSERT_TRUE(e->durationSeconds && e->widthKm) << p.year;
        EXPECT_NEAR(*e->durationSeconds, p.durationSeconds, 2.0) << p.year;
        EXPECT_NEAR(*e->widthKm, p.widthKm, 3.0) << p.year;
        EXPECT_EQ(e->saros, p.saros) << p.year;
        EXPECT_DOUBLE_EQ(e->deltaT, p.deltaT) << p.year;
        if (p.latitude) {
            EXPECT_LT(DistanceKm(e->latitude, e->longitude, *p.latitude, *p.longitude), 5.0) << p.year;
        }
    }
}

struct CenturyCount {
    int firstYear, lastYear;
    int partial, annular, total, hybrid;
};

// The canon's counts of the two centuries (Espenak & Meeus, NASA
// TP-2006-214141), here by the TT date of greatest eclipse: no eclipse lies
// near enough the ends of a century for Delta T to move it across.
const std::vector<CenturyCount> kCanonCounts = {
    {1901, 2000, 78, 73, 71, 6},
    {2001, 2100, 77, 72, 68, 7},
};

TEST_F(EclipseSearchTest, FindsTheCanonsEclipsesOfTwoCenturiesTypeByType)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const CenturyCount& century : kCanonCounts) {
        std::map<EclipseType, int> counts;
        const std::vector<EclipseSummary> eclipses = FindEclipses(
            ephemeris, Midnight(century.firstYear, 1, 1), Midnight(century.lastYear + 1, 1, 1));
        for (const EclipseSummary& e : eclipses) {
            ++counts[e.type];
        }
        EXPECT_EQ(counts[EclipseType::Partial], century.partial) << century.firstYear;
        EXPECT_EQ(counts[EclipseType::Annular], century.annular) << century.firstYear;
        EXPECT_EQ(counts[EclipseType::Total], century.total) << century.firstYear;
        EXPECT_EQ(counts[EclipseType::Hybrid], century.hybrid) << century.firstYear;
    }
}

TEST_F(EclipseSearchTest, ClassesTheCanonsHybridsOfThe21stCentury)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    const std::vector<std::array<int, 3>> hybrids = {{2005, 4, 8},   {2013, 11, 3}, {2023, 4, 20}, {2031, 11, 14},
                                                     {2049, 11, 25}, {2050, 5, 20}, {2067, 12, 6}};
    for (const auto& [year, month, day] : hybrids) {
        const std::optional<EclipseSummary> e = FindEclipseOnUniversalDate(ephemeris, year, month, day);
        ASSERT_TRUE(e.has_value()) << year;
        EXPECT_EQ(e->type, EclipseType::Hybrid) << year;
    }
}

TEST_F(EclipseSearchTest, GivesANonCentralEclipseNeitherDurationNorWidth)
{
    // 2043 April 9: the umbra grazes the Earth near the pole, the axis misses it (gamma 1.0031).
    const std::optional<EclipseSummary> e = FindEclipseOnUniversalDate(EclipseEphemeris(std::nullopt), 2043, 4, 9);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->type, EclipseType::Total);
    EXPECT_NEAR(e->gamma, 1.0031, 5e-4);
    EXPECT_GT(e->magnitude, 1.0);
    EXPECT_NEAR(e->sunAltitude, 0.0, 1e-6);
    EXPECT_FALSE(e->durationSeconds.has_value());
    EXPECT_FALSE(e->widthKm.has_value());
}

TEST_F(EclipseSearchTest, FindsNoEclipseOnADateWithoutOne)
{
    const Ephemeris ephemeris = EclipseEphemeris(69.1);
    EXPECT_FALSE(FindEclipseOnUniversalDate(ephemeris, 2024, 4, 9).has_value());
    EXPECT_FALSE(FindEclipseOnUniversalDate(ephemeris, 2024, 4, 7).has_value());
    EXPECT_FALSE(FindEclipseOnUniversalDate(ephemeris, 2024, 7, 1).has_value());
}

TEST_F(EclipseSearchTest, CoversTheFirstAndLastYearsOfTheRange)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const int year : {kFirstSearchYear, kLastSearchYear}) {
        const std::vector<EclipseSummary> eclipses = FindEclipses(ephemeris, Midnight(year, 1, 1), Midnight(year + 1, 1, 1));
        EXPECT_GE(eclipses.size(), 2u) << year;
        EXPECT_LE(eclipses.size(), 5u) << year;
        for (const EclipseSummary& e : eclipses) {
            EXPECT_TRUE(std::isfinite(e.gamma) && std::isfinite(e.magnitude) && std::isfinite(e.latitude) &&
                        std::isfinite(e.longitude) && std::isfinite(e.sunAltitude))
                << year;
            EXPECT_LT(std::abs(e.gamma), 1.6) << year;
            EXPECT_GT(e.magnitude, 0.0) << year;
        }
    }
}

TEST_F(EclipseSearchTest, RefusesInstantsOutsideTheRangeAndReversedRanges)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    EXPECT_THROW(FindEclipses(ephemeris, Midnight(-2500, 1, 1), Midnight(-2400, 1, 1)), std::out_of_range);
    EXPECT_THROW(FindEclipses(ephemeris, Midnight(3000, 1, 1), Midnight(3100, 1, 1)), std::out_of_range);
    EXPECT_THROW(FindEclipses(ephemeris, Midnight(2025, 1, 1), Midnight(2024, 1, 1)), std::invalid_argument);
    EXPECT_THROW(FindEclipseOnUniversalDate(EclipseEphemeris(1e12), 2024, 4, 8), std::out_of_range);
}

auto FieldsOf(const EclipseSummary& e)
{
    return std::tuple(e.greatest, e.deltaT, e.type, e.gamma, e.magnitude, e.latitude, e.longitude, e.sunAltitude,
                      e.durationSeconds, e.widthKm, e.saros);
}

// The candidates are refined each on its own, whichever thread takes it:
// one thread and four find the canon's 224 eclipses of the 21st century,
// the same to the last bit.
TEST_F(EclipseSearchTest, FindsTheSameEclipsesOnOneThreadAsOnFour)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    WorkerPool one(1);
    WorkerPool four(4);
    const std::vector<EclipseSummary> alone = FindEclipses(ephemeris, Midnight(2001, 1, 1), Midnight(2101, 1, 1), {}, one);
    const std::vector<EclipseSummary> shared = FindEclipses(ephemeris, Midnight(2001, 1, 1), Midnight(2101, 1, 1), {}, four);
    ASSERT_EQ(alone.size(), 224u);
    ASSERT_EQ(shared.size(), alone.size());
    for (std::size_t i = 0; i < alone.size(); ++i) {
        EXPECT_TRUE(FieldsOf(shared[i]) == FieldsOf(alone[i])) << i;
    }
}

// A search abandoned by its caller raises OperationCancelled, whatever the
// pool.
TEST_F(EclipseSearchTest, AnAbandonedSearchEndsWithoutAResult)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    std::stop_source abandoned;
    abandoned.request_stop();
    for (const std::size_t threads : {std::size_t{1}, std::size_t{2}}) {
        WorkerPool pool(threads);
        EXPECT_THROW(FindEclipses(ephemeris, Midnight(1900, 1, 1), Midnight(2100, 1, 1), abandoned.get_token(), pool),
                     OperationCancelled)
            << threads;
    }
}

TEST_F(EclipseSearchTest, PredictorPlacesEveryEclipseWithinMinutes)
{
    // The mean elements against the full ephemeris, near our era and at both
    // ends of the range: the time within a few minutes, gamma within 0.01.
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const int year : {-1999, -500, 1000, 2000, 2990}) {
        for (const EclipseSummary& e : FindEclipses(ephemeris, Midnight(year, 1, 1), Midnight(year + 10, 1, 1))) {
            const PredictedNewMoon predicted = PredictNewMoon(LunationNearest(e.greatest.JulianDate()));
            EXPECT_TRUE(MayBeSolarEclipse(predicted)) << year;
            EXPECT_NEAR((predicted.julianDate - e.greatest.JulianDate()) * kHoursPerDay, 0.0, 0.1) << year;
            EXPECT_NEAR(predicted.gamma, e.gamma, 0.01) << year;
        }
    }
}

} // namespace

// Meeus, Astronomical Algorithms (2nd ed., 1998), example 54.a: the partial
// eclipse of 1993 May 21.
TEST(NewMoonPredictor, ReproducesMeeusExample54a)
{
    const PredictedNewMoon newMoon = PredictNewMoon(-82);
    EXPECT_TRUE(newMoon.nearNode);
    EXPECT_NEAR(newMoon.julianDate, 2449129.0979, 1e-4);
    EXPECT_NEAR(newMoon.gamma, 1.1348, 1e-4);
    EXPECT_NEAR(newMoon.umbralRadius, 0.0097, 1e-4);
}

// The Saros series the canon gives with its lunation numbers (new moons
// from 2000 January 6).
TEST(SarosSeries, NumbersSeriesAsTheCanon)
{
    const std::vector<std::pair<int, int>> lunationAndSeries = {
        {-48658, 1},  // -1935 Dec 18
        {-47625, 7},  // -1851 Jun 25
        {-46915, 4},  // -1794 Nov 19
        {-42871, 29}, // -1467 Nov 4
        {-39819, 45}, // -1220 Aug 7
        {-28487, 48}, // -304 Oct 18
        {-27712, 62}, // -241 Jun 15
        {-16702, 94}, // 649 Aug 13
        {77, 139},    // 2006 Mar 29
        {294, 134},   // 2023 Oct 14
        {300, 139},   // 2024 Apr 8
    };
    for (const auto& [lunation, series] : lunationAndSeries) {
        EXPECT_EQ(SarosSeries(lunation), series) << lunation;
    }
}
