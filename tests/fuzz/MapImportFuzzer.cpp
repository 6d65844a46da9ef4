// The xygrib-maps inputs of any bytes: "gshhs_2.rim" imported and its output
// converted, or a WDB II file imported at any level into line and point
// capacities small enough that the fitting has to drop lines and points, and
// its output converted.
#include "ConverterFuzzing.h"

#include "datafiles/MapImport.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ShorelineImage.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

const fuzz::ScratchDirectory& Scratch()
{
    static const fuzz::ScratchDirectory directory("import");
    return directory;
}

void ImportAndConvertShorelines(const std::vector<std::uint8_t>& rim)
{
    fuzz::WriteBytes(Scratch().File("gshhs_2.rim"), rim);
    std::filesystem::remove(Scratch().File("gshhs_i.b"));
    try {
        ImportShorelines(Scratch().File("gshhs_2.rim"), Scratch().File("gshhs_i.b"));
    } catch (const CFileException&) {
        return;
    }
    fuzz::CheckConversion(Scratch(), ConvertShorelines, "gshhs_i.dat", ShorelineLayout::kImageSize);
}

void ImportAndConvertLines(const std::vector<std::uint8_t>& wdb, int level, std::int32_t points, std::int32_t lines)
{
    const PolylineLayout layout{kBorderLayout.textName, kBorderLayout.imageName, points, lines};
    fuzz::WriteBytes(Scratch().File("wdb.b"), wdb);
    std::filesystem::remove(Scratch().File(layout.textName));
    try {
        const PolylineImportSummary summary = ImportPolylines(Scratch().File("wdb.b"), level, layout, Scratch().File(layout.textName));
        if (summary.linesKept > lines - 1 || summary.pointsKept > points) {
            std::abort(); // the fitted text always fits its capacities
        }
    } catch (const CFileException&) {
        return;
    }
    // The border converter reads its own capacities: a text fitted to smaller
    // ones always converts.
    std::filesystem::remove(Scratch().File(kBorderLayout.imageName));
    if (lines <= kBorderLayout.lineCapacity && points <= kBorderLayout.pointCapacity &&
        ConvertBorders(Scratch().Path()) != ConversionStatus::Completed) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    if (provider.ConsumeBool()) {
        ImportAndConvertShorelines(provider.ConsumeRemainingBytes<std::uint8_t>());
        return 0;
    }
    const int level = provider.ConsumeIntegralInRange<int>(-1, 4);
    const bool realCapacities = provider.ConsumeBool();
    const std::int32_t points = realCapacities ? kBorderLayout.pointCapacity : provider.ConsumeIntegralInRange<std::int32_t>(2, 64);
    const std::int32_t lines = realCapacities ? kBorderLayout.lineCapacity : provider.ConsumeIntegralInRange<std::int32_t>(2, 8);
    ImportAndConvertLines(provider.ConsumeRemainingBytes<std::uint8_t>(), level, points, lines);
    return 0;
}
