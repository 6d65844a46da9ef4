#pragma once

#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

#include <string>

// The credit line of the map's sources.
inline constexpr const char* kCreditText = "Umbrant - VSOP87, ELP 2000-82B, GSHHS, WDB II";

// Writes the credit line in red, its bottom-right corner 5 pixels left of and
// 3 pixels above the client area's bottom-right corner, followed by the
// note on the time model when there is one.
void DrawCredit(IDrawingSurface& surface, const std::string& timeNote = {});

// The credit line as a layer of the trace.
class CCreditLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override { DrawCredit(surface, frame.timeNote); }
};
