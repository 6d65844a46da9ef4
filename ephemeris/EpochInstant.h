#pragma once

#include "core/Instant.h"
#include "model/Observation.h"

// The document's epoch as an instant of TT: its civil date (Julian calendar
// up to 1582) and Universal Time plus the Delta T it uses, given or automatic
// for its date (ComputeTimeTerms).
Instant InstantOfEpoch(const CObservation& observation);
