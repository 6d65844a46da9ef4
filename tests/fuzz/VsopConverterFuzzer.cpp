// "VSOP87C.ear", the input of the VSOP87 series, of any bytes, converted.
#include "ConverterFuzzing.h"

#include "datafiles/VsopImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::RunConverter("VSOP87C.ear", ConvertVsop, kVsopImageName, kVsopImageSize, data, size);
    return 0;
}
