#include "eclipse/search/NewMoonPredictor.h"

#include "core/Units.h"

#include <cmath>

namespace {

constexpr double kFirstNewMoon = 2451550.09766;   // JDE of lunation 0
constexpr double kSynodicMonth = 29.530588861;    // days
constexpr double kLunationsPerCentury = 1236.85;
// The widest reach of the penumbra on the fundamental plane is 1.5433 + u;
// the mean-element gamma departs from the full ephemeris's by up to a few
// hundredths far from our era.
constexpr double kPenumbralReach = 1.5433;
constexpr double kScreeningMargin = 0.05;
constexpr double kLargestSineOfArgumentOfLatitude = 0.36;
// The mean phases and the lunar series of ELP 2000-82B as this program sums
// them drift apart with the square of the time: greatest eclipse comes
// 1.87 s T^2 (T in centuries from 2000) before the mean-element time, some
// 50 minutes at -1999 (measured against ElementsAt over -1999..+3000). The
// term keeps the prediction within minutes of greatest eclipse.
constexpr double kSecularDriftDaysPerCenturySquared = -1.87 / kSecondsPerDay;

double Sin(double degrees)
{
    return std::sin(degrees * kDegreesToRadians);
}

double Cos(double degrees)
{
    return std::cos(degrees * kDegreesToRadians);
}

// The mean elements of a new moon, degrees (Meeus 49.4-49.7).
struct MeanElements {
    double sunAnomaly;   // M
    double moonAnomaly;  // M'
    double argumentOfLatitude;  // F
    double node;         // Omega
    double eccentricityFactor;  // E
};

MeanElements MeanElementsOf(double k, double t)
{
    const double t2 = t * t;
    const double t3 = t2 * t;
    const double t4 = t3 * t;
    MeanElements elements;
    elements.sunAnomaly = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    elements.moonAnomaly = 201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    elements.argumentOfLatitude = 160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    elements.node = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;
    elements.eccentricityFactor = 1.0 - 0.002516 * t - 0.0000074 * t2;
    return elements;
}

// Greatest eclipse minus the mean new moon, days (Meeus ch. 54).
double TimeCorrection(const MeanElements& e, double f1, double a1)
{
    const double m = e.sunAnomaly;
    const double mp = e.moonAnomaly;
    const double ee = e.eccentricityFactor;
    return -0.4075 * Sin(mp) + 0.1721 * ee * Sin(m) + 0.0161 * Sin(2 * mp) - 0.0097 * Sin(2 * f1) +
           0.0073 * ee * Sin(mp - m) - 0.0050 * ee * Sin(mp + m) - 0.0023 * Sin(mp - 2 * f1) + 0.0021 * ee * Sin(2 * m) +
           0.0012 * Sin(mp + 2 * f1) + 0.0006 * ee * Sin(2 * mp + m) - 0.0004 * Sin(3 * mp) - 0.0003 * ee * Sin(m + 2 * f1) +
           0.0003 * Sin(a1) - 0.0002 * ee * Sin(m - 2 * f1) - 0.0002 * ee * Sin(2 * mp - m) - 0.0002 * Sin(e.node);
}

} // namespace

PredictedNewMoon PredictNewMoon(int lunation)
{
    const double k = lunation;
    const double t = k / kLunationsPerCentury;
    const double t2 = t * t;
    const MeanElements e = MeanElementsOf(k, t);
    const double f1 = e.argumentOfLatitude - 0.02665 * Sin(e.node);
    const double a1 = 299.77 + 0.107408 * k - 0.009173 * t2;

    PredictedNewMoon newMoon;
    newMoon.lunation = lunation;
    newMoon.nearNode = std::abs(Sin(e.argumentOfLatitude)) <= kLargestSineOfArgumentOfLatitude;
    const double meanPhase = kFirstNewMoon + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t2 * t +
                             0.00000000073 * t2 * t2;
    newMoon.julianDate = meanPhase + TimeCorrection(e, f1, a1) + kSecularDriftDaysPerCenturySquared * t2;

    const double m = e.sunAnomaly;
    const double mp = e.moonAnomaly;
    const double ee = e.eccentricityFactor;
    const double p = 0.2070 * ee * Sin(m) + 0.0024 * ee * Sin(2 * m) - 0.0392 * Sin(mp) + 0.0116 * Sin(2 * mp) -
                     0.0073 * ee * Sin(mp + m) + 0.0067 * ee * Sin(mp - m) + 0.0118 * Sin(2 * f1);
    const double q = 5.2207 - 0.0048 * ee * Cos(m) + 0.0020 * ee * Cos(2 * m) - 0.3299 * Cos(mp) -
                     0.0060 * ee * Cos(mp + m) + 0.0041 * ee * Cos(mp - m);
    const double w = std::abs(Cos(f1));
    newMoon.gamma = (p * Cos(f1) + q * Sin(f1)) * (1.0 - 0.0048 * w);
    newMoon.umbralRadius = 0.0059 + 0.0046 * ee * Cos(m) - 0.0182 * Cos(mp) + 0.0004 * Cos(2 * mp) - 0.0005 * Cos(m + mp);
    return newMoon;
}

bool MayBeSolarEclipse(const PredictedNewMoon& newMoon)
{
    return newMoon.nearNode && std::abs(newMoon.gamma) < kPenumbralReach + newMoon.umbralRadius + kScreeningMargin;
}

int LunationNearest(double julianDate)
{
    return static_cast<int>(std::lround((julianDate - kFirstNewMoon) / kSynodicMonth));
}
