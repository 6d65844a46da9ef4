#include "cli/ConverterRegistry.h"

namespace {

const ConverterRegistration kNutation({"nutation", "ephemeris", 1, BuildNutationImage});
const ConverterRegistration kVsop({"vsop", "ephemeris", 2, BuildVsopImage});
const ConverterRegistration kElp({"elp", "ephemeris", 3, BuildElpImage});

} // namespace
