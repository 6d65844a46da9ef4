#include "eclipse/ElementFitting.h"

#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/PolynomialFit.h"
#include "ephemeris/Ephemeris.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Nine Chebyshev-Lobatto nodes: the ends of the interval and the extrema of
// T4 and T8, where the error of a cubic fit peaks, so that the residuals at
// the samples are the largest over the window.
constexpr std::size_t kSamples = 9;
constexpr std::size_t kDegree = 3;
// The first sampling spans the longest eclipses (P1 to P4 lasts at most
// some 6.5 hours) about the instant given.
constexpr double kFirstHalfSpanHours = 4.0;
// The window reaches this far beyond P1 and P4.
constexpr double kMarginHours = 0.25;
// Search steps for the contacts, hours.
constexpr double kContactStepHours = 0.25;
constexpr double kLongestHalfEclipseHours = 5.0;

struct Samples {
    std::array<double, kSamples> hours = {};  // from the instant given
    std::array<BesselianElements, kSamples> elements = {};
};

Samples SampleAround(const Ephemeris& ephemeris, const Instant& centre, double from, double to)
{
    Samples samples;
    const double middle = 0.5 * (from + to);
    const double half = 0.5 * (to - from);
    for (std::size_t k = 0; k < kSamples; ++k) {
        // Increasing time order, for the unwrapping of mu.
        const double node = -std::cos(kPi * static_cast<double>(k) / (kSamples - 1));
        samples.hours[k] = middle + half * node;
        samples.elements[k] = ElementsAt(ephemeris, centre.PlusSeconds(samples.hours[k] * kSecondsPerHour));
    }
    return samples;
}

template <typename Field>
std::array<double, kSamples> Column(const Samples& samples, Field field)
{
    std::array<double, kSamples> values = {};
    for (std::size_t k = 0; k < kSamples; ++k) {
        values[k] = samples.elements[k].*field;
    }
    return values;
}

double Binomial(std::size_t n, std::size_t k)
{
    double value = 1.0;
    for (std::size_t i = 1; i <= k; ++i) {
        value = value * static_cast<double>(n - k + i) / static_cast<double>(i);
    }
    return value;
}

// p(t + shift) as a polynomial in t.
Polynomial Shifted(const Polynomial& p, double shift)
{
    Polynomial shifted;
    for (std::size_t i = 0; i < p.coefficients.size(); ++i) {
        for (std::size_t j = 0; j <= i; ++j) {
            shifted.coefficients[j] += p.coefficients[i] * Binomial(i, j) * std::pow(shift, static_cast<double>(i - j));
        }
    }
    return shifted;
}

double LargestResidual(const Polynomial& p, const std::array<double, kSamples>& hours,
                       const std::array<double, kSamples>& values)
{
    double largest = 0.0;
    for (std::size_t k = 0; k < kSamples; ++k) {
        largest = std::max(largest, std::abs(p.At(hours[k]) - values[k]));
    }
    return largest;
}

struct Fit {
    Polynomial polynomial;
    double residual = 0.0;
};

Fit FitColumn(const std::array<double, kSamples>& hours, const std::array<double, kSamples>& values, std::size_t degree)
{
    Fit fit;
    fit.polynomial = FitPolynomial(hours, values, degree);
    fit.residual = LargestResidual(fit.polynomial, hours, values);
    return fit;
}

// Every element fitted in hours from the instant given.
struct ElementFits {
    Fit x, y, d, l1, l2, mu, tanF1, tanF2;
};

ElementFits FitSamples(const Samples& samples)
{
    ElementFits fits;
    fits.x = FitColumn(samples.hours, Column(samples, &BesselianElements::x), kDegree);
    fits.y = FitColumn(samples.hours, Column(samples, &BesselianElements::y), kDegree);
    fits.d = FitColumn(samples.hours, Column(samples, &BesselianElements::d), kDegree);
    fits.l1 = FitColumn(samples.hours, Column(samples, &BesselianElements::l1), kDegree);
    fits.l2 = FitColumn(samples.hours, Column(samples, &BesselianElements::l2), kDegree);
    std::array<double, kSamples> mu = Column(samples, &BesselianElements::mu);
    UnwrapAngles(mu);
    fits.mu = FitColumn(samples.hours, mu, kDegree);
    fits.tanF1 = FitColumn(samples.hours, Column(samples, &BesselianElements::tanF1), 0);
    fits.tanF2 = FitColumn(samples.hours, Column(samples, &BesselianElements::tanF2), 0);
    return fits;
}

double GreatestEclipseHours(const ElementFits& fits, double from, double to)
{
    return LeastAxisDistanceHours(fits.x.polynomial, fits.y.polynomial, 0.5 * (from + to));
}

// How far the penumbra is from touching the Earth (a sphere is close enough
// to place the window): positive outside the eclipse.
double PenumbralGap(const ElementFits& fits, double t)
{
    return std::hypot(fits.x.polynomial.At(t), fits.y.polynomial.At(t)) - 1.0 - fits.l1.polynomial.At(t);
}

// The first or last contact of the penumbra (P1 or P4) seen from greatest
// eclipse, stepping in the given direction and then bisecting; the whole
// search span when the penumbra misses the Earth.
double PenumbralContact(const ElementFits& fits, double greatest, double direction)
{
    if (PenumbralGap(fits, greatest) >= 0.0) {
        return greatest + direction * kFirstHalfSpanHours;
    }
    double inside = greatest;
    double outside = greatest;
    for (double step = kContactStepHours; step <= kLongestHalfEclipseHours; step += kContactStepHours) {
        outside = greatest + direction * step;
        if (PenumbralGap(fits, outside) >= 0.0) {
            break;
        }
        inside = outside;
    }
    for (int iteration = 0; iteration < 40; ++iteration) {
        const double middle = 0.5 * (inside + outside);
        (PenumbralGap(fits, middle) < 0.0 ? inside : outside) = middle;
    }
    return 0.5 * (inside + outside);
}

// Hours from the centre of the sampling to the whole TT hour nearest
// greatest eclipse. Julian days begin at noon: whole hours of the day
// fraction are whole hours of the clock.
double WholeHourShift(const Instant& centre, double greatestHours)
{
    const Instant greatest = centre.PlusSeconds(greatestHours * kSecondsPerHour);
    const Instant t0 = Instant::FromJulianDate(greatest.WholeDays(), std::round(greatest.DayFraction() * kHoursPerDay) / kHoursPerDay);
    return t0.SecondsSince(centre) / kSecondsPerHour;
}

Polynomial ReducedMu(Polynomial mu)
{
    const double turns = std::floor(mu.coefficients[0] / kTwoPi);
    mu.coefficients[0] -= turns * kTwoPi;
    return mu;
}

FittedElementsReport Report(const ElementFits& fits, const Instant& centre, double shift, double from, double to,
                            double deltaT)
{
    FittedElementsReport report;
    FittedElements& elements = report.elements;
    elements.t0 = centre.PlusSeconds(shift * kSecondsPerHour);
    elements.deltaT = deltaT;
    elements.x = Shifted(fits.x.polynomial, shift);
    elements.y = Shifted(fits.y.polynomial, shift);
    elements.d = Shifted(fits.d.polynomial, shift);
    elements.l1 = Shifted(fits.l1.polynomial, shift);
    elements.l2 = Shifted(fits.l2.polynomial, shift);
    elements.mu = ReducedMu(Shifted(fits.mu.polynomial, shift));
    elements.tanF1 = fits.tanF1.polynomial.coefficients[0];
    elements.tanF2 = fits.tanF2.polynomial.coefficients[0];
    elements.validFrom = from - shift;
    elements.validTo = to - shift;
    report.residuals = {fits.x.residual,  fits.y.residual,  fits.d.residual,     fits.l1.residual,
                        fits.l2.residual, fits.mu.residual, fits.tanF1.residual, fits.tanF2.residual};
    return report;
}

} // namespace

FittedElementsReport FitElements(const Ephemeris& ephemeris, const Instant& nearGreatestEclipse)
{
    double from = -kFirstHalfSpanHours;
    double to = kFirstHalfSpanHours;
    Samples samples = SampleAround(ephemeris, nearGreatestEclipse, from, to);
    ElementFits fits = FitSamples(samples);
    double greatest = GreatestEclipseHours(fits, from, to);
    double first = PenumbralContact(fits, greatest, -1.0) - kMarginHours;
    double last = PenumbralContact(fits, greatest, +1.0) + kMarginHours;
    if (first < from || last > to) {
        // The instant given was far from greatest eclipse: sample the window itself.
        from = first;
        to = last;
        samples = SampleAround(ephemeris, nearGreatestEclipse, from, to);
        fits = FitSamples(samples);
        greatest = GreatestEclipseHours(fits, from, to);
    }
    const double shift = WholeHourShift(nearGreatestEclipse, greatest);
    const double deltaT = DeltaTAt(nearGreatestEclipse.PlusSeconds(shift * kSecondsPerHour), ephemeris.DeltaT());
    return Report(fits, nearGreatestEclipse, shift, std::max(first, from), std::min(last, to), deltaT);
}

Polynomial EphemerisHourAngle(const FittedElements& elements)
{
    Polynomial mu = elements.mu;
    mu.coefficients[0] += elements.deltaT * kEarthRotationDegreesPerSecond * kDegreesToRadians;
    return ReducedMu(mu);
}
