// "frontier.txt", the input of the border lines, of any bytes, converted.
#include "ConverterFuzzing.h"

#include "datafiles/PolylineImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::RunConverter("frontier.txt", ConvertBorders, kBorderLayout.imageName, kBorderLayout.ImageSize(), data, size);
    return 0;
}
