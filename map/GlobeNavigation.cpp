#include "map/GlobeNavigation.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

namespace {

// Near a pole a sideways drag would spin the globe without bound; below
// this cosine of the centre's latitude it turns as it would at about 84
// degrees.
constexpr double kSmallestCentreCosine = 0.1;

double WrappedLongitude(double degrees)
{
    const double wrapped = std::fmod(degrees + 180.0, 360.0);
    return (wrapped < 0.0 ? wrapped + 360.0 : wrapped) - 180.0;
}

} // namespace

std::optional<CGeoPosition> PlaceUnderPoint(double x, double y, const CViewport& viewport, const CGeoPosition& centre)
{
    const double scale = viewport.m_scale;
    if (!(scale > 0.0)) {
        return std::nullopt;
    }
    // The point on the unit sphere: east of the centre, north, toward the viewer.
    const double east = (x - viewport.m_originX) / scale;
    const double north = (viewport.m_originY - y) / scale;
    const double squared = east * east + north * north;
    if (!(squared <= 1.0)) {
        return std::nullopt;
    }
    const double towardViewer = std::sqrt(1.0 - squared);
    const double centreLatitude = centre.m_latitude * kDegreesToRadians;
    const double sinCentre = std::sin(centreLatitude);
    const double cosCentre = std::cos(centreLatitude);
    const double sinLatitude = std::clamp(north * cosCentre + towardViewer * sinCentre, -1.0, 1.0);
    const double deltaLongitude = std::atan2(east, towardViewer * cosCentre - north * sinCentre);
    return CGeoPosition(WrappedLongitude(centre.m_longitude + deltaLongitude * kRadiansToDegrees),
                        std::asin(sinLatitude) * kRadiansToDegrees);
}

void TurnGlobe(CGeoPosition& centre, double dx, double dy, double scale)
{
    if (!(scale > 0.0)) {
        return;
    }
    const double cosCentre = std::max(std::cos(centre.m_latitude * kDegreesToRadians), kSmallestCentreCosine);
    centre.m_longitude = WrappedLongitude(centre.m_longitude - dx / (scale * cosCentre) * kRadiansToDegrees);
    centre.m_latitude = std::clamp(centre.m_latitude + dy / scale * kRadiansToDegrees, -90.0, 90.0);
}
