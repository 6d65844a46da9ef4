#pragma once

#include "map/DrawingSurface.h"

// The credit line of the map's sources.
inline constexpr const char* kCreditText = "Umbrant - VSOP87, ELP 2000-82B, GSHHS, WDB II";

// Writes the credit line in red, its bottom-right corner 5 pixels left of and
// 3 pixels above the client area's bottom-right corner.
void DrawCredit(IDrawingSurface& surface);
