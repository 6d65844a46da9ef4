#include "places/Place.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

std::string PlaceTitle(const Place& place)
{
    std::string title = place.name;
    for (const std::string* part : {&place.state, &place.country}) {
        if (!part->empty()) {
            title += ", " + *part;
        }
    }
    return title;
}

// The haversine formula, which keeps its precision for nearby points.
double GreatCircleKilometres(double longitude1, double latitude1, double longitude2, double latitude2)
{
    const double sinHalfLatitude = std::sin(0.5 * (latitude2 - latitude1) * kDegreesToRadians);
    const double sinHalfLongitude = std::sin(0.5 * (longitude2 - longitude1) * kDegreesToRadians);
    const double haversine = sinHalfLatitude * sinHalfLatitude + std::cos(latitude1 * kDegreesToRadians) *
                                                                     std::cos(latitude2 * kDegreesToRadians) *
                                                                     sinHalfLongitude * sinHalfLongitude;
    return 2.0 * kEarthMeanRadiusKilometres * std::asin(std::sqrt(std::clamp(haversine, 0.0, 1.0)));
}
