#include "core/ModernDeltaT.h"

#include "core/Calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace {

// Delta T on January 1 of each year from 1700, seconds. To 1973: The
// Astronomical Almanac, table K8-K9 (whole seconds before 1800); from 1974:
// IERS Rapid Service/Prediction Centre (USNO), "deltat.data", TT - UT1 on
// January 1.
constexpr double kFirstTabulatedYear = 1700.0;
constexpr std::array<double, 2026 - 1700 + 1> kObservedDeltaT{
    // 1700-1739
    9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 9.00, 10.00, 10.00,
    10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 10.00, 11.00, 11.00, 11.00,
    11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00, 11.00,
    11.00, 11.00, 11.00, 11.00, 12.00, 12.00, 12.00, 12.00, 12.00, 12.00,
    // 1740-1779
    12.00, 12.00, 12.00, 12.00, 13.00, 13.00, 13.00, 13.00, 13.00, 13.00,
    13.00, 14.00, 14.00, 14.00, 14.00, 14.00, 14.00, 14.00, 15.00, 15.00,
    15.00, 15.00, 15.00, 15.00, 15.00, 16.00, 16.00, 16.00, 16.00, 16.00,
    16.00, 16.00, 16.00, 16.00, 16.00, 17.00, 17.00, 17.00, 17.00, 17.00,
    // 1780-1799
    17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00, 17.00,
    17.00, 17.00, 16.00, 16.00, 16.00, 16.00, 15.00, 15.00, 14.00, 14.00,
    // 1800-1819
    13.70, 13.40, 13.10, 12.90, 12.70, 12.60, 12.50, 12.50, 12.50, 12.50,
    12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.50, 12.40, 12.30, 12.20,
    // 1820-1859
    12.00, 11.70, 11.40, 11.10, 10.60, 10.20, 9.60, 9.10, 8.60, 8.00,
    7.50, 7.00, 6.60, 6.30, 6.00, 5.80, 5.70, 5.60, 5.60, 5.60,
    5.70, 5.80, 5.90, 6.10, 6.20, 6.30, 6.50, 6.60, 6.80, 6.90,
    7.10, 7.20, 7.30, 7.40, 7.50, 7.60, 7.70, 7.70, 7.80, 7.80,
    // 1860-1899
    7.88, 7.82, 7.54, 6.97, 6.40, 6.02, 5.41, 4.10, 2.92, 1.82,
    1.61, 0.10, -1.02, -1.28, -2.69, -3.24, -3.64, -4.54, -4.71, -5.11,
    -5.40, -5.42, -5.20, -5.46, -5.46, -5.79, -5.63, -5.64, -5.80, -5.66,
    -5.87, -6.01, -6.19, -6.64, -6.44, -6.47, -6.09, -5.76, -4.66, -3.74,
    // 1900-1939
    -2.72, -1.54, -0.02, 1.24, 2.64, 3.86, 5.37, 6.14, 7.75, 9.13,
    10.46, 11.53, 13.36, 14.65, 16.01, 17.20, 18.24, 19.06, 20.25, 20.95,
    21.16, 22.25, 22.41, 23.03, 23.49, 23.62, 23.86, 24.49, 24.34, 24.08,
    24.02, 24.00, 23.87, 23.95, 23.86, 23.93, 23.73, 23.92, 23.96, 24.02,
    // 1940-1973
    24.33, 24.83, 25.30, 25.70, 26.24, 26.77, 27.28, 27.78, 28.25, 28.71,
    29.15, 29.57, 29.97, 30.36, 30.72, 31.07, 31.35, 31.68, 32.18, 32.68,
    33.15, 33.59, 34.00, 34.47, 35.03, 35.73, 36.54, 37.43, 38.29, 39.20,
    40.18, 41.17, 42.23, 43.37,
    // 1974-2026
    44.4840, 45.4761, 46.4567, 47.5214, 48.5344, 49.5861,
    50.5387, 51.3808, 52.1668, 52.9565, 53.7882, 54.3427, 54.8712, 55.3222, 55.8197, 56.3000,
    56.8553, 57.5653, 58.3092, 59.1218, 59.9844, 60.7853, 61.6287, 62.2950, 62.9659, 63.4673,
    63.8285, 64.0908, 64.2998, 64.4734, 64.5736, 64.6876, 64.8452, 65.1464, 65.4574, 65.7768,
    66.0699, 66.3246, 66.6030, 66.9069, 67.2810, 67.6439, 68.1024, 68.5927, 68.9676, 69.2202,
    69.3612, 69.3594, 69.2945, 69.2039, 69.1752, 69.1377, 69.1099,
};
static_assert(kObservedDeltaT.size() == 2026 - 1700 + 1, "one value a year, 1700 to 2026");
constexpr double kLastTabulatedYear = kFirstTabulatedYear + static_cast<double>(kObservedDeltaT.size() - 1);

// From 1955 on, Delta T comes from atomic clocks and owes nothing to the Moon.
constexpr double kAtomicTimeYear = 1955.0;
// Espenak & Meeus: Delta T changes by -0.91072 (n + 26) u^2 seconds, u in
// centuries from 1955, when the Moon's acceleration n ("/cy^2) replaces -26.
constexpr double kAccelerationSeconds = -0.91072;
// From 2150 Espenak & Meeus use the long-term parabola alone.
constexpr double kParabolaYear = 2150.0;

// The correction of a value derived with -26"/cy^2 to the modern acceleration.
double AccelerationCorrection(double year)
{
    const double u = (year - kAtomicTimeYear) / 100.0;
    return kAccelerationSeconds * (kModernLunarAcceleration - kHistoricalLunarAcceleration) * u * u;
}

double AccelerationCorrectionRate(double year)  // seconds per year
{
    const double u = (year - kAtomicTimeYear) / 100.0;
    return kAccelerationSeconds * (kModernLunarAcceleration - kHistoricalLunarAcceleration) * 2.0 * u / 100.0;
}

// Morrison & Stephenson's long-term parabola, u in centuries from 1820.
double LongTermParabola(double year)
{
    const double u = (year - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}

double LongTermParabolaRate(double year)  // seconds per year
{
    return 64.0 * (year - 1820.0) / 100.0 / 100.0;
}

// One of Espenak & Meeus's polynomials: sum of c[k] ((year - origin) / scale)^k.
struct Polynomial {
    double from;
    double to;
    double origin;
    double scale;
    std::array<double, 7> coefficients;

    double operator()(double year) const
    {
        const double u = (year - origin) / scale;
        double sum = 0.0;
        for (std::size_t k = coefficients.size(); k-- > 0;) {
            sum = sum * u + coefficients[k];
        }
        return sum;
    }
};

// Espenak & Meeus, Five Millennium Canon, section 2.6, from -500 to 1700.
constexpr std::array kLongTermPolynomials{
    Polynomial{-500.0, 500.0, 0.0, 100.0,
               {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521}},
    Polynomial{500.0, 1600.0, 1000.0, 100.0,
               {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073}},
    Polynomial{1600.0, 1700.0, 1600.0, 1.0, {120.0, -0.9808, -0.01532, 1.0 / 7129.0, 0.0, 0.0, 0.0}},
};

double ObservedAt(double year)
{
    const double offset = year - kFirstTabulatedYear;
    const auto index = static_cast<std::size_t>(std::floor(offset));
    if (index + 1 >= kObservedDeltaT.size()) {
        return kObservedDeltaT.back();
    }
    const double fraction = offset - static_cast<double>(index);
    return kObservedDeltaT[index] + fraction * (kObservedDeltaT[index + 1] - kObservedDeltaT[index]);
}

// Where a piece ends, the value the next one starts with: each polynomial
// is tilted linearly to meet its neighbours there.
double JoinValue(std::size_t piece)
{
    return piece + 1 < kLongTermPolynomials.size() ? kLongTermPolynomials[piece + 1](kLongTermPolynomials[piece].to)
                                                   : ObservedAt(kFirstTabulatedYear);
}

double LongTermAt(double year)
{
    if (year < kLongTermPolynomials.front().from) {
        return LongTermParabola(year);
    }
    std::size_t piece = 0;
    while (piece + 1 < kLongTermPolynomials.size() && year >= kLongTermPolynomials[piece].to) {
        ++piece;
    }
    const Polynomial& polynomial = kLongTermPolynomials[piece];
    const double startGap = piece == 0 ? LongTermParabola(polynomial.from) - polynomial(polynomial.from) : 0.0;
    const double endGap = JoinValue(piece) - polynomial(polynomial.to);
    const double along = (year - polynomial.from) / (polynomial.to - polynomial.from);
    return polynomial(year) + startGap + (endGap - startGap) * along;
}

// The cubic from the last observed value and rate to the corrected parabola.
double ExtrapolatedAt(double year)
{
    const double span = kParabolaYear - kLastTabulatedYear;
    const std::size_t last = kObservedDeltaT.size() - 1;
    const double startValue = kObservedDeltaT[last];
    const double startRate = kObservedDeltaT[last] - kObservedDeltaT[last - 1];
    const double endValue = LongTermParabola(kParabolaYear) + AccelerationCorrection(kParabolaYear);
    const double endRate = LongTermParabolaRate(kParabolaYear) + AccelerationCorrectionRate(kParabolaYear);
    const double s = (year - kLastTabulatedYear) / span;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2.0 * s3 - 3.0 * s2 + 1.0) * startValue + (s3 - 2.0 * s2 + s) * span * startRate +
           (-2.0 * s3 + 3.0 * s2) * endValue + (s3 - s2) * span * endRate;
}

// The standard error: Morrison & Stephenson's parabola until it falls to
// the decade fluctuations' 20 s (in 1320), then the telescopic era's figures.
constexpr double kHistoricalSigmaPerCenturySquared = 0.8;  // seconds
constexpr double kHistoricalSigmaOrigin = 1820.0;
constexpr double kDecadeFluctuationSigma = 20.0;           // seconds, 1320 to 1600
struct SigmaPoint {
    double year;  // or years after the last observation
    double sigma; // seconds
};
constexpr std::array<SigmaPoint, 4> kTelescopicSigma{{{1600.0, 20.0}, {1700.0, 5.0}, {1800.0, 1.0}, {1900.0, 0.1}}};
constexpr double kObservedSigma = 0.1;
// HMNAO's uncertainty of Delta T extrapolated, by years after the last observation.
constexpr std::array<SigmaPoint, 9> kExtrapolatedSigma{{{0.0, 0.1},
                                                         {10.0, 2.0},
                                                         {20.0, 4.0},
                                                         {30.0, 6.0},
                                                         {80.0, 10.0},
                                                         {180.0, 20.0},
                                                         {280.0, 30.0},
                                                         {380.0, 50.0},
                                                         {480.0, 100.0}}};

double HistoricalSigma(double year)
{
    const double t = (year - kHistoricalSigmaOrigin) / 100.0;
    return kHistoricalSigmaPerCenturySquared * t * t;
}

double TelescopicSigma(double year)
{
    std::size_t i = 0;
    while (i + 2 < kTelescopicSigma.size() && year >= kTelescopicSigma[i + 1].year) {
        ++i;
    }
    const SigmaPoint& a = kTelescopicSigma[i];
    const SigmaPoint& b = kTelescopicSigma[i + 1];
    // Geometrically: the error shrinks by a factor a century.
    return a.sigma * std::pow(b.sigma / a.sigma, (year - a.year) / (b.year - a.year));
}

double ExtrapolatedSigma(double yearsAfter)
{
    const SigmaPoint& last = kExtrapolatedSigma.back();
    if (yearsAfter >= last.year) {
        const double ratio = yearsAfter / last.year;
        return last.sigma * ratio * ratio;
    }
    std::size_t i = 0;
    while (yearsAfter >= kExtrapolatedSigma[i + 1].year) {
        ++i;
    }
    const SigmaPoint& a = kExtrapolatedSigma[i];
    const SigmaPoint& b = kExtrapolatedSigma[i + 1];
    return a.sigma + (b.sigma - a.sigma) * (yearsAfter - a.year) / (b.year - a.year);
}

} // namespace

double ModernDeltaT::SecondsAt(double julianDateUT) const
{
    return SecondsAtYear(DecimalYear(julianDateUT));
}

double ModernDeltaT::SecondsAtYear(double year)
{
    if (year < kFirstTabulatedYear) {
        return LongTermAt(year) + AccelerationCorrection(year);
    }
    if (year < kAtomicTimeYear) {
        return ObservedAt(year) + AccelerationCorrection(year);
    }
    if (year <= kLastTabulatedYear) {
        return ObservedAt(year);
    }
    if (year < kParabolaYear) {
        return ExtrapolatedAt(year);
    }
    return LongTermParabola(year) + AccelerationCorrection(year);
}

std::optional<double> ModernDeltaT::SigmaAt(double julianDateUT) const
{
    return SigmaAtYear(DecimalYear(julianDateUT));
}

double ModernDeltaT::SigmaAtYear(double year)
{
    if (year < kTelescopicSigma.front().year) {
        return std::max(HistoricalSigma(year), kDecadeFluctuationSigma);
    }
    if (year < kTelescopicSigma.back().year) {
        return TelescopicSigma(year);
    }
    if (year <= kLastTabulatedYear) {
        return kObservedSigma;
    }
    return ExtrapolatedSigma(year - kLastTabulatedYear);
}

double ModernDeltaT::FirstObservedYear()
{
    return kFirstTabulatedYear;
}

double ModernDeltaT::LastObservedYear()
{
    return kLastTabulatedYear;
}

double ModernDeltaT::ParabolaYear()
{
    return kParabolaYear;
}
