#pragma once

#include "eclipse/local/LocalCircumstances.h"

#include <QString>

class Instant;
class TimeZone;

// The texts of the local-circumstances panel. Times are rounded to the
// tenth of a second as the command-line tool rounds them, so that both show
// the same figures.

// The time of day of an instant (TT) in a time that is UT + offsetHours,
// given the elements' Delta T (seconds): "HH:MM:SS.s", followed by
// " (lendemain)" or " (veille)" when that day is not the day of UT.
QString TimeOfDayText(const Instant& instant, double deltaT, double offsetHours);

// The same on the clocks of a time zone, the offset of that instant, with
// the zone's abbreviation: "13:40:43.0 CDT".
QString ZoneTimeOfDayText(const Instant& instant, double deltaT, const TimeZone& zone);

// "totale", "annulaire", "partielle" or "aucune (hors de la pénombre)".
QString LocalTypeText(LocalEclipseType type);

// A duration as "4 min 19.6 s".
QString DurationText(double seconds);

// "TU-5", "TU+5.5", "TU+0" for the column of local times.
QString OffsetText(double offsetHours);
