#pragma once

// A place on the Earth: geodetic longitude and latitude in degrees, east and
// north positive, and the height above the ellipsoid in metres.
struct GeographicPlace {
    double longitude = 0.0;
    double latitude = 0.0;
    double height = 0.0;
};
