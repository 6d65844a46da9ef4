// "gshhs_i.dat", "frontier.dat" or "fleuves.dat" of any bytes, drawn by its
// layer. The file is either the input itself, of any size, or an image of
// about the right size whose counts (polygons, lines, points per polygon or
// line: negative, past the capacities), levels and first coordinates (NaN,
// infinities, huge) come from the input.
#include "FuzzSupport.h"

#include "datafiles/ImageCache.h"
#include "datafiles/PolylineImage.h"
#include "datafiles/ShorelineImage.h"
#include "map/MapColours.h"
#include "map/layers/PolylineLayer.h"
#include "map/layers/ShorelineLayer.h"
#include "map/ViewportOperations.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

constexpr int kSurfaceWidth = 64;
constexpr int kSurfaceHeight = 48;
constexpr std::int32_t kMostRecordsSet = 32;

const fuzz::ScratchDirectory& Scratch()
{
    static const fuzz::ScratchDirectory directory("map-images");
    return directory;
}

template <typename Value>
void Put(std::vector<std::uint8_t>& image, std::size_t offset, Value value)
{
    if (offset + sizeof value <= image.size()) {
        std::memcpy(image.data() + offset, &value, sizeof value);
    }
}

std::size_t NearSize(FuzzedDataProvider& provider, std::size_t size)
{
    return size + provider.ConsumeIntegralInRange<std::size_t>(0, 4) - 2;
}

std::vector<std::uint8_t> ShorelineBytes(FuzzedDataProvider& provider)
{
    using namespace ShorelineLayout;
    std::vector<std::uint8_t> image(NearSize(provider, kImageSize), 0);
    Put(image, kPolygonCountOffset, provider.ConsumeIntegral<std::int32_t>());
    Put(image, kPointCountOffset, provider.ConsumeIntegral<std::int32_t>());
    const std::int32_t polygons = provider.ConsumeIntegralInRange<std::int32_t>(0, kMostRecordsSet);
    for (std::int32_t polygon = 0; polygon < polygons; ++polygon) {
        Put(image, kPointCountsOffset + 4 * static_cast<std::size_t>(polygon), provider.ConsumeIntegral<std::int32_t>());
        Put(image, kLevelsOffset + 4 * static_cast<std::size_t>(polygon), provider.ConsumeIntegral<std::int32_t>());
    }
    std::span<const std::uint8_t> rest;
    const std::vector<std::uint8_t> coordinates = provider.ConsumeRemainingBytes<std::uint8_t>();
    rest = coordinates;
    for (std::size_t point = 0; !rest.empty(); ++point) {
        Put(image, kPointsOffset + sizeof(ShorelinePoint) * point, fuzz::TakeRaw<ShorelinePoint>(rest));
    }
    return image;
}

std::vector<std::uint8_t> PolylineBytes(FuzzedDataProvider& provider, const PolylineLayout& layout)
{
    std::vector<std::uint8_t> image(NearSize(provider, layout.ImageSize()), 0);
    Put(image, layout.LineCountOffset(), provider.ConsumeIntegral<std::int32_t>());
    const std::int32_t lines = provider.ConsumeIntegralInRange<std::int32_t>(0, kMostRecordsSet);
    for (std::int32_t line = 0; line < lines; ++line) {
        Put(image, layout.PointCountsOffset() + 4 * static_cast<std::size_t>(line), provider.ConsumeIntegral<std::int32_t>());
    }
    const std::vector<std::uint8_t> coordinates = provider.ConsumeRemainingBytes<std::uint8_t>();
    std::span<const std::uint8_t> rest = coordinates;
    for (std::size_t point = 0; !rest.empty(); ++point) {
        Put(image, layout.LongitudesOffset() + 4 * point, fuzz::TakeRaw<float>(rest));
        Put(image, layout.LatitudesOffset() + 4 * point, fuzz::TakeRaw<float>(rest));
    }
    return image;
}

CViewport ChosenViewport(FuzzedDataProvider& provider)
{
    CViewport viewport;
    SetGlobalViewport(viewport, kSurfaceWidth, kSurfaceHeight);
    if (provider.ConsumeBool()) {
        // A zoom on part of the globe, so that polygons cross the window's edges.
        viewport.m_scale *= static_cast<float>(provider.ConsumeIntegralInRange<int>(1, 64));
        viewport.m_originX += static_cast<float>(provider.ConsumeIntegralInRange<int>(-200, 200));
        viewport.m_originY += static_cast<float>(provider.ConsumeIntegralInRange<int>(-200, 200));
    }
    return viewport;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int file = provider.ConsumeIntegralInRange<int>(0, 2);
    const bool whole = provider.ConsumeBool();
    const CViewport viewport = ChosenViewport(provider);
    const CGeoPosition centre(provider.ConsumeFloatingPointInRange<double>(-360.0, 360.0),
                              provider.ConsumeFloatingPointInRange<double>(-90.0, 90.0));
    fuzz::NullSurface surface(kSurfaceWidth, kSurfaceHeight);
    ClearImageCache();
    if (file == 0) {
        const std::vector<std::uint8_t> image = whole ? provider.ConsumeRemainingBytes<std::uint8_t>() : ShorelineBytes(provider);
        fuzz::WriteBytes(Scratch().File("gshhs_i.dat"), image);
        try {
            DrawShorelines(surface, LoadCachedImage(Scratch().File("gshhs_i.dat"), ShorelineLayout::kImageSize), viewport,
                           centre);
        } catch (const CFileException&) {
            if (image.size() >= ShorelineLayout::kImageSize) {
                std::abort();
            }
        }
    } else {
        const PolylineLayout& layout = file == 1 ? kBorderLayout : kRiverLayout;
        const std::vector<std::uint8_t> image = whole ? provider.ConsumeRemainingBytes<std::uint8_t>() : PolylineBytes(provider, layout);
        fuzz::WriteBytes(Scratch().File(layout.imageName), image);
        try {
            DrawPolylines(surface, Scratch().Path(), layout, kBorderColour, viewport, centre);
        } catch (const CFileException&) {
            if (image.size() >= layout.ImageSize()) {
                std::abort();  // a whole image is always readable; only a short one is refused
            }
        }
    }
    return 0;
}
