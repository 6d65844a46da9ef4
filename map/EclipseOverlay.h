#pragma once

#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/path/PathTypes.h"
#include "eclipse/search/EclipseSearch.h"

#include <vector>

// The current eclipse as the map draws it: its type, its whole path and its
// curves of equal maximum magnitude (empty until they are computed).
struct EclipseOverlay {
    EclipseType type = EclipseType::Partial;
    EclipsePath path;
    std::vector<MagnitudeCurve> magnitudeCurves;
};
