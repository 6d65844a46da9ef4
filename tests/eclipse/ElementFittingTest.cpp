// The fitted Besselian elements of one eclipse: against the published
// elements of 2006 March 29, and against ElementsAt itself across the
// validity window of eclipses of five millennia.
#include "core/Calendar.h"
#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/ElementFitting.h"
#include "eclipse/search/EclipseSearch.h"
#include "tests/eclipse/EclipseTestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using ElementFittingTest = EclipseDataTest;

Instant TT(int year, int month, int day, double hours)
{
    return Instant::FromJulianDate(JulianDateAtMidnight(year, month, day), hours / kHoursPerDay);
}

// The greatest eclipse of 2006 March 29, 10:12:23 TT.
Instant Greatest2006()
{
    return TT(2006, 3, 29, 10.0 + 12.0 / 60.0 + 23.0 / 3600.0);
}

struct PublishedRow {
    const char* element;
    std::vector<double> published;  // n = 0, 1, ... as printed (blank terms left out)
    double tolerance;
};

// Espenak (NASA), polynomial Besselian elements of the total eclipse of 2006
// March 29, T0 = 10:00:00 TDT, Delta T 64.9 s; computed from another
// ephemeris, hence the tolerances. d and mu in degrees, mu the ephemeris
// hour angle.
const std::vector<PublishedRow> kPublished2006 = {
    {"x", {-0.2899179, 0.5060887, 0.0000181, -0.0000083}, 2e-4},
    {"y", {0.2790394, 0.2789923, -0.0000386, -0.0000048}, 2e-4},
    {"d", {3.3988402, 0.0155571, -0.0000008}, 5e-4},
    {"l1", {0.5370220, 0.0000644, -0.0000127}, 5e-5},
    {"l2", {-0.0090899, 0.0000641, -0.0000127}, 5e-5},
    {"mu", {328.793701, 15.004370}, 0.01},
};

Polynomial Fitted(const FittedElements& e, const std::string& element)
{
    Polynomial p = element == "x" ? e.x : element == "y" ? e.y : element == "d" ? e.d : element == "l1" ? e.l1 : element == "l2" ? e.l2 : EphemerisHourAngle(e);
    if (element == "d" || element == "mu") {
        for (double& c : p.coefficients) {
            c *= kRadiansToDegrees;
        }
    }
    return p;
}

TEST_F(ElementFittingTest, MatchesThePublishedElementsOf2006March29)
{
    const FittedElementsReport report = FitElements(EclipseEphemeris(64.9), Greatest2006());
    const FittedElements& e = report.elements;
    EXPECT_NEAR(e.t0.SecondsSince(TT(2006, 3, 29, 10.0)), 0.0, 1e-3);
    EXPECT_DOUBLE_EQ(e.deltaT, 64.9);
    for (const PublishedRow& row : kPublished2006) {
        const Polynomial fitted = Fitted(e, row.element);
        for (std::size_t n = 0; n < row.published.size(); ++n) {
            EXPECT_NEAR(fitted.coefficients[n], row.published[n], row.tolerance) << row.element << " n = " << n;
        }
    }
    EXPECT_NEAR(e.tanF1, 0.0046826, 5e-7);
    EXPECT_NEAR(e.tanF2, 0.0046593, 5e-7);
}

struct Deviations {
    double x = 0, y = 0, l1 = 0, l2 = 0, d = 0, mu = 0;  // Earth radii; radians for d and mu
};

Deviations LargestDeviations(const Ephemeris& ephemeris, const FittedElements& e)
{
    Deviations most;
    constexpr int kChecks = 120;
    for (int i = 0; i <= kChecks; ++i) {
        const double hours = e.validFrom + (e.validTo - e.validFrom) * i / kChecks;
        const BesselianElements fitted = e.At(hours);
        const BesselianElements exact = ElementsAt(ephemeris, e.InstantOf(hours));
        most.x = std::max(most.x, std::abs(fitted.x - exact.x));
        most.y = std::max(most.y, std::abs(fitted.y - exact.y));
        most.l1 = std::max(most.l1, std::abs(fitted.l1 - exact.l1));
        most.l2 = std::max(most.l2, std::abs(fitted.l2 - exact.l2));
        most.d = std::max(most.d, std::abs(fitted.d - exact.d));
        most.mu = std::max(most.mu, std::abs(std::remainder(fitted.mu - exact.mu, kTwoPi)));
    }
    return most;
}

// Eclipses of every kind, near our era and at both ends of the range (TT,
// a few minutes from greatest eclipse).
struct Case {
    const char* name;
    Instant nearGreatest;
};

std::vector<Case> Cases()
{
    return {{"2006-03-29 total", Greatest2006()},
            {"2024-04-08 total", TT(2024, 4, 8, 18.3)},
            {"2023-10-14 annular", TT(2023, 10, 14, 18.0)},
            {"2011-01-04 partial", TT(2011, 1, 4, 8.9)},
            {"2043-04-09 non-central total", TT(2043, 4, 9, 19.0)},
            {"-1999-06-12 total", TT(-1999, 6, 12, 2.3)},
            {"3000-10-19 hybrid", TT(3000, 10, 19, 16.1)}};
}

TEST_F(ElementFittingTest, ReproducesElementsAtAcrossTheWindow)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const Case& c : Cases()) {
        const FittedElementsReport report = FitElements(ephemeris, c.nearGreatest);
        const Deviations most = LargestDeviations(ephemeris, report.elements);
        EXPECT_LT(most.x, 1e-6) << c.name;
        EXPECT_LT(most.y, 1e-6) << c.name;
        EXPECT_LT(most.l1, 1e-6) << c.name;
        EXPECT_LT(most.l2, 1e-6) << c.name;
        EXPECT_LT(most.d * kRadiansToDegrees, 1e-5) << c.name;
        EXPECT_LT(most.mu * kRadiansToDegrees, 1e-5) << c.name;
    }
}

TEST_F(ElementFittingTest, ReportsTheLargestResidualOfEachFit)
{
    const Ephemeris ephemeris = EclipseEphemeris(69.1);
    const FittedElementsReport report = FitElements(ephemeris, TT(2024, 4, 8, 18.3));
    const Deviations most = LargestDeviations(ephemeris, report.elements);
    // The residuals at the samples are the largest over the window, within
    // what the checks between the samples add and the rounding of
    // ElementsAt itself (some 1e-11).
    const std::vector<std::pair<double, double>> pairs = {{report.residuals.x, most.x},   {report.residuals.y, most.y},
                                                          {report.residuals.l1, most.l1}, {report.residuals.l2, most.l2},
                                                          {report.residuals.d, most.d},   {report.residuals.mu, most.mu}};
    for (const auto& [reported, checked] : pairs) {
        EXPECT_GE(reported * 1.05 + 1e-10, checked);
        EXPECT_LE(reported, checked * 1.05 + 1e-10);
    }
}

// The penumbra on a spherical Earth: outside it at both ends of the window,
// on it at greatest eclipse.
double PenumbralGap(const BesselianElements& e)
{
    return std::hypot(e.x, e.y) - 1.0 - e.l1;
}

TEST_F(ElementFittingTest, WindowRunsFromBeforeFirstToAfterLastContact)
{
    const Ephemeris ephemeris = EclipseEphemeris(std::nullopt);
    for (const Case& c : Cases()) {
        const FittedElements e = FitElements(ephemeris, c.nearGreatest).elements;
        EXPECT_GT(PenumbralGap(ElementsAt(ephemeris, e.InstantOf(e.validFrom))), 0.0) << c.name;
        EXPECT_GT(PenumbralGap(ElementsAt(ephemeris, e.InstantOf(e.validTo))), 0.0) << c.name;
        EXPECT_LT(PenumbralGap(ElementsAt(ephemeris, c.nearGreatest)), 0.0) << c.name;
        EXPECT_LT(e.validTo - e.validFrom, 8.0) << c.name;
    }
}

TEST_F(ElementFittingTest, GivesTheSameElementsFromAnInstantHoursAway)
{
    const Ephemeris ephemeris = EclipseEphemeris(64.9);
    const FittedElements near = FitElements(ephemeris, Greatest2006()).elements;
    for (const double hours : {-3.0, 2.0, 5.0}) {
        const FittedElements far = FitElements(ephemeris, Greatest2006().PlusSeconds(hours * kSecondsPerHour)).elements;
        EXPECT_NEAR(far.t0.SecondsSince(near.t0), 0.0, 1e-3) << hours;
        EXPECT_NEAR(far.x.coefficients[0], near.x.coefficients[0], 1e-6) << hours;
        EXPECT_NEAR(far.y.coefficients[1], near.y.coefficients[1], 1e-6) << hours;
        EXPECT_NEAR(far.validFrom, near.validFrom, 1e-3) << hours;
    }
}

} // namespace
