#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"

#include <optional>
#include <string>

struct ShadowOutlines;
struct EclipseOverlay;

// Which of the map's optional layers are shown.
struct MapLayerChoice {
    bool path = true;             // central line, umbral band, greatest eclipse
    bool uncertainty = true;      // with the path, where Delta T's uncertainty may move the band
    bool limits = true;           // penumbral limits, sunrise and sunset curves
    bool magnitudeCurves = true;
    bool graticule = false;
    bool terminator = false;      // the day/night line of the instant
    bool observer = true;
    friend bool operator==(const MapLayerChoice&, const MapLayerChoice&) = default;
};

// Everything a layer is given to draw one picture: where the globe lies
// (viewport), about which point it is projected (centre, degrees), the
// client size, the choice of layers, and the data of the eclipse and of
// the instant the annotation layers show.
struct MapFrame {
    CViewport viewport;
    CGeoPosition centre;
    int width = 0;
    int height = 0;
    MapLayerChoice layers;
    // The path of the current eclipse, when one is chosen (it does not
    // change with the instant: it is drawn with the base map).
    const EclipseOverlay* eclipse = nullptr;
    // The Moon's shadow at the map's instant; none outside a computation.
    const ShadowOutlines* shadow = nullptr;
    // The place under the Sun at the map's instant, for the terminator.
    std::optional<CGeoPosition> subsolarPoint;
    // The observer's place, degrees.
    std::optional<CGeoPosition> observer;
    // What the credit line says of the time model and Delta T of the shadow
    // ("ΔT 69.2 s (modern)"); nothing outside a computation.
    std::string timeNote;
};
