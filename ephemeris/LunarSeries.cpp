#include "ephemeris/LunarSeries.h"

#include "core/Units.h"
#include "datafiles/ElpImage.h"

#include <cmath>
#include <numbers>

namespace {

// Mean argument: constant in degrees, rates in arcseconds per century^k.
struct MeanArgument {
    double constantDegrees;
    double rates[4];
};

constexpr MeanArgument kMoonMeanLongitude = {218.3166543638889, {1732559343.73604, -5.8883, 0.006604, -0.00003169}};
constexpr MeanArgument kMoonPerigee = {83.35324298611111, {14643420.2632, -38.2776, -0.045047, 0.00021301}};
constexpr MeanArgument kMoonNode = {125.04455504444445, {-6967919.3622, 6.3622, 0.007625, -0.00003586}};
constexpr MeanArgument kBarycentreMeanLongitude = {100.4664501638889, {129597742.2758, -0.0202, 0.000009, 0.00000015}};
constexpr MeanArgument kBarycentrePerihelion = {102.93734098055556, {1161.2283, 0.5327, -0.000138, 0.0}};

// Planets' mean longitudes, to degree 1: Me, V, Ma, J, S, U, N.
constexpr MeanArgument kMercury = {252.25090551666668, {538101628.68898, 0, 0, 0}};
constexpr MeanArgument kVenus = {181.97980084722224, {210664136.43355, 0, 0, 0}};
constexpr MeanArgument kMars = {355.4332746277778, {68905077.59284, 0, 0, 0}};
constexpr MeanArgument kJupiter = {34.35148392222222, {10925660.42861, 0, 0, 0}};
constexpr MeanArgument kSaturn = {50.07747137222222, {4399609.65932, 0, 0, 0}};
constexpr MeanArgument kUranus = {314.0550051138889, {1542481.19393, 0, 0, 0}};
constexpr MeanArgument kNeptune = {304.3486654861111, {786550.32074, 0, 0, 0}};

constexpr double kPrecessionRate = 5029.0966 / kArcsecondsPerRadian; // radians per century

constexpr double kMeanDistanceTheory = 384747.9806448954;  // a0, km
constexpr double kMeanDistanceFitted = 384747.9806743165;  // ath, km

double ToDegree4(const MeanArgument& argument, const std::array<double, 5>& powers)
{
    double radians = argument.constantDegrees * kDegreesToRadians;
    for (std::size_t k = 0; k < 4; ++k) {
        radians += argument.rates[k] / kArcsecondsPerRadian * powers[k + 1];
    }
    return radians;
}

double ToDegree1(const MeanArgument& argument, double t)
{
    return argument.constantDegrees * kDegreesToRadians + argument.rates[0] / kArcsecondsPerRadian * t;
}

struct Delaunay {
    double d;
    double lPrime;
    double l;
    double f;
};

Delaunay DelaunayArguments(double w1, double w2, double w3, double t, double perihelion)
{
    return {w1 - t + std::numbers::pi, t - perihelion, w1 - w2, w1 - w3};
}

double SumSeries(const LunarSeriesTerms& elp, int series, const LunarArguments& arguments)
{
    switch (ElpKindOfSeries(series)) {
    case ElpRecordKind::Main:
        return elp.Sum(series, arguments.delaunay);
    case ElpRecordKind::Figure:
        return elp.Sum(series, arguments.figure);
    case ElpRecordKind::Planetary:
        return elp.Sum(series, series <= 15 ? arguments.planetary1 : arguments.planetary2);
    case ElpRecordKind::Minor:
        return elp.Sum(series, arguments.minor);
    }
    return 0.0;
}

using SeriesSums = std::array<double, kElpSeriesCount + 1>;

// Longitude, latitude or distance (coordinate 0, 1 or 2) from the sums of
// its twelve series, before the mean longitude or scale is applied.
double CombineSeries(const SeriesSums& sums, int coordinate, double t)
{
    const auto s = [&](int series) { return sums[static_cast<std::size_t>(series + coordinate)]; };
    return s(1) + s(4) + s(10) + s(16) + s(22) + s(28) + s(31) + t * (s(7) + s(13) + s(19) + s(25)) + t * t * s(34);
}

} // namespace

LunarArguments ComputeLunarArguments(double centuries)
{
    LunarArguments arguments;
    const double t = centuries;
    arguments.powers[0] = 1.0;
    for (std::size_t k = 1; k < arguments.powers.size(); ++k) {
        arguments.powers[k] = arguments.powers[k - 1] * t;
    }
    arguments.meanLongitude = ToDegree4(kMoonMeanLongitude, arguments.powers);
    const Delaunay full = DelaunayArguments(arguments.meanLongitude, ToDegree4(kMoonPerigee, arguments.powers),
                                            ToDegree4(kMoonNode, arguments.powers),
                                            ToDegree4(kBarycentreMeanLongitude, arguments.powers),
                                            ToDegree4(kBarycentrePerihelion, arguments.powers));
    arguments.delaunay = {full.d, full.lPrime, full.l, full.f};

    const double meanLongitude1 = ToDegree1(kMoonMeanLongitude, t);
    const double barycentre1 = ToDegree1(kBarycentreMeanLongitude, t);
    const Delaunay linear = DelaunayArguments(meanLongitude1, ToDegree1(kMoonPerigee, t), ToDegree1(kMoonNode, t), barycentre1,
                                              ToDegree1(kBarycentrePerihelion, t));
    const double zeta = meanLongitude1 + kPrecessionRate * t;
    arguments.figure = {zeta, linear.d, linear.lPrime, linear.l, linear.f};
    arguments.minor = {linear.d, linear.lPrime, linear.l, linear.f};

    const double mercury = ToDegree1(kMercury, t);
    const double venus = ToDegree1(kVenus, t);
    const double mars = ToDegree1(kMars, t);
    const double jupiter = ToDegree1(kJupiter, t);
    const double saturn = ToDegree1(kSaturn, t);
    const double uranus = ToDegree1(kUranus, t);
    const double neptune = ToDegree1(kNeptune, t);
    arguments.planetary1 = {mercury, venus, barycentre1, mars, jupiter, saturn, uranus, neptune, linear.d, linear.l, linear.f};
    arguments.planetary2 = {mercury, venus, barycentre1, mars, jupiter, saturn, uranus, linear.d, linear.lPrime, linear.l, linear.f};
    return arguments;
}

double SumLunarDistance(const LunarSeriesTerms& elp, const LunarArguments& arguments)
{
    SeriesSums sums = {};
    for (int series = 3; series <= kElpSeriesCount; series += 3) {
        sums[static_cast<std::size_t>(series)] = SumSeries(elp, series, arguments);
    }
    return CombineSeries(sums, 2, arguments.powers[1]) * kMeanDistanceTheory / kMeanDistanceFitted;
}

LunarSpherical SumLunarSeries(const LunarSeriesTerms& elp, const LunarArguments& arguments)
{
    SeriesSums sums = {};
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        sums[static_cast<std::size_t>(series)] = SumSeries(elp, series, arguments);
    }
    const double t = arguments.powers[1];
    return {arguments.meanLongitude + CombineSeries(sums, 0, t) / kArcsecondsPerRadian,
            CombineSeries(sums, 1, t) / kArcsecondsPerRadian,
            CombineSeries(sums, 2, t) * kMeanDistanceTheory / kMeanDistanceFitted};
}

// Precession in longitude from J2000 to date, arcseconds, tau in millennia.
double GeneralPrecession(double tau)
{
    return (((((0.0002 * tau - 0.0018) * tau + 0.2353) * tau + 0.0773) * tau + 111.2033) * tau + 50288.2) * tau;
}

