#pragma once

#include "core/DeltaT.h"
#include "map/MapLegend.h"
#include "model/MapLayerChoice.h"

#include <optional>

class CUmbrantDoc;
struct EclipseOverlay;
enum class EclipseType;

// What the map's title and key tell: the eclipse drawn and its date, the
// shadow's instant, the model and the Delta T it used, the time the map's
// times are in, and the layers shown.
struct LegendFacts {
    MapLayerChoice layers;
    std::optional<EclipseType> eclipse;     // a path is drawn
    UniversalDate greatest;                 // UT, when a path is drawn
    UniversalDate instant;                  // the shadow's, UT
    bool modernModel = false;
    bool givenDeltaT = false;
    double deltaT = 0.0;                    // seconds, for the shadow
    double timeOffsetHours = 0.0;
};

// The facts of the document's map with the eclipse drawn (none: no path),
// the model chosen and the Delta T the shadow used.
LegendFacts LegendFactsOf(const CUmbrantDoc& document, const EclipseOverlay* eclipse, bool modernModel, double deltaT);

// The title and key in the interface's language: the eclipse and its date
// (or the map of the Moon's shadow), the shadow's instant in UT and in
// local time, the model and Delta T, then one entry a mark shown.
MapLegend MakeMapLegend(const LegendFacts& facts);
