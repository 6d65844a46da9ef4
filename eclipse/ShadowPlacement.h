#pragma once

#include "core/Units.h"
#include "eclipse/GeoPointArray.h"

// The sidereal time of the document's geometry is taken at UT + Delta T;
// turning the shadow back by the Earth's rotation during Delta T
// (kEarthRotationDegreesPerSecond) places it for the Universal Time the user
// entered. Shadows computed from Besselian elements turn back by 0 s.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3
//            (the hour angle of the shadow axis at Universal Time).

// Longitude of a shadow point as the map places it, radians, east positive,
// not reduced. Given: the west-positive longitude from the geometry (radians)
// and the Delta T of the computation (seconds).
double PlacedEastLongitude(float westLongitude, float deltaTSeconds);

// The same in degrees, reduced to [-180, 180).
double PlacedEastLongitudeDegrees(float westLongitude, float deltaTSeconds);
