#include "cli/ConverterRegistry.h"

namespace {

const ConverterRegistration kNutation({"nutation", "ephemeris", 1, ConvertNutation});
const ConverterRegistration kVsop({"vsop", "ephemeris", 2, ConvertVsop});
const ConverterRegistration kElp({"elp", "ephemeris", 3, ConvertElp});

} // namespace
