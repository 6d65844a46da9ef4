#include "ephemeris/TimeScales.h"

#include "core/Calendar.h"
#include "core/DeltaT.h"
#include "core/Units.h"

#include <cmath>

double NewcombSiderealHours(double centuries1900, double hours)
{
    const double t = centuries1900;
    double theta = 6.64606555556 + (8640184.542 * t + 0.0929 * t * t) / 3600.0 + (1.002737909265 + 5.89e-11 * t) * hours;
    theta -= 24.0 * std::ceil(theta / 24.0);
    if (theta < 0.0) {
        theta += 24.0;
    }
    return theta;
}

double AutomaticDeltaT(double julianDay0)
{
    return ClassicDeltaTSeconds(julianDay0);
}

void ComputeTimeTerms(const CObservation& observation, CTimeTerms& terms)
{
    terms.m_julianDay0 = JulianDateAtMidnight(observation.m_year, observation.m_month, observation.m_day);
    terms.m_deltaTUsed = observation.m_deltaTAuto ? static_cast<float>(AutomaticDeltaT(terms.m_julianDay0)) : observation.m_deltaT;
    terms.m_centuries1900 = (terms.m_julianDay0 - kJulianDate1900) / kDaysPerJulianCentury;
    const double millennia0 = (terms.m_julianDay0 - kJulianDateJ2000) / kDaysPerJulianMillennium;
    const double hoursTT = observation.m_hour + observation.m_minute / 60.0 +
                           (static_cast<double>(observation.m_second) + static_cast<double>(terms.m_deltaTUsed)) / 3600.0;
    terms.m_millennia2000TT = millennia0 + hoursTT / kHoursPerJulianMillennium;
    terms.m_siderealTime = NewcombSiderealHours(terms.m_centuries1900, hoursTT) * kRadiansPerHour;
}

double MeanSiderealTime1982(double julianDate1, double julianDate2)
{
    // 360.98564736629 degrees a day, of which the whole turns a day drop out:
    // only the fraction of the days counts, so no precision is lost on dates
    // far from J2000.
    const double days1 = julianDate1 - kJulianDateJ2000;
    const double days = days1 + julianDate2;
    const double turnsOfTheDay = (days1 - std::floor(days1)) + (julianDate2 - std::floor(julianDate2));
    const double t = days / kDaysPerJulianCentury;
    const double degrees = 280.46061837 + 360.0 * turnsOfTheDay + 0.98564736629 * days + 0.000387933 * t * t -
                           t * t * t / 38710000.0;
    double radians = std::fmod(degrees, 360.0) * kDegreesToRadians;
    if (radians < 0.0) {
        radians += kTwoPi;
    }
    return radians;
}
