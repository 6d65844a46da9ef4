#pragma once

#include "cli/CommandRegistry.h"

#include <string>

// The data directory: --data DIR when given (a separator is appended; an
// empty name is a UsageError), the one beside the executable otherwise.
std::string TakeDataDirectory(OptionReader& options);
