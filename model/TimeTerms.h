#pragma once

// Time quantities derived from a CObservation by ComputeTimeTerms
// (ephemeris/TimeScales.h). Never saved.
struct CTimeTerms {
    double m_siderealTime = 0.0;      // Greenwich sidereal time, radians in [0, 2 pi)
    double m_julianDay0 = 0.0;        // Julian Day of the civil date at 0 h
    double m_centuries1900 = 0.0;     // Julian centuries from JD 2415020.0 to 0 h of the date
    double m_millennia2000TT = 0.0;   // Julian millennia from J2000 to the instant, dynamical time
    float m_deltaTUsed = 0.0f;        // Delta T (TT - UT) in seconds the other fields used
};
