#pragma once

#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/UncertainBand.h"

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// A town named on the map.
struct TownLabel {
    std::string name;        // UTF-8
    double longitude = 0.0;  // degrees east
    double latitude = 0.0;   // degrees north
};

// The current eclipse as the map draws it: its type, its whole path, its
// curves of equal maximum magnitude and the largest towns inside its path
// (each empty until computed).
struct EclipseOverlay {
    EclipseType type = EclipseType::Partial;
    EclipsePath path;
    std::vector<MagnitudeCurve> magnitudeCurves;
    std::vector<TownLabel> towns;
    // Where Delta T's uncertainty may move the central phase (computed with
    // the curves), when the time model states it.
    std::optional<UncertainBand> band;
};

// The curves of equal maximum magnitude a map draws: 0.2 to 0.8.
// A stop request ends them early with OperationCancelled.
std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements, const std::stop_token& stop = {});

// Sigmas of Delta T either side of the band a map draws (95 %).
inline constexpr double kMapUncertainSigmas = 2.0;

// The whole overlay of an eclipse of the type from its fitted elements: its
// path with a vertex a minute and its curves, as the desktop and the command
// line draw it, and the band of Delta T's uncertainty when its sigma
// (seconds) is given.
EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements, EclipseType type,
                                     std::optional<double> deltaTSigma = std::nullopt);
