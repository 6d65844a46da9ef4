#pragma once

#include "core/Instant.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/ShadowOutlines.h"
#include "model/Observation.h"

class Ephemeris;

// The Moon's shadow at a document's epoch through an ephemeris's model: the
// epoch as an instant (its civil UT plus the model's Delta T, or the one it
// gives), its Besselian elements and the outlines drawn from them (placed
// for the Universal Time: no turning back).
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
struct ModelShadow {
    Instant instant;
    BesselianElements elements;
    ShadowOutlines outlines;
};
ModelShadow ShadowOfObservation(const Ephemeris& ephemeris, const CObservation& observation);
