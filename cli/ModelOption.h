#pragma once

#include "cli/CommandRegistry.h"
#include "ephemeris/TimeModel.h"

#include <optional>
#include <string>

// --model classic|modern (modern when absent), with the Delta T given, if
// any. Any other model name is a UsageError naming it.
TimeModel TakeModel(OptionReader& options, std::optional<double> givenDeltaT = std::nullopt);

// The model's name with what it stands for, for the text outputs:
// "modern (observed Delta T, Moon at -25.8"/cy^2, apparent sidereal time)".
std::string ModelDescription(const TimeModel& model);
