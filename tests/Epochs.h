#pragma once

#include "model/Observation.h"

#include <optional>

// An epoch in Universal Time; Delta T is the given number of seconds, or
// automatic when none is given.
inline CObservation UtEpoch(int day, int month, int year, int hour, int minute, float second,
                            std::optional<float> givenDeltaT)
{
    CObservation observation;
    observation.m_day = day;
    observation.m_month = month;
    observation.m_year = year;
    observation.m_hour = hour;
    observation.m_minute = minute;
    observation.m_second = second;
    observation.m_deltaTAuto = !givenDeltaT.has_value();
    observation.m_deltaT = givenDeltaT.value_or(0.0f);
    return observation;
}
