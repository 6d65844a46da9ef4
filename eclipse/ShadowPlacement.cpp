#include "eclipse/ShadowPlacement.h"

#include "core/Units.h"

#include <cmath>

double PlacedEastLongitude(float westLongitude, float deltaTSeconds)
{
    return -static_cast<double>(westLongitude) + kEarthRotationDegreesPerSecond * deltaTSeconds * kDegreesToRadians;
}

double PlacedEastLongitudeDegrees(float westLongitude, float deltaTSeconds)
{
    const double degrees = PlacedEastLongitude(westLongitude, deltaTSeconds) / kDegreesToRadians;
    if (!std::isfinite(degrees)) {
        return degrees;
    }
    return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0);
}
