#pragma once

#include "eclipse/plane/PlaneInstant.h"

#include <optional>

// The Earth's ellipsoid (equatorial radius 1, polar radius kEarthPolarRatio)
// seen on the fundamental plane of one instant. Seen along the shadow axis,
// its outline, the limb, is the ellipse xi^2 + (eta / rho1)^2 = 1, with
// rho1 = sqrt(1 - e^2 cos^2 d); the points of the limb have the Sun on their
// geodetic horizon.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
class EarthOnPlane {
public:
    explicit EarthOnPlane(const PlaneInstant& plane);

    const PlaneInstant& Plane() const { return m_plane; }
    // The limb's semi-axis along eta, Earth radii.
    double LimbNorthRadius() const { return m_limbNorthRadius; }
    // On the limb zeta is proportional to eta (the limb lies in the plane
    // conjugate to the axis, tilted from the fundamental plane by the
    // flattening): zeta = LimbZetaPerEta() eta.
    double LimbZetaPerEta() const { return -m_zetaEta / m_zetaSquared; }

    // The point of the surface on the Sun's side above (xi, eta), if the
    // plane point lies within the limb.
    std::optional<PlanePoint> SurfaceAbove(double xi, double eta) const;
    // The same, or beyond the limb the point of the surface's continuation
    // where zeta is that of the limb (for iterations that cross it).
    PlanePoint SurfaceOrLimbAbove(double xi, double eta) const;
    // The point under the shadow axis, if the axis meets the Earth.
    std::optional<PlanePoint> AxisPoint() const;
    // The point of the surface on the limb at angle theta (radians, from
    // north toward the east around the plane's origin).
    PlanePoint LimbPoint(double theta) const;
    // The point of the limb nearest to (xi, eta) and the signed distance
    // from it (positive outside the limb), Earth radii.
    struct LimbDistance {
        double theta = 0.0;
        double distance = 0.0;
    };
    LimbDistance NearestLimbPoint(double xi, double eta) const;
    // The limb's point farthest from (xi, eta), and its distance.
    LimbDistance FarthestLimbPoint(double xi, double eta) const;
    // The point of the limb nearest the shadow axis.
    PlanePoint LimbPointNearestAxis() const;

    // The geodetic latitude and east longitude, radians, of a surface point;
    // the longitude in [-pi, pi).
    struct Geographic {
        double latitude = 0.0;
        double longitude = 0.0;
    };
    Geographic GeographicOf(const PlanePoint& point) const;
    // The unit normal of the surface at a point, in the plane's frame: its
    // zeta component is the sine of the Sun's altitude there.
    PlanePoint NormalAt(const PlanePoint& point) const;
    // The Sun's altitude above the geodetic horizon of a surface point, radians.
    double SunAltitudeAt(const PlanePoint& point) const;

private:
    LimbDistance LimbExtremum(double xi, double eta, double startTheta) const;

    PlaneInstant m_plane;
    double m_limbNorthRadius = 1.0;
    // zeta on the surface solves A zeta^2 + 2 B eta zeta + C(xi, eta) = 0.
    double m_zetaSquared = 1.0;
    double m_zetaEta = 0.0;
    double m_etaSquared = 1.0;
};

// The width on the ground, km, of the band that a circle of the given radius
// on the plane (Earth radii) sweeps as the axis passes over a point of the
// surface: 2 radius across the motion relative to the point, widened as the
// ground tilts across the band, by 1 / sqrt(1 - (across . normal)^2). None
// where the relative motion stops or the band lies along the line of sight.
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 6.
std::optional<double> SweptWidthKm(const EarthOnPlane& earth, const PlanePoint& point, double radius);
