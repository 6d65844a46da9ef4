#pragma once

#include "eclipse/ShadowOutlines.h"
#include "model/Observation.h"
#include "model/TimeTerms.h"

struct EphemerisSeries;

// The Moon's shadow at one of the document's epochs, as its maps show it:
// positions with the document's own arithmetic, outlines from the geometry
// (CEclipseGeometry), turned back by the Delta T of the computation.
struct EpochShadow {
    CTimeTerms terms;               // the epoch's time terms
    ShadowOutlines outlines;
    double axisDeclination = 0.0;   // radians
    double axisHourAngle = 0.0;     // radians, Greenwich hour angle at UT + Delta T, not reduced
    double moonX = 0.0;             // the Moon on the fundamental plane, Earth radii
    double moonY = 0.0;
    double moonZ = 0.0;
};

// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
EpochShadow ComputeEpochShadow(const EphemerisSeries& series, const CObservation& observation);
