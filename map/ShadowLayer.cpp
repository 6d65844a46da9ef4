#include "map/ShadowLayer.h"

#include "datafiles/TextFields.h"
#include "eclipse/EclipseGeometry.h"
#include "eclipse/ShadowPlacement.h"
#include "ephemeris/TimeScales.h"
#include "map/Projection.h"

#include <optional>

namespace {

constexpr RgbColour kAxisCrossColour{191, 63, 255};
constexpr RgbColour kUmbraColour{255, 0, 0};
constexpr RgbColour kPenumbraColour{191, 63, 63};
constexpr int kCrossHalfLength = 10;

// Places shadow points on the map: their longitudes count westwards and are
// turned back by the Earth's rotation during Delta T.
class ShadowPlacer {
public:
    ShadowPlacer(float deltaT, const CViewport& viewport, const CGeoPosition& centre, double sinCentreLatitude,
                 double cosCentreLatitude)
        : m_centreLongitude((centre.m_longitude - kEarthRotationDegreesPerSecond * deltaT) * kDegreesToRadians),
          m_viewport(viewport), m_sin(sinCentreLatitude), m_cos(cosCentreLatitude)
    {
    }

    std::optional<DevicePoint> Place(const ShadowPoint& point) const
    {
        const double deltaLongitude = -static_cast<double>(point.m_longitude) - m_centreLongitude;
        return ProjectPoint(deltaLongitude, point.m_latitude, m_cos, m_sin, m_viewport);
    }

private:
    double m_centreLongitude;
    const CViewport& m_viewport;
    double m_sin;
    double m_cos;
};

// A pixel coordinate moved by offset, kept within 32 bits: the projection
// saturates points absurdly far from the window.
std::int32_t Offset(std::int32_t coordinate, int offset)
{
    return SaturatedPixel(static_cast<double>(coordinate) + offset);
}

void DrawAxisCross(IDrawingSurface& surface, DevicePoint centre)
{
    surface.DrawLine({Offset(centre.x, -kCrossHalfLength), centre.y}, {Offset(centre.x, kCrossHalfLength), centre.y},
                     kAxisCrossColour);
    surface.DrawLine({centre.x, Offset(centre.y, -kCrossHalfLength)}, {centre.x, Offset(centre.y, kCrossHalfLength)},
                     kAxisCrossColour);
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

void DrawShadow(IDrawingSurface& surface, const CObservation& observation, CTimeTerms& terms,
                const std::string& dataDirectory, const CViewport& viewport, const CGeoPosition& centre,
                double sinCentreLatitude, double cosCentreLatitude)
{
    ComputeTimeTerms(observation, terms);
    const CEclipseGeometry geometry(observation, terms, dataDirectory);
    bool axisHit = false;
    ShadowPoint axisPoint;
    CGeoPointArray umbra;
    CGeoPointArray penumbra;
    geometry.ComputeShadowOutlines(axisHit, axisPoint, umbra, penumbra);

    const ShadowPlacer placer(terms.m_deltaTUsed, viewport, centre, sinCentreLatitude, cosCentreLatitude);
    if (axisHit) {
        if (const std::optional<DevicePoint> pixel = placer.Place(axisPoint)) {
            DrawAxisCross(surface, *pixel);
        }
    }
    DrawOutline(surface, umbra, placer, kUmbraColour);
    DrawOutline(surface, penumbra, placer, kPenumbraColour);
}
