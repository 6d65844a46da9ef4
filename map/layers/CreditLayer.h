#pragma once

#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

// The credit line of the map's sources.
inline constexpr const char* kCreditText = "Umbrant - VSOP87, ELP 2000-82B, GSHHS, WDB II";

// Writes the credit line in red, its bottom-right corner 5 pixels left of and
// 3 pixels above the client area's bottom-right corner.
void DrawCredit(IDrawingSurface& surface);

// The credit line as a layer of the trace.
class CCreditLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame&) const override { DrawCredit(surface); }
};
