#pragma once

#include "map/DrawingSurface.h"

// The colours of the map's layers.
inline constexpr RgbColour kSkyColour{0, 0, 0};
inline constexpr RgbColour kPaperColour{255, 255, 255};
inline constexpr RgbColour kSeaColour{140, 198, 255};
inline constexpr RgbColour kLandColour{255, 231, 156};
inline constexpr RgbColour kBorderColour{63, 127, 63};
inline constexpr RgbColour kRiverColour{63, 63, 191};
inline constexpr RgbColour kLimbColour{0, 0, 0};
inline constexpr RgbColour kCreditColour{255, 0, 0};
