// "manifest.txt" of any bytes: its entries read, written and read back the
// same, and an image checked against it, which passes or is refused as
// damaged, and nothing else.
#include "FuzzSupport.h"

#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/ImageCache.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

const fuzz::ScratchDirectory& Scratch()
{
    static const fuzz::ScratchDirectory directory("manifest");
    return directory;
}

void CheckRoundTrip(std::string_view text)
{
    std::vector<ManifestEntry> entries = ParseManifest(text);
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    if (ParseManifest(FormatManifest(entries)) != entries) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckRoundTrip(text);

    fuzz::WriteBytes(Scratch().File("manifest.txt"), std::vector<std::uint8_t>(data, data + size));
    const std::vector<std::uint8_t> image(2544, size > 0 ? data[0] : 0);
    fuzz::WriteBytes(Scratch().File("Nutation.dat"), image);
    ClearImageCache();
    try {
        LoadCachedImage(Scratch().File("Nutation.dat"), image.size());
    } catch (const CFileException& error) {
        if (error.Kind() != FileErrorKind::Damaged) {
            std::abort();
        }
    }
    return 0;
}
