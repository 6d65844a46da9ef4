#pragma once

#include "core/DeltaT.h"
#include "core/Instant.h"
#include "core/Vector3.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/Nutation.h"

#include <memory>
#include <string>

// How the time scales and the Earth's rotation are modelled.
struct EphemerisModel {
    // Delta T when the user gives none.
    std::shared_ptr<const IDeltaTModel> deltaT = std::make_shared<ClassicDeltaT>();
};

// The series of one data directory and the model they are evaluated with.
// Cheap to copy; every evaluation is const and may run on any thread.
class Ephemeris {
public:
    Ephemeris(std::shared_ptr<const EphemerisSeries> series, EphemerisModel model);

    // The series of dataDirectory (ending with a separator), loaded once and
    // shared. Raises CFileException for a missing or short series file.
    static Ephemeris Load(const std::string& dataDirectory, EphemerisModel model = {});

    const EphemerisSeries& Series() const { return *m_series; }
    const EphemerisModel& Model() const { return m_model; }
    const IDeltaTModel& DeltaT() const { return *m_model.deltaT; }

private:
    std::shared_ptr<const EphemerisSeries> m_series;
    EphemerisModel m_model;
};

// Geocentric position of the Sun.
// Given:    instant  TT
//           options  EQUATORIAL, NUTATION, LIGHT_TIME (PositionOptions.h)
// Returned: au; with EQUATORIAL, rectangular equatorial of date (true equator
//           and equinox with NUTATION); without it, rectangular ecliptic of date.
//           With LIGHT_TIME, the Sun as it was when its light left it.
// Reference: Bretagnon & Francou, A&A 202, 309 (1988), VSOP87 version C.
Vector3 SunAt(const Ephemeris& ephemeris, const Instant& instant, int options);

// Geocentric position of the Moon.
// Given:    instant  TT
//           options  EQUATORIAL, NUTATION, LIGHT_TIME (PositionOptions.h)
// Returned: km; with EQUATORIAL, rectangular equatorial of date (true equator
//           and equinox with NUTATION); without it, rectangular ecliptic (of
//           date with NUTATION, of the fixed equinox J2000 without)
// Reference: Chapront-Touze & Chapront, A&A 190, 342 (1988), ELP 2000-82B.
Vector3 MoonAt(const Ephemeris& ephemeris, const Instant& instant, int options);

// Nutation in longitude and obliquity at an instant (TT), radians.
// Reference: Seidelmann, Celestial Mechanics 27, 79 (1982), IAU 1980 theory.
NutationAngles NutationAt(const Ephemeris& ephemeris, const Instant& instant);

// Greenwich sidereal time at the Universal Time of an instant (TT converted
// by the model's Delta T, or by deltaTSeconds when given), radians in [0, 2 pi).
// Reference: Explanatory Supplement to the Astronomical Ephemeris (1961), 2C
//            (Newcomb's mean sidereal time).
double GreenwichSiderealTime(const Ephemeris& ephemeris, const Instant& instant, double deltaTSeconds);
