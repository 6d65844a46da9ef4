// Delta T's uncertainty: the chance that a place saw the central phase and
// the band where the central phase may fall, each against a second route
// (the local circumstances computed afresh for each Delta T), and the
// elements under another Delta T against those the ephemeris gives for it.
#include "core/Units.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "eclipse/uncertainty/CentralLongitudes.h"
#include "eclipse/uncertainty/DeltaTShift.h"
#include "eclipse/uncertainty/UncertainBand.h"
#include "ephemeris/Ephemeris.h"
#include "tests/eclipse/EclipseTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using UncertaintyTest = EclipseDataTest;

struct Eclipse {
    EclipseSummary summary;
    FittedElements elements;
};

// The eclipse of a date (UT) under the modern model, its own Delta T or the one given.
Eclipse EclipseOf(int year, int month, int day, std::optional<double> deltaT = std::nullopt)
{
    const Ephemeris ephemeris = Ephemeris::Load(EclipseDataDirectory(), ModernModel(deltaT));
    const std::optional<EclipseSummary> summary = FindEclipseOnUniversalDate(ephemeris, year, month, day);
    EXPECT_TRUE(summary.has_value()) << year << "-" << month << "-" << day;
    return summary ? Eclipse{*summary, FitElements(ephemeris, summary->greatest).elements} : Eclipse{};
}

bool CentralSeenAt(const FittedElements& elements, const GeographicPlace& place, double addedDeltaT)
{
    return LocalCircumstancesAt(WithAddedDeltaT(elements, addedDeltaT), place).CentralSeen();
}

// Kilometres from a point to the nearest segment of a path's central line,
// in the plane tangent at the point (enough for a few kilometres).
double KmFromCentralLine(const PathVertex& point, const EclipsePath& path)
{
    constexpr double kKmPerDegree = 111.195;
    const double east = std::cos(point.latitude * kDegreesToRadians);
    const auto planar = [&](const PathVertex& v) {
        return std::pair{std::remainder(v.longitude - point.longitude, 360.0) * east * kKmPerDegree,
                         (v.latitude - point.latitude) * kKmPerDegree};
    };
    double nearest = std::numeric_limits<double>::infinity();
    for (const std::vector<CentralVertex>& run : path.centralLine) {
        for (std::size_t i = 1; i < run.size(); ++i) {
            const auto [ax, ay] = planar(run[i - 1].place);
            const auto [bx, by] = planar(run[i].place);
            const double length2 = (bx - ax) * (bx - ax) + (by - ay) * (by - ay);
            const double along = length2 > 0.0 ? std::clamp(-(ax * (bx - ax) + ay * (by - ay)) / length2, 0.0, 1.0) : 0.0;
            nearest = std::min(nearest, std::hypot(ax + along * (bx - ax), ay + along * (by - ay)));
        }
    }
    return nearest;
}

// The x below which the standard normal distribution holds p, by bisection.
double NormalQuantile(double p)
{
    double low = -40.0;
    double high = 40.0;
    for (int i = 0; i < 100; ++i) {
        const double middle = 0.5 * (low + high);
        (0.5 * std::erfc(-middle / std::numbers::sqrt2) < p ? low : high) = middle;
    }
    return 0.5 * (low + high);
}

// A shadow whose umbra, a Earth radius across, sweeps the far north in
// midsummer: every place of the parallel 80 N sees it, none south of 30 S.
FittedElements SweepingTheArctic()
{
    FittedElements elements;
    elements.t0 = Instant::FromJulianDate(2451545.0, 0.0);
    elements.x.coefficients = {0.0, 0.5};
    elements.y.coefficients = {0.92};
    elements.d.coefficients = {20.0 * kDegreesToRadians};
    elements.l1.coefficients = {1.0};
    elements.l2.coefficients = {-0.5};
    elements.mu.coefficients = {0.0, kRadiansPerHour};
    elements.validFrom = -3.0;
    elements.validTo = 3.0;
    return elements;
}

} // namespace

TEST(CentralChance, EmptyAndWholeRangesGiveZeroAndOneNeverNaN)
{
    const FittedElements arctic = SweepingTheArctic();
    struct Case {
        GeographicPlace place;
        double sigma;
        double probability;
        bool whole;
    };
    const double nan = std::nan("");
    for (const Case& c : {Case{{10.0, 80.0, 0.0}, 300.0, 1.0, true}, Case{{10.0, 80.0, 0.0}, 0.0, 1.0, true},
                          Case{{10.0, 80.0, 0.0}, nan, 1.0, true}, Case{{10.0, -60.0, 0.0}, 300.0, 0.0, false},
                          Case{{10.0, -60.0, 0.0}, 0.0, 0.0, false}}) {
        SCOPED_TRACE(std::to_string(c.place.latitude) + " sigma " + std::to_string(c.sigma));
        const CentralChance chance = ChanceOfCentral(arctic, c.place, c.sigma);
        EXPECT_EQ(chance.probability, c.probability);
        EXPECT_EQ(CentralLongitudesAt(arctic, c.place.latitude, 0.0).wholeParallel, c.whole);
        EXPECT_EQ(chance.ranges.empty(), !c.whole);
        EXPECT_EQ(chance.likeliest.has_value(), c.whole);
        if (c.whole) {
            EXPECT_NEAR(chance.likeliest->to - chance.likeliest->from, DeltaTPerTurn(), 1e-6);
            EXPECT_EQ(chance.centralType, LocalEclipseType::Total);
        }
    }
}

// The elements under Delta T + s, moved by the Earth's rotation, are those
// the ephemeris fits when given that Delta T.
TEST_F(UncertaintyTest, ShiftedElementsEqualThoseFittedForTheGivenDeltaT)
{
    for (const auto& [year, month, day, added] : {std::tuple{0, 12, 14, -530.0}, std::tuple{1000, 4, 7, 108.0}}) {
        const Eclipse own = EclipseOf(year, month, day);
        const Eclipse given = EclipseOf(year, month, day, own.summary.deltaT + added);
        const FittedElements shifted = WithAddedDeltaT(own.elements, added);
        for (const double hours : {-2.0, 0.0, 2.0}) {
            const double t = hours + own.elements.t0.SecondsSince(given.elements.t0) / 3600.0;
            EXPECT_NEAR(std::remainder(shifted.mu.At(hours) - given.elements.mu.At(t), kTwoPi), 0.0, 2e-7) << year << " " << hours;
            EXPECT_NEAR(shifted.x.At(hours), given.elements.x.At(t), 1e-7) << year << " " << hours;
        }
    }
}

// The band's early and late lines lie on the paths computed afresh for
// Delta T - k sigma and + k sigma, within a few hundred metres.
TEST_F(UncertaintyTest, BandEdgesAreThePathsOfDeltaTLessAndMoreKSigma)
{
    struct Case {
        int year, month, day;
        double sigmas;
    };
    for (const Case& c : {Case{0, 12, 14, 2.0}, Case{1000, 4, 7, 2.0}, Case{1000, 9, 30, 3.0}}) {
        const Eclipse own = EclipseOf(c.year, c.month, c.day);
        ASSERT_TRUE(own.summary.deltaTSigma.has_value());
        const double sigma = *own.summary.deltaTSigma;
        const UncertainBand band = ComputeUncertainBand(own.elements, ComputeEclipsePath(own.elements, 60.0), sigma, c.sigmas);
        EXPECT_FALSE(band.region.empty());
        const std::pair<const std::vector<PathLine>*, double> edges[] = {{&band.centralEarly, -c.sigmas * sigma},
                                                                          {&band.centralLate, c.sigmas * sigma}};
        for (const auto& [lines, added] : edges) {
            SCOPED_TRACE(std::to_string(c.year) + " added " + std::to_string(added));
            const EclipsePath fresh =
                ComputeEclipsePath(EclipseOf(c.year, c.month, c.day, own.summary.deltaT + added).elements, 60.0);
            ASSERT_FALSE(lines->empty());
            ASSERT_FALSE(fresh.centralLine.empty());
            double farthest = 0.0;
            std::size_t vertices = 0;
            for (const PathLine& line : *lines) {
                for (const PathVertex& vertex : line) {
                    farthest = std::max(farthest, KmFromCentralLine(vertex, fresh));
                    ++vertices;
                }
            }
            EXPECT_GT(vertices, 20u);
            EXPECT_LT(farthest, 0.5);
        }
    }
}

// The probability of the central phase against the fraction of 10 000
// Delta T drawn from the same normal distribution for which the local
// circumstances, computed afresh, say central.
TEST_F(UncertaintyTest, ProbabilityOfCentralMatchesSampledDeltaT)
{
    struct Case {
        int year, month, day;
        GeographicPlace place;
    };
    for (const Case& c : {Case{-135, 4, 15, {44.42, 32.55, 0.0}}, Case{29, 11, 24, {36.5, 36.0, 0.0}},
                          Case{1178, 9, 13, {15.55, 37.7, 0.0}}}) {
        const Eclipse own = EclipseOf(c.year, c.month, c.day);
        ASSERT_TRUE(own.summary.deltaTSigma.has_value());
        const double sigma = *own.summary.deltaTSigma;
        const CentralChance chance = ChanceOfCentral(own.elements, c.place, sigma);
        // One draw in each of 10 000 equal slices of the distribution
        // (stratified), so that the fraction's own noise stays well below 0.5 %.
        std::mt19937_64 random(20240415);
        std::uniform_real_distribution<double> within(0.0, 1.0);
        constexpr int kSamples = 10000;
        int central = 0;
        for (int i = 0; i < kSamples; ++i) {
            const double added = sigma * NormalQuantile((i + within(random)) / kSamples);
            central += CentralSeenAt(own.elements, c.place, added) ? 1 : 0;
        }
        const double fraction = static_cast<double>(central) / kSamples;
        SCOPED_TRACE(std::to_string(c.year) + ": probability " + std::to_string(chance.probability) + ", sampled " +
                     std::to_string(fraction));
        EXPECT_NEAR(chance.probability, fraction, 0.005);
        // Neither certain nor impossible, so that the comparison means something.
        EXPECT_GT(chance.probability, 0.05);
        EXPECT_LT(chance.probability, 0.95);
        // Each range's ends are where the local circumstances change their answer.
        for (const DeltaTRange& range : chance.ranges) {
            const double from = range.from - own.elements.deltaT;
            const double to = range.to - own.elements.deltaT;
            EXPECT_TRUE(CentralSeenAt(own.elements, c.place, from + 0.5));
            EXPECT_TRUE(CentralSeenAt(own.elements, c.place, to - 0.5));
            EXPECT_FALSE(CentralSeenAt(own.elements, c.place, from - 0.5));
            EXPECT_FALSE(CentralSeenAt(own.elements, c.place, to + 0.5));
        }
    }
}
