#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"

struct ShadowOutlines;

// Everything a layer is given to draw one picture: where the globe lies
// (viewport), about which point it is projected (centre, degrees), the
// client size, and the data of the instant the dynamic layers show.
struct MapFrame {
    CViewport viewport;
    CGeoPosition centre;
    int width = 0;
    int height = 0;
    // The Moon's shadow at the map's instant; none outside a computation.
    const ShadowOutlines* shadow = nullptr;
};
