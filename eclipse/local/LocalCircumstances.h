#pragma once

#include "core/Instant.h"
#include "eclipse/FittedElements.h"
#include "eclipse/plane/GeographicPlace.h"

#include <optional>

enum class LocalEclipseType { None, Partial, Annular, Total };

// One contact, or the maximum, as seen from a place.
struct LocalContact {
    Instant time;                  // TT
    double sunAltitude = 0.0;      // degrees above the geodetic horizon, geometric (no refraction)
    double sunAzimuth = 0.0;       // degrees from north toward the east
    double positionAngle = 0.0;    // degrees: the point of contact on the Sun's limb (at maximum, the
                                   // direction of the Moon's centre), from north toward the east
    bool sunAboveHorizon = false;
};

// The Sun rising or setting while the eclipse is in progress.
struct HorizonEvent {
    Instant time;                  // TT
    double magnitude = 0.0;        // at that moment
};

// The eclipse as seen from one place.
struct LocalCircumstances {
    LocalEclipseType type = LocalEclipseType::None;
    double magnitude = 0.0;        // fraction of the Sun's diameter covered at maximum
    double moonSunRatio = 0.0;     // the Moon's apparent diameter over the Sun's at maximum
    double obscuration = 0.0;      // fraction of the Sun's disk covered at maximum
    double durationSeconds = 0.0;  // of totality or annularity, 0 for a partial eclipse
    std::optional<LocalContact> c1;
    std::optional<LocalContact> c2;
    std::optional<LocalContact> maximum;
    std::optional<LocalContact> c3;
    std::optional<LocalContact> c4;
    std::optional<HorizonEvent> sunrise;  // the eclipse is in progress at sunrise
    std::optional<HorizonEvent> sunset;   // the eclipse is in progress at sunset
    double deltaT = 0.0;           // seconds, TT - UT of the elements

    // Some phase of the eclipse happens with the Sun above the horizon.
    bool Visible() const;
    // Total or annular, with the Sun above the horizon at the maximum.
    bool CentralSeen() const;
};

// The circumstances of an eclipse at a place: the maximum, where the
// distance of the place from the shadow axis is least, and the contacts,
// where it equals the radius of the penumbra (C1, C4) or of the umbra (C2,
// C3), each found by iterating on the fundamental plane. The penumbra has
// the Moon's radius k1 and the umbra k2, as in the elements.
// Given:    the fitted elements, the place (degrees, metres above the ellipsoid)
// Returned: times in TT; the type None with no contacts outside the penumbra.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.4;
//            Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8;
//            Chauvenet, Manual of Spherical and Practical Astronomy (1863), I, 10.
LocalCircumstances LocalCircumstancesAt(const FittedElements& elements, const GeographicPlace& place);
