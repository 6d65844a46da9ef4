#pragma once

#include "model/Viewport.h"
#include "map/DrawingSurface.h"

#include <optional>

// Orthographic projection of a point of the unit sphere onto the view.
// deltaLongitude: the point's longitude minus the map centre's, radians;
// latitude: radians; the centre latitude's cosine and sine are computed once per
// drawing pass by the caller. Returns nothing for a point on the limb or
// behind it; otherwise its client pixel, truncated toward zero (saturated to
// the 32-bit range for points absurdly far from the window).
std::optional<DevicePoint> ProjectPoint(double deltaLongitude, double latitude, double cosCentreLatitude,
                                        double sinCentreLatitude, const CViewport& viewport);

// The same for a latitude given by its single-precision sine and cosine.
std::optional<DevicePoint> ProjectPoint(double deltaLongitude, float sinLatitude, float cosLatitude, double cosCentreLatitude,
                                        double sinCentreLatitude, const CViewport& viewport);

// Converts a pixel coordinate to 32 bits, truncating toward zero and saturating
// instead of overflowing.
std::int32_t SaturatedPixel(double coordinate);
