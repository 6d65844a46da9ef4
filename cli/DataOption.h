#pragma once

#include "cli/CommandRegistry.h"

#include <string>

// The data directory: --data DIR when given (a separator is appended; an
// empty name is a UsageError), the one the programs read otherwise
// (GetDataDirectory).
std::string TakeDataDirectory(OptionReader& options);

// The directory a command that writes data files uses: --data DIR when given,
// otherwise the data directory if it may be written, the user's own
// (GetConversionDirectory) if not. Created when missing.
std::string TakeConversionDirectory(OptionReader& options);
