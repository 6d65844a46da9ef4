// "Nutation.txt", the input of the nutation table, of any bytes, converted.
#include "ConverterFuzzing.h"

#include "datafiles/NutationImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::RunConverter("Nutation.txt", ConvertNutation, kNutationImageName, kNutationImageSize, data, size);
    return 0;
}
