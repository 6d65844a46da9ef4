#include "map/layers/ShadowLayer.h"

#include "core/Units.h"
#include "eclipse/ShadowOutlines.h"
#include "eclipse/ShadowPlacement.h"
#include "map/Projection.h"

#include <cmath>
#include <optional>

namespace {

constexpr RgbColour kAxisCrossColour{191, 63, 255};
constexpr RgbColour kUmbraColour{255, 0, 0};
constexpr RgbColour kPenumbraColour{191, 63, 63};
constexpr int kCrossHalfLength = 10;

// Places shadow points on the map as ShadowPlacement.h says.
class ShadowPlacer {
public:
    ShadowPlacer(float rotationSeconds, const CViewport& viewport, const CGeoPosition& centre, double sinCentreLatitude,
                 double cosCentreLatitude)
        : m_rotationSeconds(rotationSeconds), m_centreLongitude(centre.m_longitude * kDegreesToRadians), m_viewport(viewport),
          m_sin(sinCentreLatitude), m_cos(cosCentreLatitude)
    {
    }

    std::optional<DevicePoint> Place(const ShadowPoint& point) const
    {
        const double deltaLongitude = PlacedEastLongitude(point.m_longitude, m_rotationSeconds) - m_centreLongitude;
        return ProjectPoint(deltaLongitude, point.m_latitude, m_cos, m_sin, m_viewport);
    }

private:
    float m_rotationSeconds;
    double m_centreLongitude;
    const CViewport& m_viewport;
    double m_sin;
    double m_cos;
};

// A pixel coordinate moved by offset, kept within 32 bits: the projection
// saturates points absurdly far from the window.
double Offset(std::int32_t coordinate, int offset)
{
    return SaturatedPixel(static_cast<double>(coordinate) + offset);
}

void DrawAxisCross(IDrawingSurface& surface, DevicePoint centre)
{
    const double x = centre.x;
    const double y = centre.y;
    surface.DrawLine({Offset(centre.x, -kCrossHalfLength), y}, {Offset(centre.x, kCrossHalfLength), y}, kAxisCrossColour);
    surface.DrawLine({x, Offset(centre.y, -kCrossHalfLength)}, {x, Offset(centre.y, kCrossHalfLength)}, kAxisCrossColour);
}

void DrawOutline(IDrawingSurface& surface, const CGeoPointArray& outline, const ShadowPlacer& placer, RgbColour colour)
{
    for (const ShadowPoint& point : outline) {
        if (const std::optional<DevicePoint> pixel = placer.Place(point)) {
            surface.SetPixel(pixel->x, pixel->y, colour);
        }
    }
}

} // namespace

void DrawShadow(IDrawingSurface& surface, const ShadowOutlines& shadow, const CViewport& viewport, const CGeoPosition& centre,
                double sinCentreLatitude, double cosCentreLatitude)
{
    const ShadowPlacer placer(shadow.rotationSeconds, viewport, centre, sinCentreLatitude, cosCentreLatitude);
    if (shadow.axisHit) {
        if (const std::optional<DevicePoint> pixel = placer.Place(shadow.axisPoint)) {
            DrawAxisCross(surface, *pixel);
        }
    }
    DrawOutline(surface, shadow.umbra, placer, kUmbraColour);
    DrawOutline(surface, shadow.penumbra, placer, kPenumbraColour);
}

void CShadowLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.shadow == nullptr || !frame.layers.shadow) {
        return;
    }
    const double centreLatitude = frame.centre.m_latitude * kDegreesToRadians;
    DrawShadow(surface, *frame.shadow, frame.viewport, frame.centre, std::sin(centreLatitude), std::cos(centreLatitude));
}
