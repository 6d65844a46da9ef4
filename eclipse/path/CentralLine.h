#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/path/PathTypes.h"

#include <optional>

// The central line's vertex at hours from T0, if the axis meets the Earth
// then: the place under the axis; the central duration, 2 |L2| / n with n
// the axis' speed relative to the ground; the width across the path, the
// umbra's diameter 2 |L2| across the relative motion carried from the
// fundamental plane onto the ground; the Sun there; the umbral limits at the
// same instant.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.5;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapters 5 and 6.
std::optional<CentralVertex> CentralVertexAt(const FittedElements& elements, double hours);
