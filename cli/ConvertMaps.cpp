#include "cli/ConverterRegistry.h"

namespace {

const ConverterRegistration kShorelines({"shorelines", "maps", 4, BuildShorelineImage});
const ConverterRegistration kBorders({"borders", "maps", 5, BuildBorderImage});
const ConverterRegistration kRivers({"rivers", "maps", 6, BuildRiverImage});

} // namespace
