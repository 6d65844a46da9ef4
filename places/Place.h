#pragma once

#include <cstdint>
#include <string>

// A town of the gazetteer: its name, the first-level division (state,
// province, region) and the country it lies in, where it lies, how many
// people live there, and the time zone its clocks keep.
struct Place {
    std::string name;          // "Dallas"
    std::string state;         // "Texas"; may be empty
    std::string country;       // "United States of America"
    std::string countryCode;   // ISO 3166-1 alpha-2, "US"
    std::string timeZone;      // IANA name, "America/Chicago"; may be empty
    double longitude = 0.0;    // degrees, east positive
    double latitude = 0.0;     // degrees, north positive
    std::uint32_t population = 0;
};

// "Dallas, Texas, United States of America" (the state left out when empty).
std::string PlaceTitle(const Place& place);

// A place and its distance from a point asked about.
struct NearbyPlace {
    Place place;
    double distanceKilometres = 0.0;
};

// The distance of two points on a sphere of the Earth's mean radius,
// kilometres; the points in degrees, east and north positive. Within 0.5 %
// of the geodesic on the ellipsoid, which is all a "nearest town" needs.
double GreatCircleKilometres(double longitude1, double latitude1, double longitude2, double latitude2);
