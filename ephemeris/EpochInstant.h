#pragma once

#include "core/Instant.h"
#include "model/Observation.h"

// The document's epoch as an instant of TT: its civil date (Julian calendar
// up to 1582) and Universal Time plus the Delta T it uses, given or automatic
// for its date (ComputeTimeTerms).
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapters 7 and 10.
Instant InstantOfEpoch(const CObservation& observation);
