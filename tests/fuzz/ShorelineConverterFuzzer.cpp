// "gshhs_i.b", the input of the GSHHS shoreline polygons, of any bytes, converted.
#include "ConverterFuzzing.h"

#include "datafiles/ShorelineImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::RunConverter("gshhs_i.b", ConvertShorelines, "gshhs_i.dat", ShorelineLayout::kImageSize, data, size);
    return 0;
}
