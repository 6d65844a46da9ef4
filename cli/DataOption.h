#pragma once

#include "cli/CommandRegistry.h"

#include <string>

// The data directory: --data DIR when given (a separator is appended; an
// empty name is a UsageError), the one the programs read otherwise
// (GetDataDirectory).
std::string TakeDataDirectory(OptionReader& options);

// The directory a command that writes data files uses: --data DIR when given
// and it may be written, otherwise the data directory if it may be written;
// the user's own (GetConversionDirectory, ConversionDirectoryFor) if not,
// with a note on standard error when DIR gives way. Created when missing.
std::string TakeConversionDirectory(OptionReader& options);
