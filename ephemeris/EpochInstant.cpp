#include "ephemeris/EpochInstant.h"

#include "core/Units.h"
#include "ephemeris/TimeScales.h"

Instant InstantOfEpoch(const CObservation& observation)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    const double seconds = observation.m_hour * kSecondsPerHour + observation.m_minute * kSecondsPerMinute +
                           static_cast<double>(observation.m_second) + static_cast<double>(terms.m_deltaTUsed);
    return Instant::FromJulianDate(terms.m_julianDay0, seconds / kSecondsPerDay);
}
