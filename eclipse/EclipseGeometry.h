#pragma once

#include "model/Observation.h"
#include "model/TimeTerms.h"
#include "eclipse/GeoPointArray.h"
#include "core/Units.h"
#include "core/Vector3.h"

#include <string>

struct EphemerisSeries;
struct ShadowOutlines;

// The geometry of the Moon's shadow at one of the document's epochs: the
// geocentric Sun and Moon, the shadow axis and the fundamental plane (through
// the Earth's centre, perpendicular to the axis), and where the shadow cones
// meet the Earth. The positions come with the document's own arithmetic
// (ephemeris/EpochPositions.h) and the hour angle from the sidereal time at
// UT + Delta T, so that maps stay as they always were; ElementsAt
// (BesselianElements.h) computes the same shadow at an Instant.
//
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
//
// Vectors are geocentric, rectangular, referred to the true equator and
// equinox of date (x toward the equinox, z toward the north celestial pole).
// Fundamental-plane coordinates are in equatorial Earth radii: x east, y north,
// z along the axis toward the Sun.
class CEclipseGeometry {
public:
    // Computes at once for the observation; dataDirectory holds "Elp2000.dat",
    // "VSOP87.dat" and "Nutation.dat" and ends with a separator. A missing or
    // short data file raises CFileException.
    CEclipseGeometry(const CObservation& observation, const CTimeTerms& terms, const std::string& dataDirectory);
    // The same from the series already loaded; terms are computed here.
    CEclipseGeometry(const CObservation& observation, const EphemerisSeries& series);

    // Fills every result for the given observation (Universal Time, Delta T as
    // the observation says); the object's own observation is not changed.
    void Compute(CObservation observation, CTimeTerms terms, std::string dataDirectory);

    // Where one generator of a shadow cone meets the Earth (an ellipsoid of
    // equatorial radius 1 and polar radius kEarthPolarRatio).
    // Given:    vertexDepth     distance of the cone's vertex below the Moon's
    //                           centre along the axis, Earth radii (negative: above)
    //           sinHalfAngle    sine of the cone's half-angle (negative for a
    //                           cone that narrows toward the Earth)
    //           positionAngle   radians
    // Returned: hit             whether the line meets the Earth
    //           point           geodetic latitude and west-positive longitude,
    //                           radians; untouched when the line misses
    void ShadowPointOnEarth(double vertexDepth, double sinHalfAngle, double positionAngle, ShadowPoint& point,
                            bool& hit) const;

    // The axis point (and whether the axis meets the Earth), then the umbra
    // outline (one generator per degree, at most 360 points) and the penumbra
    // outline (one per 0.05 degree, at most 7200 points). Empties both lists first.
    void ComputeShadowOutlines(bool& axisHit, ShadowPoint& axisPoint, CGeoPointArray& umbra,
                               CGeoPointArray& penumbra) const;
    // The same as one value, with the Delta T of the computation as the
    // seconds by which the map turns the outlines back (ShadowPlacement.h).
    ShadowOutlines Outlines() const;

    CObservation m_observation;
    CTimeTerms m_terms;
    std::string m_dataDirectory;

    double m_sunPosition[3] = {};       // m
    double m_moonPosition[3] = {};      // m
    double m_moonToSun[3] = {};         // m, Sun minus Moon
    double m_moonSunDistance = 0.0;     // m
    double m_axisRightAscension = 0.0;  // rad, (-pi, pi]
    double m_axisHourAngle = 0.0;       // rad, Greenwich hour angle of the axis direction, not reduced
    double m_planeAxis1[3] = {};        // unit, in the equator plane, pointing west
    double m_planeAxis2[3] = {};        // unit, in the fundamental plane, pointing south
    double m_shadowAxis[3] = {};        // unit, from the Moon toward the Sun
    double m_sunX = 0.0, m_sunY = 0.0, m_sunZ = 0.0;     // Earth radii
    double m_moonX = 0.0, m_moonY = 0.0, m_moonZ = 0.0;  // Earth radii
    double m_moonPositionKm[3] = {};    // km, as the lunar theory gives it
    double m_sunPositionAu[3] = {};     // au, as the solar theory gives it
    double m_sinAxisDeclination = 0.0;
    double m_cosAxisDeclination = 0.0;

private:
    // Everything that follows from the two positions and the time terms.
    void ComputeGeometry(const CTimeTerms& terms);

    float m_deltaTOfComputation = 0.0f;
};
