#include "map/DrawingSurface.h"

#include <vector>

namespace {

std::vector<MapPoint> ToMapPoints(std::span<const DevicePoint> points)
{
    std::vector<MapPoint> converted;
    converted.reserve(points.size());
    for (const DevicePoint point : points) {
        converted.push_back(ToMapPoint(point));
    }
    return converted;
}

} // namespace

void IDrawingSurface::FillPolygon(std::span<const DevicePoint> points, RgbColour fill)
{
    FillPolygon(std::span<const MapPoint>(ToMapPoints(points)), fill);
}

void IDrawingSurface::DrawPolyline(std::span<const DevicePoint> points, RgbColour pen)
{
    DrawPolyline(std::span<const MapPoint>(ToMapPoints(points)), pen);
}

// About the width of an average character of a sans-serif face, and the
// height of its lines, in points: a point is 96/72 pixels of such a screen.
MapPoint IDrawingSurface::LabelSize(const std::string& text, double pointSize) const
{
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    constexpr double kAverageAdvance = 0.55;
    constexpr double kLineHeight = 1.25;
    std::size_t characters = 0;
    for (const char byte : text) {
        characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;  // UTF-8 lead bytes
    }
    return {static_cast<double>(characters) * kAverageAdvance * pointSize * kPixelsPerPoint,
            kLineHeight * pointSize * kPixelsPerPoint};
}
