#pragma once

#include "model/Observation.h"
#include "cli/CommandRegistry.h"
#include "cli/InputRanges.h"
#include "core/Calendar.h"

#include <optional>
#include <string>


#include <optional>
#include <string>

// The epoch of a command: the defaults of a new document, changed by
// --date YYYY-MM-DDTHH:MM[:SS[.ss]] (Universal Time; the year may carry a
// minus sign) and --delta-t SECONDS|auto. A malformed value is a UsageError
// naming it; a year or a Delta T outside the ranges above raises
// std::out_of_range, one line naming the range.
CObservation TakeEpoch(OptionReader& options);

// The same, changing only what the options give in an existing observation
// (a loaded document's epoch, say).
void TakeEpoch(OptionReader& options, CObservation& observation);

// The value of --delta-t: the seconds given, or none for "auto". A
// malformed value, or one past the range of the document's 32-bit float, is
// a UsageError naming it.
std::optional<double> ParseDeltaT(const std::string& text);

// Nothing when the observation's year and given Delta T lie within the ranges
// above; otherwise one line saying which value lies outside which range (a
// document may hold anything).
std::optional<std::string> EpochOutOfRange(const CObservation& observation);

// The observation's date and time as printed with the given decimals of a
// second: seconds that would print as 60 carry into the minute, the hour and
// the date (23:59:59.9999999 shows as 00:00:00.00 of the next day).
CivilDateTime DisplayedTime(const CObservation& observation, int decimals);
