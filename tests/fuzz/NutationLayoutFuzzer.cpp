// "Nutation.txt" in its layout, edited by the input, read: taken with
// finite coefficients, or refused at a line.
#include "LayoutFuzzing.h"

#include "datafiles/NutationImage.h"
#include "datafiles/RecordImage.h"
#include "datafiles/SeriesTexts.h"
#include "tests/datafiles/SeriesTextMaker.h"

namespace {

bool ReadSound(ILineSource& text)
{
    const std::vector<std::uint8_t> image = NutationImageFromText(text);
    for (std::size_t index = 0; index < kNutationTermCount; ++index) {
        const NutationTerm term = RecordAt<NutationTerm>(image, index * sizeof(NutationTerm));
        const float reals[] = {term.longitudeCoefficient, term.longitudeRate, term.obliquityCoefficient, term.obliquityRate};
        if (!fuzz::AllFinite(reals, 4) || term.padding[0] != 0 || term.padding[1] != 0 || term.padding[2] != 0) {
            return false;
        }
    }
    return image.size() == kNutationImageSize;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<std::string> lines = fuzz::SplitLines(series_text::NutationText());
    FuzzedDataProvider input(data, size);
    fuzz::CheckReading(input, lines, "Nutation.txt", ReadSound);
    return 0;
}
