#pragma once

#include "core/Instant.h"
#include "core/Vector3.h"
#include "eclipse/ShadowOutlines.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/Nutation.h"
#include "model/Observation.h"

// The sky at one of a document's epochs as the ephemeris's time model
// computes it: the time, the Sun and the Moon, and the Moon's shadow on the
// Earth. Everything that shows an epoch (the map, printing, exports, the
// shadow and ephemeris commands) takes it from here, so that the numbers
// printed are the numbers drawn.
struct EpochSky {
    TimeModel model;                 // with the epoch's own Delta T choice
    Instant instant;                 // TT
    double deltaT = 0.0;             // seconds, TT - UT, as used
    double siderealTime = 0.0;       // Greenwich sidereal time of the model, radians in [0, 2 pi)
    Vector3 sun;                     // au, geocentric, true equator and equinox of date, light time applied
    Vector3 moon;                    // km, the same
    NutationAngles nutation;         // radians
    ShadowOutlines outlines;         // placed by outlines.rotationSeconds (ShadowPlacement.h)
    double axisDeclination = 0.0;    // radians
    double axisHourAngle = 0.0;      // radians, Greenwich hour angle of the axis, not reduced
    Vector3 moonOnPlane;             // the Moon on the fundamental plane, Earth radii
};

// The sky at the epoch (civil date and Universal Time, Delta T automatic or
// given as the epoch says).
// - Classic model: the document's own arithmetic, as its maps were always
//   drawn: time terms from its civil date, the light time taken off its
//   single-precision seconds, the hour angle from Newcomb's sidereal time at
//   UT + Delta T, the outlines turned back by that Delta T.
// - Modern model: the epoch as an Instant (UT plus the model's Delta T), its
//   Besselian elements (mu the hour angle of the Universal Time, so the
//   outlines need no turning back) and the apparent sidereal time.
// This is the one place where the two models part.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
EpochSky SkyAtEpoch(const Ephemeris& ephemeris, const CObservation& epoch);
