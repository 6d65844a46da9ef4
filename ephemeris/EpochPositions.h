#pragma once

#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/PlaceOfDate.h"
#include "model/Observation.h"
#include "model/TimeTerms.h"

#include <cstdint>
#include <functional>
#include <span>

// The Sun and the Moon at the document's epochs, with the arithmetic its maps
// were always drawn with: the epoch's time terms are recomputed from its
// civil date, and the light time is taken off its single-precision seconds.
// SunAt and MoonAt (ephemeris/Ephemeris.h) compute the same at an Instant.

// The nutation for an epoch's current time terms.
using EpochNutation = std::function<NutationAngles(const CObservation&, const CTimeTerms&)>;

// Given:    vsop/elp     the series image, or for the Moon its terms
//           nutation     consulted only when options include NUTATION
//           observation  the epoch (UT, with its Delta T choice)
//           options      EQUATORIAL, NUTATION, LIGHT_TIME (PositionOptions.h)
// Returned: the place of date (au for the Sun, km for the Moon) as SunOfDate
//           and MoonOfDate give it; for the Moon also the series' spherical
//           position before precession and nutation.
// Reference: Bretagnon & Francou (1988), VSOP87; Chapront-Touze & Chapront
//            (1988), ELP 2000-82B; Meeus, Astronomical Algorithms (1998), ch. 32.
PlaceOfDate SunAtEpoch(std::span<const std::uint8_t> vsop, const EpochNutation& nutation, CObservation observation,
                       int options);

struct LunarPlaceOfDate {
    PlaceOfDate place;
    LunarSpherical series;
};
LunarPlaceOfDate MoonAtEpoch(const LunarSeriesTerms& elp, const EpochNutation& nutation, CObservation observation,
                             int options);

// The same with the shared series of a data directory.
Vector3 SunAtEpoch(const EphemerisSeries& series, const CObservation& observation, int options);
Vector3 MoonAtEpoch(const EphemerisSeries& series, const CObservation& observation, int options);
