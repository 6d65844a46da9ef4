#pragma once

#include "model/MapLayerChoice.h"
#include "model/Observation.h"
#include "model/Viewport.h"

#include <optional>
#include <string>

struct ShadowOutlines;
struct EclipseOverlay;
struct MapLegend;

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
    // The title and key drawn over the map; none without.
    const MapLegend* legend = nullptr;
    // The hours the times written on the map are ahead of UT (local time).
    double timeOffsetHours = 0.0;
    // Drawn on paper: the sky is left the paper's white rather than inked black.
    bool paper = false;
    // Client units per pixel of the screen the marks are sized for: the
    // widths of the annotation lines and the sizes of the markers are
    // multiplied by it, so that a larger copy of the map (a page, a dense
    // screen) keeps their proportions.
    double pixelSize = 1.0;
    // What the credit line says of the time model and Delta T of the shadow
    // ("ΔT 69.2 s (modern)"); nothing outside a computation.
    std::string timeNote;
    // The instant written in the top-left corner ("2024-04-08 18:17:00 UT"),
    // for the pictures of an animation; nothing on other maps.
    std::string instantLabel;
};
