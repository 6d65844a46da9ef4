#pragma once

#include "core/DeltaT.h"
#include "core/Instant.h"
#include "core/Vector3.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/Nutation.h"
#include "ephemeris/TimeModel.h"
#include "model/Observation.h"

#include <memory>
#include <optional>
#include <string>

// The series of one data directory and the model they are evaluated with.
// Cheap to copy; every evaluation is const and may run on any thread.
class Ephemeris {
public:
    Ephemeris(std::shared_ptr<const EphemerisSeries> series, TimeModel model);

    // The series of dataDirectory (ending with a separator), loaded once and
    // shared. Raises CFileException for a missing or short series file.
    static Ephemeris Load(const std::string& dataDirectory, TimeModel model = {});

    const EphemerisSeries& Series() const { return *m_series; }
    std::shared_ptr<const EphemerisSeries> SharedSeries() const { return m_series; }
    const TimeModel& Model() const { return m_model; }
    const IDeltaTModel& DeltaT() const { return m_model.DeltaT(); }

private:
    std::shared_ptr<const EphemerisSeries> m_series;
    TimeModel m_model;
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

// The correction of ELP 2000-82B's lunar longitude for another tidal
// acceleration: (n - n_ELP) T^2 / 2, with T counted from J2000. That is the
// origin of the theory's mean longitude W1, and both theories are fitted to
// the lunar laser ranging about it, so they part quadratically from there.
// (Delta T's own correction counts from 1955, where atomic time begins.)
// Against DE431 at the eclipses of 1900-2100, what remains of the Moon's
// quadratic term is 0.04"/cy^2; counted from 1955, it would add 0.9"/cy.
// Given:    centuries          Julian centuries from J2000, TT
//           lunarAcceleration  n, arcseconds per century squared
// Returned: arcseconds, to add to the longitude
// Reference: Chapront, Chapront-Touze & Francou, A&A 387, 700 (2002), the
//            tidal term of the mean longitude W1; Espenak & Meeus, Five
//            Millennium Canon of Solar Eclipses (NASA TP-2006-214141), 2.6.
double LunarAccelerationCorrection(double centuries, double lunarAcceleration);

// Nutation in longitude and obliquity at an instant (TT), radians.
// Reference: Seidelmann, Celestial Mechanics 27, 79 (1982), IAU 1980 theory.
NutationAngles NutationAt(const Ephemeris& ephemeris, const Instant& instant);

// The equation of the equinoxes at an instant (TT): the nutation in
// longitude times the cosine of the true obliquity, radians.
// Reference: Meeus, Astronomical Algorithms (2nd ed., 1998), chapter 12;
//            Explanatory Supplement to the Astronomical Almanac (1992), 2.242.
double EquationOfTheEquinoxes(const Ephemeris& ephemeris, const Instant& instant);

// Greenwich sidereal time at the Universal Time of an instant (the instant,
// TT, less deltaTSeconds), radians in [0, 2 pi): the model's choice of
// Newcomb's mean sidereal time, or the apparent sidereal time (IAU 1982 mean
// sidereal time plus the equation of the equinoxes at the instant).
// Reference: Explanatory Supplement to the Astronomical Ephemeris (1961), 2C
//            (Newcomb); Explanatory Supplement to the Astronomical Almanac
//            (1992), 2.24 (IAU 1982, apparent sidereal time).
double GreenwichSiderealTime(const Ephemeris& ephemeris, const Instant& instant, double deltaTSeconds);

// The document's epoch under the ephemeris's model: its civil date (the
// Julian calendar up to 1582, as the document counts) and Universal Time,
// plus the model's Delta T for that time.
Instant InstantOfObservation(const Ephemeris& ephemeris, const CObservation& observation);
