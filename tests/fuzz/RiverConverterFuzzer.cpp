// "fleuves.txt", the input of the river lines, of any bytes, converted.
#include "ConverterFuzzing.h"

#include "datafiles/PolylineImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::RunConverter("fleuves.txt", ConvertRivers, kRiverLayout.imageName, kRiverLayout.ImageSize(), data, size);
    return 0;
}
