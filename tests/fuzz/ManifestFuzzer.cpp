// "manifest.txt" of any bytes: its entries read, written and read back the
// same, or the manifest refused naming itself; and an image checked against
// it, which passes, is refused as damaged, or is refused because the
// manifest cannot be read, and nothing else.
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

bool IsManifestRefusal(const CFileException& error, const std::string& name)
{
    return error.Kind() == FileErrorKind::Malformed && error.FileName() == name && error.Cause().rfind("line ", 0) == 0;
}

void CheckRoundTrip(std::string_view text)
{
    std::vector<ManifestEntry> entries;
    try {
        entries = ParseManifest(text, "manifest.txt");
    } catch (const CFileException& error) {
        if (!IsManifestRefusal(error, "manifest.txt")) {
            std::abort();
        }
        return;
    }
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    if (ParseManifest(FormatManifest(entries), "manifest.txt") != entries) {
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
        if (error.Kind() != FileErrorKind::Damaged && !IsManifestRefusal(error, Scratch().File("manifest.txt"))) {
            std::abort();
        }
    }
    return 0;
}
