// One of ELP1 to ELP36 (the input's first byte chooses) in its layout,
// edited by the input, read into the image: taken with finite terms and
// nothing written outside the series' region, or refused at a line.
#include "LayoutFuzzing.h"

#include "datafiles/ElpImage.h"
#include "datafiles/SeriesTexts.h"
#include "tests/datafiles/SeriesTextMaker.h"

#include <array>
#include <cstring>

namespace {

// The reals of a record, after its multipliers and padding.
std::size_t RealsStart(int series)
{
    return ElpKindOfSeries(series) == ElpRecordKind::Planetary ? 16 : 8;
}

bool RegionSound(const std::vector<std::uint8_t>& image, int series)
{
    const std::size_t start = ElpSeriesOffset(series);
    const std::size_t end = ElpSeriesOffset(series + 1);
    const bool outsideUntouched = std::all_of(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(start), [](auto b) { return b == 0; }) &&
                                  std::all_of(image.begin() + static_cast<std::ptrdiff_t>(end), image.end(), [](auto b) { return b == 0; });
    const std::size_t recordSize = ElpRecordSize(series);
    for (std::size_t record = start; record < end; record += recordSize) {
        std::vector<double> reals((recordSize - RealsStart(series)) / sizeof(double));
        std::memcpy(reals.data(), image.data() + record + RealsStart(series), reals.size() * sizeof(double));
        if (!fuzz::AllFinite(reals.data(), reals.size())) {
            return false;
        }
    }
    return outsideUntouched;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<std::vector<std::string>, kElpSeriesCount> texts = [] {
        std::array<std::vector<std::string>, kElpSeriesCount> made;
        for (int series = 1; series <= kElpSeriesCount; ++series) {
            made[static_cast<std::size_t>(series - 1)] = fuzz::SplitLines(series_text::ElpText(series));
        }
        return made;
    }();
    FuzzedDataProvider input(data, size);
    const int series = input.ConsumeIntegralInRange<int>(1, kElpSeriesCount);
    const std::string name = "ELP" + std::to_string(series);
    fuzz::CheckReading(input, texts[static_cast<std::size_t>(series - 1)], name, [series](ILineSource& text) {
        std::vector<std::uint8_t> image(kElpImageSize);
        ReadElpSeriesText(text, series, image);
        return RegionSound(image, series);
    });
    return 0;
}
