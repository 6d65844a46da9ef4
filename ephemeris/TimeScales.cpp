#include "ephemeris/TimeScales.h"

#include <cmath>

namespace {

constexpr double kJulianDay1900 = 2415020.0;
constexpr double kJulianDayJ2000 = 2451545.0;
constexpr double kJulianDayDeltaTOrigin = 2378496.5;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kHoursPerMillennium = 8766000.0;
constexpr double kRadiansPerHour = 0.2617993877991494;

// Sidereal time in hours, reduced to [0, 24).
double SiderealHours(double centuries1900, double hoursTT)
{
    const double t = centuries1900;
    double theta = 6.64606555556 + (8640184.542 * t + 0.0929 * t * t) / 3600.0 + (1.002737909265 + 5.89e-11 * t) * hoursTT;
    theta -= 24.0 * std::ceil(theta / 24.0);
    if (theta < 0.0) {
        theta += 24.0;
    }
    return theta;
}

} // namespace

double JulianDayAtMidnight(int day, int month, int year)
{
    // Done in double so that hostile years and months cannot overflow.
    double y = year;
    double m = month;
    if (month < 3) {
        y -= 1.0;
        m += 12.0;
    }
    double julianDay = std::floor(365.25 * y) + std::floor(30.6001 * (m + 1.0)) + day + 1720994.5;
    if (year > 1582) {
        const double a = std::trunc(y / 100.0);
        julianDay += 2.0 - a + std::trunc(a / 4.0);
    }
    return julianDay;
}

double AutomaticDeltaT(double julianDay0)
{
    const double t = (julianDay0 - kJulianDayDeltaTOrigin) / kDaysPerCentury;
    return 27.26 * t * t - 44.3;
}

void ComputeTimeTerms(const CObservation& observation, CTimeTerms& terms)
{
    terms.m_julianDay0 = JulianDayAtMidnight(observation.m_day, observation.m_month, observation.m_year);
    terms.m_deltaTUsed = observation.m_deltaTAuto ? static_cast<float>(AutomaticDeltaT(terms.m_julianDay0)) : observation.m_deltaT;
    terms.m_centuries1900 = (terms.m_julianDay0 - kJulianDay1900) / kDaysPerCentury;
    const double millennia0 = (terms.m_julianDay0 - kJulianDayJ2000) / kDaysPerMillennium;
    const double hoursTT = observation.m_hour + observation.m_minute / 60.0 +
                           (static_cast<double>(observation.m_second) + static_cast<double>(terms.m_deltaTUsed)) / 3600.0;
    terms.m_millennia2000TT = millennia0 + hoursTT / kHoursPerMillennium;
    terms.m_siderealTime = SiderealHours(terms.m_centuries1900, hoursTT) * kRadiansPerHour;
}
