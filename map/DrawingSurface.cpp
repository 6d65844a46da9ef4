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
