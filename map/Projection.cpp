#include "map/Projection.h"

#include <cmath>
#include <limits>

std::int32_t SaturatedPixel(double coordinate)
{
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(coordinate)) {
        return 0;
    }
    if (coordinate <= kLowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (coordinate >= kHighest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(coordinate);
}

std::optional<DevicePoint> ProjectPoint(double deltaLongitude, double latitude, double cosCentreLatitude,
                                        double sinCentreLatitude, const CViewport& viewport)
{
    // The trigonometry is single precision, as the maps were always drawn.
    return ProjectPoint(deltaLongitude, std::sin(static_cast<float>(latitude)), std::cos(static_cast<float>(latitude)),
                        cosCentreLatitude, sinCentreLatitude, viewport);
}

std::optional<DevicePoint> ProjectPoint(double deltaLongitude, float sinLatitude, float cosLatitude, double cosCentreLatitude,
                                        double sinCentreLatitude, const CViewport& viewport)
{
    const float sinDelta = std::sin(static_cast<float>(deltaLongitude));
    const float cosDelta = std::cos(static_cast<float>(deltaLongitude));
    const float cosCentre = static_cast<float>(cosCentreLatitude);
    const float sinCentre = static_cast<float>(sinCentreLatitude);

    if (!(-cosLatitude * cosDelta * cosCentre - sinLatitude * sinCentre < 0.0f)) {
        return std::nullopt;
    }
    const float unitX = cosLatitude * sinDelta;
    const float unitY = cosCentre * sinLatitude - sinCentre * cosLatitude * cosDelta;
    const double x = static_cast<double>(viewport.m_originX) + static_cast<double>(viewport.m_scale) * unitX;
    const double y = static_cast<double>(viewport.m_originY) - static_cast<double>(viewport.m_scale) * unitY;
    return DevicePoint{SaturatedPixel(x), SaturatedPixel(y)};
}
