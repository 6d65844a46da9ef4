// The 36 ELP 2000 series files of any bytes, converted. The input is cut at
// form feeds: the first piece becomes ELP1, the next ELP2 and so on; the
// series without a piece are empty files.
#include "ConverterFuzzing.h"

#include "datafiles/ElpImage.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fuzz::ScratchDirectory directory("convert-elp");
    const std::span<const std::uint8_t> input(data, size);
    auto piece = input.begin();
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        const auto end = std::find(piece, input.end(), std::uint8_t{'\f'});
        fuzz::WriteBytes(directory.File(kElpTextPrefix + std::to_string(series)), std::span<const std::uint8_t>(piece, end));
        piece = end == input.end() ? end : end + 1;
    }
    fuzz::CheckConversion(directory, ConvertElp, kElpImageName, kElpImageSize);
    return 0;
}
