#include "ephemeris/Nutation.h"

#include "core/Units.h"
#include "datafiles/NutationImage.h"
#include "datafiles/RecordImage.h"

#include <algorithm>
#include <cmath>

namespace {

// The rates of the table are in units of 0.00001 arcsecond per century.
constexpr double kRateUnitArcseconds = 0.00001;

// A fundamental argument: constant in degrees, then T to T^4 in arcseconds.
struct ArgumentPolynomial {
    double constantDegrees;
    double arcseconds[4];

    double Radians(double centuries) const
    {
        const double t = centuries;
        const double polynomial =
            arcseconds[0] * t + arcseconds[1] * t * t + arcseconds[2] * t * t * t + arcseconds[3] * t * t * t * t;
        return (constantDegrees + polynomial / kArcsecondsPerDegree) * kDegreesToRadians;
    }
};

// l, l', F, D, Omega, in the order of the multipliers of a term.
constexpr ArgumentPolynomial kFundamentalArguments[5] = {
    {134.96341138, {1717915923.4728, 32.3893, 0.051651, -0.0002447}},
    {357.52910918, {129596581.0474, -0.5529, 0.000147, 0.0}},
    {93.27209932, {1739527263.0983, -12.2505, -0.001021, 0.00000417}},
    {297.8502042, {1602961601.4603, -5.8681, 0.006595, -0.00003184}},
    {125.04455504, {-6962890.2656, 7.4742, 0.007702, -0.00005939}},
};

// Mean obliquity polynomial in tau (millennia), degrees.
constexpr double kObliquityDegrees[6] = {23.43928111111111,     -0.13002655555555556,  -4.222222222222222e-6,
                                         0.00055525,            -1.4166666666666667e-6, -6.944444444444445e-7};

} // namespace

NutationAngles SumNutation(std::span<const std::uint8_t> image, double centuries)
{
    double arguments[5];
    for (std::size_t index = 0; index < 5; ++index) {
        arguments[index] = kFundamentalArguments[index].Radians(centuries);
    }
    // The running sums are single precision on purpose: the published
    // positions were computed that way.
    float longitudeSum = 0.0f;
    float obliquitySum = 0.0f;
    for (std::size_t index = 0; index < kNutationTermCount; ++index) {
        const NutationTerm term = RecordAt<NutationTerm>(image, index * sizeof(NutationTerm));
        double argument = 0.0;
        for (std::size_t k = 0; k < 5; ++k) {
            argument += term.multipliers[k] * arguments[k];
        }
        longitudeSum = static_cast<float>(
            longitudeSum + std::sin(argument) * (term.longitudeCoefficient + term.longitudeRate * centuries * kRateUnitArcseconds));
        obliquitySum = static_cast<float>(
            obliquitySum + std::cos(argument) * (term.obliquityCoefficient + term.obliquityRate * centuries * kRateUnitArcseconds));
    }
    return {static_cast<float>(longitudeSum * kArcsecondsToRadians), static_cast<float>(obliquitySum * kArcsecondsToRadians)};
}

double MeanObliquity(double millennia2000TT)
{
    const double tau = millennia2000TT;
    double degrees = 0.0;
    double power = 1.0;
    for (const double coefficient : kObliquityDegrees) {
        degrees += coefficient * power;
        power *= tau;
    }
    return degrees * kDegreesToRadians;
}

void EclipticToEquatorial(const double ecliptic[3], double length, double obliquity, double equatorial[3])
{
    const double sine = std::sin(obliquity);
    const double cosine = std::cos(obliquity);
    // Rounding can carry a vector on the pole just past 1, where asin has no value.
    const double declination = std::asin(std::clamp((sine * ecliptic[1] + cosine * ecliptic[2]) / length, -1.0, 1.0));
    const double rightAscension = std::atan2(cosine * ecliptic[1] - sine * ecliptic[2], ecliptic[0]);
    equatorial[0] = length * std::cos(declination) * std::cos(rightAscension);
    equatorial[1] = length * std::cos(declination) * std::sin(rightAscension);
    equatorial[2] = length * std::sin(declination);
}
