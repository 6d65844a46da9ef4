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

// The curves of equal maximum magnitude a map draws: 0.2 to 0.8, from a grid
// of half a degree.
std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements);

// The whole overlay of an eclipse from its fitted elements: its path with a
// vertex a minute and its curves, as the desktop and the command line draw it.
EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements);
