// What checking the data images against their manifest costs at a (re)load:
// the CRC-32 of 5 MB, and loading and first using the six images with and
// without a manifest.
#include "datafiles/DataManifest.h"
#include "datafiles/ElpImage.h"
#include "datafiles/ImageCache.h"
#include "datafiles/NutationImage.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/ShorelineImage.h"
#include "datafiles/VsopImage.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::pair<std::string, std::size_t>> kImages{
    {kVsopImageName, kVsopImageSize},         {kElpImageName, kElpImageSize},
    {kNutationImageName, kNutationImageSize}, {"gshhs_i.dat", ShorelineLayout::kImageSize},
    {kBorderLayout.imageName, kBorderLayout.ImageSize()}, {kRiverLayout.imageName, kRiverLayout.ImageSize()}};

void BM_ImageChecksum5MB(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes(5'000'000, 0x5a);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ImageChecksum(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ImageChecksum5MB)->Unit(benchmark::kMillisecond);

// The six images copied into a directory of their own, with or without
// their manifest (both on the same file system), removed at exit.
struct ImageCopy {
    explicit ImageCopy(bool listed)
        : directory(fs::temp_directory_path() / ("umbrant-bench-" + std::to_string(::getpid()) + (listed ? "-listed" : "-unlisted")))
    {
        const fs::path data = GetDataDirectory();
        fs::create_directories(directory);
        for (const auto& [name, size] : kImages) {
            fs::copy_file(data / name, directory / name);
        }
        if (listed) {
            fs::copy_file(data / kManifestName, directory / kManifestName);
        }
    }
    ~ImageCopy() { fs::remove_all(directory); }
    ImageCopy(const ImageCopy&) = delete;
    ImageCopy& operator=(const ImageCopy&) = delete;
    fs::path directory;
};

std::string ImageDirectory(bool listed)
{
    static const ImageCopy withManifest(true);
    static const ImageCopy withoutManifest(false);
    return (listed ? withManifest : withoutManifest).directory.string() + "/";
}

void BM_LoadTheSixImages(benchmark::State& state)
{
    const bool listed = state.range(0) == 1;
    if (!fs::exists(fs::path(GetDataDirectory()) / kManifestName)) {
        state.SkipWithError("no converted data with a manifest beside the benchmark");
        return;
    }
    const std::string directory = ImageDirectory(listed);
    // Each page touched once, as the first computation or trace does: on some
    // virtual machines the first touch of a page the kernel filled costs far
    // more than the checksum, which otherwise seems to carry that cost.
    for (auto _ : state) {
        ClearImageCache();
        std::uint8_t touched = 0;
        for (const auto& [name, size] : kImages) {
            const DataImage image = LoadCachedImage(directory + name, size);
            for (std::size_t offset = 0; offset < image->size(); offset += 4096) {
                touched ^= (*image)[offset];
            }
        }
        benchmark::DoNotOptimize(touched);
    }
    state.SetLabel(listed ? "checked against the manifest" : "without a manifest");
}
BENCHMARK(BM_LoadTheSixImages)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
