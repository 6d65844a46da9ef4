#pragma once

#include "eclipse/path/PathTypes.h"

#include <vector>

// A line cut where it crosses the antimeridian, for maps in longitude and
// latitude: each piece ends at +180 or -180 degrees and the next begins at
// the opposite one, on the crossing's interpolated latitude and instant. A
// step between nearly opposite meridians passes over a pole: the piece goes
// up to the pole on one meridian and down on the other, so that nothing
// jumps across the map. Longitudes in degrees, east positive, [-180, 180).
// Reference: Butler et al., The GeoJSON Format, RFC 7946 (2016), 3.1.9.
std::vector<PathLine> SplitAtAntimeridian(const PathLine& line);
