#pragma once

#include "cli/CommandRegistry.h"
#include "eclipse/ObservationShadow.h"
#include "ephemeris/Ephemeris.h"
#include "model/Observation.h"

#include <optional>
#include <string>

// The formulas a computing command uses. Classic keeps the document's own
// arithmetic; modern takes the observed Delta T, the Moon at the modern
// tidal acceleration and the apparent sidereal time (ModernModel).
enum class ModelChoice {
    Classic,
    Modern,
};

// --model classic|modern, classic when absent. Any other value is a
// UsageError naming it.
ModelChoice TakeModel(OptionReader& options);

// The ephemeris model of the choice, with Delta T automatic or given in
// seconds.
EphemerisModel EphemerisModelFor(ModelChoice choice, std::optional<double> givenDeltaT);

// The same for the observation's Delta T: automatic, or the seconds it gives.
EphemerisModel EphemerisModelFor(ModelChoice choice, const CObservation& observation);
