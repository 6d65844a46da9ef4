#pragma once

#include "eclipse/BesselianElements.h"
#include "eclipse/GeoPointArray.h"

// The shadow axis as the outlines need it: the Moon on the fundamental plane
// (Earth radii), the axis's declination and its Greenwich hour angle.
struct ShadowAxis {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double sinDeclination = 0.0;
    double cosDeclination = 1.0;
    double hourAngle = 0.0;  // radians
};

// One shadow cone: its vertex's depth below the Moon's centre along the axis
// (Earth radii; negative when the vertex lies toward the Sun) and the sine
// of its half-angle (negative for a cone that narrows toward the Earth).
struct ShadowCone {
    double vertexDepth = 0.0;
    double sinHalfAngle = 0.0;
};

// The Moon's shadow on the Earth at one instant. Longitudes count westwards
// from the geometry's meridian; turning them back by the Earth's rotation
// during rotationSeconds (ShadowPlacement.h) places them for the map.
struct ShadowOutlines {
    bool axisHit = false;
    ShadowPoint axisPoint;       // untouched when the axis misses
    CGeoPointArray umbra;        // one generator per degree, at most 360 points
    CGeoPointArray penumbra;     // one per 0.05 degree, at most 7200 points
    float rotationSeconds = 0.0f;
};

// Where one generator of a shadow cone meets the Earth (an ellipsoid of
// equatorial radius 1 and polar radius kEarthPolarRatio).
// Given:    axis, cone       as above
//           positionAngle    of the generator, radians
// Returned: hit              whether the line meets the Earth
//           point            geodetic latitude and west-positive longitude,
//                            radians; untouched when the line misses
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.34
//            (the point on the Earth of a shadow line).
void ShadowPointOnEarth(const ShadowAxis& axis, const ShadowCone& cone, double positionAngle, ShadowPoint& point,
                        bool& hit);

// The axis point, then the umbra and penumbra outlines.
ShadowOutlines TraceShadowOutlines(const ShadowAxis& axis, const ShadowCone& umbra, const ShadowCone& penumbra);

// The outlines of an instant from its Besselian elements (k2 for the umbra,
// k1 for the penumbra); mu is already the hour angle of the Universal Time,
// so the outlines need no turning back.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
ShadowOutlines OutlinesFromElements(const BesselianElements& elements);
