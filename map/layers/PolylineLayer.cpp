#include "map/layers/PolylineLayer.h"

#include "datafiles/FileException.h"
#include "datafiles/ImageCache.h"
#include "datafiles/ProgramDirectory.h"
#include "core/Units.h"
#include "map/PixelClipping.h"
#include "map/Projection.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <vector>

#include <sys/stat.h>

namespace {

// Strokes the runs of consecutive visible points, each within the surface's
// coordinate range.
class PenStroker {
public:
    PenStroker(IDrawingSurface& surface, RgbColour pen)
        : m_surface(surface), m_pen(pen), m_guard(GuardRectangle(surface.ClientWidth(), surface.ClientHeight()))
    {
    }

    void LineTo(DevicePoint point) { m_run.push_back(point); }

    void RaisePen()
    {
        if (m_run.size() >= 2) {
            ClipPolylineToRectangle(m_run, m_guard, [this](std::span<const DevicePoint> run) { m_surface.DrawPolyline(run, m_pen); });
        }
        m_run.clear();
    }

private:
    IDrawingSurface& m_surface;
    RgbColour m_pen;
    PixelRectangle m_guard;
    std::vector<DevicePoint> m_run;
};

} // namespace

void DrawPolylines(IDrawingSurface& surface, const PolylineImage& image, RgbColour pen, const CViewport& viewport,
                   const CGeoPosition& centre)
{
    const double centreLatitude = centre.m_latitude * kDegreesToRadians;
    const double sinCentre = std::sin(static_cast<float>(centreLatitude));
    const double cosCentre = std::cos(static_cast<float>(centreLatitude));
    const double centreLongitude = centre.m_longitude * kDegreesToRadians;
    const PolylineLayout& layout = image.Layout();
    const std::int32_t lineCount = std::clamp(image.LineCount(), 0, layout.lineCapacity);

    PenStroker stroker(surface, pen);
    std::int32_t next = 0;
    for (std::int32_t line = 0; line < lineCount; ++line) {
        stroker.RaisePen();
        const std::int32_t count = std::clamp(image.PointCountOf(line), 0, layout.pointCapacity - next);
        for (const std::int32_t end = next + count; next < end; ++next) {
            const std::optional<DevicePoint> projected = ProjectPoint(image.LongitudeAt(next) - centreLongitude,
                                                                      image.LatitudeAt(next), cosCentre, sinCentre, viewport);
            if (projected) {
                stroker.LineTo(*projected);
            } else {
                stroker.RaisePen();
            }
        }
    }
    stroker.RaisePen();
}

DataImage OptionalLineImage(const std::string& dataDirectory, const PolylineLayout& layout)
{
    try {
        return LoadCachedImage(JoinPath(dataDirectory, layout.imageName), layout.ImageSize());
    } catch (const CFileException& error) {
        // A missing border or river file only leaves its layer out; one that
        // is there but short, damaged or unreadable is an error naming it.
        if (error.Kind() == FileErrorKind::Open && error.ErrorNumber() == ENOENT) {
            return nullptr;
        }
        throw;
    }
}

std::vector<std::string> MissingLineImages(const std::string& dataDirectory)
{
    std::vector<std::string> missing;
    for (const PolylineLayout& layout : {kBorderLayout, kRiverLayout}) {
        const std::string path = JoinPath(dataDirectory, layout.imageName);
        struct stat status {};
        if (::stat(path.c_str(), &status) != 0 && errno == ENOENT) {
            missing.push_back(path);
        }
    }
    return missing;
}

void DrawPolylines(IDrawingSurface& surface, const std::string& dataDirectory, const PolylineLayout& layout, RgbColour pen,
                   const CViewport& viewport, const CGeoPosition& centre)
{
    if (const DataImage bytes = OptionalLineImage(dataDirectory, layout)) {
        DrawPolylines(surface, PolylineImage(layout, *bytes), pen, viewport, centre);
    }
}
