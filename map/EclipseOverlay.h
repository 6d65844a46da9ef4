#pragma once

#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"

#include <string>
#include <vector>

// A town named on the map.
struct TownLabel {
    std::string name;        // UTF-8
    double longitude = 0.0;  // degrees east
    double latitude = 0.0;   // degrees north
};

// The current eclipse as the map draws it: its whole path, its curves of
// equal maximum magnitude and the largest towns inside its path (each empty
// until computed).
struct EclipseOverlay {
    EclipsePath path;
    std::vector<MagnitudeCurve> magnitudeCurves;
    std::vector<TownLabel> towns;
};
