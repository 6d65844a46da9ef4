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
