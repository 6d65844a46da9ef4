// "VSOP87C.ear" in its layout (17 series, 4194 terms), edited by the input,
// read: taken with finite terms, or refused at a line.
#include "LayoutFuzzing.h"

#include "datafiles/SeriesTexts.h"
#include "datafiles/VsopImage.h"
#include "tests/datafiles/SeriesTextMaker.h"

#include <cstring>

namespace {

bool ReadSound(ILineSource& text)
{
    const std::vector<std::uint8_t> image = VsopImageFromText(text);
    std::vector<double> reals(image.size() / sizeof(double));
    std::memcpy(reals.data(), image.data(), image.size());
    return image.size() == kVsopImageSize && fuzz::AllFinite(reals.data(), reals.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::string> lines = series_text::VsopLines();
    FuzzedDataProvider input(data, size);
    fuzz::CheckReading(input, lines, "VSOP87C.ear", ReadSound);
    return 0;
}
