#pragma once

#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"
#include "eclipse/uncertainty/UncertainBand.h"

#include <optional>

#include <vector>

// The current eclipse as the map draws it: its whole path and its curves of
// equal maximum magnitude (empty until they are computed).
struct EclipseOverlay {
    EclipsePath path;
    std::vector<MagnitudeCurve> magnitudeCurves;
    // Where Delta T's uncertainty may move the central phase (computed with
    // the curves), when the time model states it.
    std::optional<UncertainBand> band;
};

// The curves of equal maximum magnitude a map draws: 0.2 to 0.8, from a grid
// of half a degree.
std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements);

// Sigmas of Delta T either side of the band a map draws (95 %).
inline constexpr double kMapUncertainSigmas = 2.0;

// The whole overlay of an eclipse from its fitted elements: its path with a
// vertex a minute and its curves, as the desktop and the command line draw
// it, and the band of Delta T's uncertainty when its sigma (seconds) is given.
EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements, std::optional<double> deltaTSigma = std::nullopt);
