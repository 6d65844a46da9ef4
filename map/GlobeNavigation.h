#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"

#include <optional>

// The place under a client point of the orthographic map about centre: the
// inverse of the projection, in double precision. Given: x, y in client
// pixels (fractions allowed); the centre in degrees. Returned: degrees, east
// and north positive, longitude in [-180, 180); nothing off the globe's disk.
std::optional<CGeoPosition> PlaceUnderPoint(double x, double y, const CViewport& viewport, const CGeoPosition& centre);

// Turns the globe under a drag of (dx, dy) client pixels on a globe of the
// given radius (pixels): the place at the centre of the map follows the
// mouse. The centre's latitude stays within the poles and its longitude is
// brought into [-180, 180).
void TurnGlobe(CGeoPosition& centre, double dx, double dy, double scale);
