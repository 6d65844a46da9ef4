#pragma once

#include "model/Observation.h"
#include "cli/CommandRegistry.h"
#include "core/Calendar.h"

#include <optional>
#include <string>

// The years a command computes: those of the Five Millennium Canon of solar
// eclipses, over which its Delta T polynomials run (Espenak & Meeus 2006);
// VSOP87 keeps the Earth within 1" over 4000 years either side of J2000, and
// ELP 2000-82B's Moon drifts from the observed one by the Delta T error
// rather than by its series within these years.
inline constexpr int kEarliestYear = -1999;
inline constexpr int kLatestYear = 3000;
// The largest Delta T a command takes, seconds: one day. The models give at
// most about 13 hours within the years (Espenak & Meeus, at -1999), the
// document's classic formula about 11; a Delta T beyond a day moves the
// instant to another date than the one given.
inline constexpr double kLargestDeltaTSeconds = 86400.0;

// The epoch of a command: the defaults of a new document, changed by
// --date YYYY-MM-DDTHH:MM[:SS[.ss]] (Universal Time; the year may carry a
// minus sign) and --delta-t SECONDS|auto. A malformed value is a UsageError
// naming it; a year or a Delta T outside the ranges above raises
// std::out_of_range, one line naming the range.
CObservation TakeEpoch(OptionReader& options);

// The same, changing only what the options give in an existing observation
// (a loaded document's epoch, say).
void TakeEpoch(OptionReader& options, CObservation& observation);

// Nothing when the observation's year and given Delta T lie within the ranges
// above; otherwise one line saying which value lies outside which range (a
// document may hold anything).
std::optional<std::string> EpochOutOfRange(const CObservation& observation);

// The observation's date and time as printed with the given decimals of a
// second: seconds that would print as 60 carry into the minute, the hour and
// the date (23:59:59.9999999 shows as 00:00:00.00 of the next day).
CivilDateTime DisplayedTime(const CObservation& observation, int decimals);
