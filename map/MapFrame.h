#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"

#include <optional>
#include <string>

struct ShadowOutlines;
struct EclipseOverlay;

// Which of the map's optional layers are shown.
struct MapLayerChoice {
    bool shadow = true;           // the Moon's shadow at the instant: umbra, penumbra, axis cross
    bool path = true;             // umbral band and central line with its ticks of time
    bool uncertainty = true;      // with the path, where Delta T's uncertainty may move the band
    bool umbraLimits = true;      // the lines that bound the umbral band
    bool penumbraLimits = true;   // the northern and southern limits of the partial eclipse
    bool riseSet = true;          // where the eclipse begins, ends or is greatest at sunrise or sunset
    bool magnitudeCurves = true;
    bool graticule = false;
    bool terminator = false;      // the day/night line of the instant
    bool observer = true;
    bool greatest = true;         // the star at greatest eclipse
    bool labels = true;           // the times along the central line, the magnitudes of the curves
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
    // The instant written in the top-left corner ("2024-04-08 18:17:00 UT"),
    // for the pictures of an animation; nothing on other maps.
    std::string instantLabel;
};
