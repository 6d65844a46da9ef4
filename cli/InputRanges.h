#pragma once

#include <string>

// The years a command computes: those of the Five Millennium Canon of solar
// eclipses, over which its Delta T polynomials run (Espenak & Meeus 2006);
// VSOP87 keeps the Earth within 1" over 4000 years either side of J2000, and
// ELP 2000-82B's Moon drifts from the observed one by the Delta T error
// rather than by its series within these years.
inline constexpr int kEarliestYear = -1999;
inline constexpr int kLatestYear = 3000;
// The largest Delta T a command takes, seconds: one day. The models give at
// most about 13 hours within the years (Espenak & Meeus, at -1999), the
// document's classic formula about 11; a Delta T beyond a day moves the
// instant to another date than the one given.
inline constexpr double kLargestDeltaTSeconds = 86400.0;

// The range of a given Delta T, as the refusals name it.
inline std::string DeltaTRangeText()
{
    const std::string largest = std::to_string(static_cast<long>(kLargestDeltaTSeconds));
    return "out of range: -" + largest + " to " + largest + " seconds (one day)";
}
