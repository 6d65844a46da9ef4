#pragma once

// Times of day for comparing instants with published UT clock readings.

#include "core/Calendar.h"
#include "core/DeltaT.h"
#include "core/Instant.h"

// Seconds after 0 h UT of the instant's date.
inline double UtSecondsOfDay(const Instant& instant, double deltaT)
{
    const CivilDateTime civil = UniversalCivilOf(instant, GivenDeltaT(deltaT));
    return civil.hour * 3600.0 + civil.minute * 60.0 + civil.second;
}

inline double Hms(int hours, int minutes, double seconds)
{
    return hours * 3600.0 + minutes * 60.0 + seconds;
}
