#pragma once

#include "app/model/Observation.h"
#include "app/model/Viewport.h"
#include "datafiles/PolylineImage.h"
#include "map/DrawingSurface.h"

#include <string>

// Strokes the lines of a border or river image in the pen colour, point to
// point; a stretch that passes behind the globe is left out. Counts stored in
// the image are bounded by its capacities.
void DrawPolylines(IDrawingSurface& surface, const PolylineImage& image, RgbColour pen, const CViewport& viewport,
                   const CGeoPosition& centre);

// The same from the file layout.imageName in dataDirectory. A file that is
// missing, unreadable or shorter than its image leaves the layer out, silently.
void DrawPolylines(IDrawingSurface& surface, const std::string& dataDirectory, const PolylineLayout& layout, RgbColour pen,
                   const CViewport& viewport, const CGeoPosition& centre);
