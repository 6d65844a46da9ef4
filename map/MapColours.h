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

// The shadow at the instant.
inline constexpr RgbColour kAxisCrossColour{191, 63, 255};
inline constexpr RgbColour kUmbraOutlineColour{255, 0, 0};
inline constexpr RgbColour kPenumbraOutlineColour{191, 63, 63};

// The eclipse's path, and the marks beside it.
inline constexpr RgbColour kBandColour{96, 0, 128};
inline constexpr double kBandOpacity = 0.30;
inline constexpr RgbColour kCentralColour{150, 0, 24};
inline constexpr RgbColour kPenumbralLimitColour{214, 120, 0};
inline constexpr RgbColour kHorizonColour{0, 112, 40};
inline constexpr RgbColour kMagnitudeColour{70, 70, 70};
inline constexpr RgbColour kGreatestColour{255, 214, 0};
inline constexpr RgbColour kObserverColour{0, 90, 220};
inline constexpr RgbColour kObserverInner{255, 255, 255};
inline constexpr RgbColour kTerminatorColour{20, 20, 70};
inline constexpr RgbColour kGraticuleColour{90, 110, 140};
