#pragma once

#include "model/Observation.h"
#include "cli/CommandRegistry.h"

#include <optional>
#include <string>

// The epoch of a command: the defaults of a new document, changed by
// --date YYYY-MM-DDTHH:MM[:SS[.ss]] (Universal Time; the year may carry a
// minus sign) and --delta-t SECONDS|auto. A malformed value is a UsageError
// naming it.
CObservation TakeEpoch(OptionReader& options);

// The same, changing only what the options give in an existing observation
// (a loaded document's epoch, say).
void TakeEpoch(OptionReader& options, CObservation& observation);

// The value of --delta-t: the seconds given, or none for "auto". A
// malformed value, or one past the range of the document's 32-bit float, is
// a UsageError naming it.
std::optional<double> ParseDeltaT(const std::string& text);
