#pragma once

#include "eclipse/BesselianElements.h"
#include "eclipse/GeoPointArray.h"
#include "eclipse/plane/PlaneInstant.h"

// The shape of one shadow cone: its vertex's depth below the Moon's centre
// along the axis (Earth radii; negative when the vertex lies toward the Sun)
// and the sine of its half-angle (negative for a cone that narrows toward
// the Earth).
struct ConeShape {
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
// Given:    plane            the Moon on the fundamental plane (x, y, z), the
//                            axis' declination (sin d, cos d) and its
//                            Greenwich hour angle mu (rates not used)
//           cone             as above
//           positionAngle    of the generator, radians
// Returned: hit              whether the line meets the Earth
//           point            geodetic latitude and west-positive longitude,
//                            radians; untouched when the line misses
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.34
//            (the point on the Earth of a shadow line).
void ShadowPointOnEarth(const PlaneInstant& plane, const ConeShape& cone, double positionAngle, ShadowPoint& point,
                        bool& hit);

// The axis point, then the umbra and penumbra outlines.
ShadowOutlines TraceShadowOutlines(const PlaneInstant& plane, const ConeShape& umbra, const ConeShape& penumbra);

// The outlines of an instant from its Besselian elements (k2 for the umbra,
// k1 for the penumbra); mu is already the hour angle of the Universal Time,
// so the outlines need no turning back.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
ShadowOutlines OutlinesFromElements(const BesselianElements& elements);
