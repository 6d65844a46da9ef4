#pragma once

#include "app/model/Observation.h"
#include "app/model/TimeTerms.h"

// Time arguments of an epoch.
// Given:    observation  civil date and Universal Time; Delta T automatic or given (s)
// Returned: terms        JD at 0 h, centuries from 1900 (UT date), millennia from
//                        J2000 in dynamical time, Delta T used (s), Greenwich
//                        sidereal time (radians, [0, 2 pi)) at UT + Delta T
// Notes:    dates of 1582 and earlier are Julian-calendar dates; impossible
//           dates run on; nothing is rejected.
void ComputeTimeTerms(const CObservation& observation, CTimeTerms& terms);

// Julian Day at 0 h of a civil date (Julian calendar up to year 1582).
double JulianDayAtMidnight(int day, int month, int year);

// Automatic Delta T, seconds: 27.26 t^2 - 44.3, t in centuries from JD 2378496.5.
double AutomaticDeltaT(double julianDay0);
