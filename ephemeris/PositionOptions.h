#pragma once

// Options word of the position evaluators; the shadow geometry passes all three (13).
enum PositionOption : int {
    EQUATORIAL = 1,  // rotate to the true equator and equinox of date
    NUTATION = 4,    // apply nutation in longitude and obliquity
    LIGHT_TIME = 8,  // position at the instant the light left the body
};

inline constexpr int kAllPositionOptions = EQUATORIAL | NUTATION | LIGHT_TIME;
