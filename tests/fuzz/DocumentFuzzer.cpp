// A ".umb" document of any bytes: loading it, the time terms of its epoch,
// the viewport operations on its viewports, and saving it again.
#include "model/Archive.h"
#include "model/EclipseMap.h"
#include "datafiles/FileException.h"
#include "ephemeris/TimeScales.h"
#include "map/ViewportOperations.h"

#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

std::vector<std::uint8_t> Stored(const CEclipseMap& map)
{
    CArchive archive;
    CEclipseMap copy = map;
    copy.Serialize(archive);
    return archive.StoredBytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    CEclipseMap map;
    try {
        LoadDocument(bytes, "fuzz.umb", map);
    } catch (const CFileException&) {
        if (size >= kDocumentFileSize) {
            std::abort(); // a whole document is always readable
        }
        return 0;
    }
    // Every loaded document saves as 193 bytes that load back to the same document.
    const std::vector<std::uint8_t> saved = Stored(map);
    CEclipseMap reloaded;
    LoadDocument(saved, "saved.umb", reloaded);
    if (saved.size() != kDocumentFileSize || Stored(reloaded) != saved) {
        std::abort();
    }

    CTimeTerms terms;
    ComputeTimeTerms(map.m_observation, terms);
    const DevicePoint start{map.m_viewport.m_height, map.m_viewport.m_width};
    const DevicePoint end{static_cast<std::int32_t>(map.m_observation.m_day), map.m_observation.m_minute};
    ZoomIn(map, start, end);
    ZoomOut(map, end, start);
    Translate(map, start, end);
    SetGlobalViewport(map.m_viewport, map.m_viewport.m_width, map.m_viewport.m_height);
    return 0;
}
