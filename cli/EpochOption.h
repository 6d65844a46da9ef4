#pragma once

#include "model/Observation.h"
#include "cli/CommandRegistry.h"

// The epoch of a command: the defaults of a new document, changed by
// --date YYYY-MM-DDTHH:MM[:SS[.ss]] (Universal Time; the year may carry a
// minus sign) and --delta-t SECONDS|auto. A malformed value is a UsageError
// naming it.
CObservation TakeEpoch(OptionReader& options);

// The same, changing only what the options give in an existing observation
// (a loaded document's epoch, say).
void TakeEpoch(OptionReader& options, CObservation& observation);
