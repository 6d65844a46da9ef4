#pragma once

#include <vector>

// A point where a shadow line meets the Earth: geodetic latitude, then
// longitude counted positive westwards and not reduced to a range; radians,
// rounded to 32-bit floats.
struct ShadowPoint {
    float m_latitude = 0.0f;
    float m_longitude = 0.0f;
};

// An outline: shadow points in order of increasing position angle; generators
// that miss the Earth leave no gap marker.
using CGeoPointArray = std::vector<ShadowPoint>;
