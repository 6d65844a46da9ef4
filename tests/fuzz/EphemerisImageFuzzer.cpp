// "Nutation.dat", "VSOP87.dat" or "Elp2000.dat" of any bytes, read by the
// evaluators and used for a position. The file is either the input itself,
// of any size, or a valid converted image with part of it overwritten by the
// input (NaN, infinities, huge amplitudes and multipliers) and its length
// cut or extended a little.
#include "FuzzSupport.h"

#include "datafiles/DataManifest.h"

#include "datafiles/ElpImage.h"
#include "datafiles/FileIo.h"
#include "datafiles/ImageCache.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/LunarTheory.h"
#include "ephemeris/NutationTheory.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarTheory.h"
#include "ephemeris/TimeScales.h"

#include <array>
#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

struct SeriesFile {
    const char* name;
    std::size_t size;
};
constexpr std::array<SeriesFile, 3> kSeriesFiles{{{kNutationImageName, kNutationImageSize},
                                                  {kVsopImageName, kVsopImageSize},
                                                  {kElpImageName, kElpImageSize}}};

struct ConvertedSeries {
    ConvertedSeries() : directory("ephemeris")
    {
        fuzz::ConvertEphemerisInto(directory);
        // Unlisted, as images of an older conversion are, so that hostile
        // bytes reach the evaluators instead of the manifest's refusal.
        std::filesystem::remove(directory.File(kManifestName));
        for (std::size_t file = 0; file < kSeriesFiles.size(); ++file) {
            valid[file] = ReadWholeFile(directory.File(kSeriesFiles[file].name));
        }
    }
    fuzz::ScratchDirectory directory;
    std::array<std::vector<std::uint8_t>, 3> valid;
};

ConvertedSeries& Series()
{
    static ConvertedSeries series;
    return series;
}

std::vector<std::uint8_t> HostileImage(FuzzedDataProvider& provider, const std::vector<std::uint8_t>& valid)
{
    if (provider.ConsumeBool()) {
        return provider.ConsumeRemainingBytes<std::uint8_t>();
    }
    std::vector<std::uint8_t> image = valid;
    const std::size_t newSize = valid.size() + provider.ConsumeIntegralInRange<std::size_t>(0, 16);
    image.resize(newSize > 8 ? newSize - 8 : newSize, 0xff);
    const std::size_t offset = provider.ConsumeIntegralInRange<std::size_t>(0, image.size() - 1);
    const std::vector<std::uint8_t> patch = provider.ConsumeRemainingBytes<std::uint8_t>();
    std::copy_n(patch.begin(), std::min(patch.size(), image.size() - offset), image.begin() + static_cast<std::ptrdiff_t>(offset));
    return image;
}

void ComputePositions(const std::string& directory, std::size_t file, CObservation observation, int options)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    double position[3] = {};
    if (file == 0) {
        float longitude = 0.0f, obliquity = 0.0f;
        CNutationTheory(directory).ComputeNutation(observation, terms, longitude, obliquity);
        options |= NUTATION;
    }
    if (file != 2) {
        CSolarTheory(directory).ComputePosition(observation, terms, options, position);
    }
    if (file != 1) {
        CLunarTheory(directory).ComputePosition(observation, terms, options, position);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ConvertedSeries& series = Series();
    FuzzedDataProvider provider(data, size);
    const std::size_t file = provider.ConsumeIntegralInRange<std::size_t>(0, 2);
    const int options = provider.ConsumeIntegralInRange<int>(0, kAllPositionOptions);
    CObservation observation;
    observation.m_year = provider.ConsumeIntegralInRange<std::int32_t>(-4000, 8000);
    const std::vector<std::uint8_t> image = HostileImage(provider, series.valid[file]);

    const std::string path = series.directory.File(kSeriesFiles[file].name);
    fuzz::WriteBytes(path, image);
    ClearImageCache();
    try {
        ComputePositions(series.directory.Path(), file, observation, options);
    } catch (const CFileException&) {
        if (image.size() >= kSeriesFiles[file].size) {
            std::abort(); // a whole image is always readable
        }
    }
    fuzz::WriteBytes(path, series.valid[file]);
    ClearImageCache();
    return 0;
}
