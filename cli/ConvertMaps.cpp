#include "cli/ConverterRegistry.h"

namespace {

const ConverterRegistration kShorelines({"shorelines", "maps", 4, ConvertShorelines});
const ConverterRegistration kBorders({"borders", "maps", 5, ConvertBorders});
const ConverterRegistration kRivers({"rivers", "maps", 6, ConvertRivers});

} // namespace
