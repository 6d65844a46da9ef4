#pragma once

#include "core/DeltaT.h"
#include "model/Observation.h"

// Moving a document's epoch in time. The epoch keeps its fields as the file
// stores them (whole day, month, year, hour and minute, float seconds) and
// the calendar of core/Calendar.h: Julian dates up to 1582 October 4,
// Gregorian from October 15.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 7.

// The epoch's Universal Time as a two-part Julian date: the Julian Day at
// 0 h of its date and the fraction of the day its time makes.
UniversalDate UniversalOfEpoch(const CObservation& observation);

// Moves the epoch by whole minutes, forward or back, carrying into the hour,
// the day, the month and the year. The seconds are left as they are, to
// the last bit. A date that runs past its month (31 February) or a minute
// beyond 59 is carried too, to the date it stands for.
void AddMinutesToEpoch(CObservation& observation, int minutes);

// Sets the epoch's date and time to a Universal Time given as a two-part
// Julian date, the seconds rounded to the hundredth (as the epoch dialog
// shows them). Delta T and the other fields are left as they are.
void SetEpochToUniversal(CObservation& observation, const UniversalDate& universal);

// Whether the date exists in the epoch's calendar (no 31 February, no
// 29 February 1900, 29 February 1500 as a Julian leap day, none of the days
// the reform of 1582 left out).
bool EpochDateExists(int year, int month, int day);
