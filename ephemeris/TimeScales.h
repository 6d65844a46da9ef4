#pragma once

#include "model/Observation.h"
#include "model/TimeTerms.h"

// Time arguments of an epoch.
// Given:    observation  civil date and Universal Time; Delta T automatic or given (s)
// Returned: terms        JD at 0 h, centuries from 1900 (UT date), millennia from
//                        J2000 in dynamical time, Delta T used (s), Greenwich
//                        sidereal time (radians, [0, 2 pi)) at UT + Delta T
// Notes:    dates up to 1582 October 4 are Julian-calendar dates, from
//           October 15 Gregorian (core/Calendar.h); impossible dates run on;
//           nothing is rejected.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 7 and 12.
void ComputeTimeTerms(const CObservation& observation, CTimeTerms& terms);

// Automatic Delta T, seconds: 27.26 t^2 - 44.3, t in centuries from JD 2378496.5.
// Reference: none published: the program's own parabola. It gives 64.7 s for
//            2000 (observed 63.8 s) and departs from the observations before
//            1900 and after 2020; ClassicDeltaTSeconds in core/DeltaT.h.
double AutomaticDeltaT(double julianDay0);

// Greenwich mean sidereal time, hours in [0, 24), by Newcomb's expression.
// Given:    centuries1900  Julian centuries from 1900 January 0.5 to 0 h of the date
//           hours          hours since 0 h of the date
// Reference: Explanatory Supplement to the Astronomical Ephemeris (1961), 2C.
double NewcombSiderealHours(double centuries1900, double hours);

// Greenwich mean sidereal time, IAU 1982, radians in [0, 2 pi).
// Given:    julianDate1, julianDate2  Universal Time (UT1) as a Julian date
//                                     in two parts of any split
// Reference: Aoki et al., A&A 105, 359 (1982); Meeus, Astronomical
//            Algorithms (2nd ed., 1998), formula 12.4.
double MeanSiderealTime1982(double julianDate1, double julianDate2);
