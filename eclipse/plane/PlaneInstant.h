#pragma once

#include "eclipse/BesselianElements.h"

#include <cmath>
#include <optional>

struct FittedElements;

// The fundamental plane at one instant, as every formula on it takes it:
// the Besselian elements, their rates and the axis' declination as sine and
// cosine. Lengths in equatorial Earth radii, angles in radians.
struct PlaneInstant {
    double hours = 0.0;          // from the fitted elements' T0, TT; 0 for elements of their own
    BesselianElements elements;  // mu as given: unwrapped along an eclipse, not reduced
    BesselianElements rates;     // per hour (radians per hour for d and mu); zero when not known
    double sinD = 0.0;           // of the axis' declination d
    double cosD = 1.0;
};

// The plane of one set of elements, with no rates.
PlaneInstant PlaneOf(const BesselianElements& elements);

// The fitted elements and their rates at hours from T0 (TT). mu stays
// unwrapped: the formulas take only its sine and cosine.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
PlaneInstant PlaneAt(const FittedElements& elements, double hours);

// A point in the frame of the fundamental plane, equatorial Earth radii: xi
// toward the east, eta toward the north, zeta along the shadow axis toward
// the Sun; the origin is the Earth's centre.
struct PlanePoint {
    double xi = 0.0;
    double eta = 0.0;
    double zeta = 0.0;
};

// A velocity on the plane, Earth radii per hour.
struct PlaneVelocity {
    double xi = 0.0;
    double eta = 0.0;
};

enum class ShadowCone { Penumbra, Umbra };

// The radius of the penumbra's section at height zeta above the plane,
// L1 = l1 - zeta tan f1, and the umbra's, L2 = l2 - zeta tan f2 (negative
// where the umbra narrows to its vertex below: a total eclipse); Earth radii.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.3.
// (Defined here: the iterations on the plane call them at every step.)
inline double PenumbraRadius(const PlaneInstant& plane, double zeta)
{
    return plane.elements.l1 - zeta * plane.elements.tanF1;
}
inline double UmbraRadius(const PlaneInstant& plane, double zeta)
{
    return plane.elements.l2 - zeta * plane.elements.tanF2;
}

// A circle about the shadow's axis, at every height: the edge of one cone,
// or the circle where the Moon covers a given magnitude of the Sun's
// diameter, L1 - m (L1 + L2) from the axis. The places whose maximum just
// touches it make a limit of the path, or a curve of equal magnitude.
class ShadowCircle {
public:
    // A cone's edge is such a circle, wherever one is taken.
    ShadowCircle(ShadowCone cone) : m_cone(cone) {}
    static ShadowCircle OfMagnitude(double magnitude) { return ShadowCircle(magnitude); }

    // Earth radii, from the cones' radii L1 and L2 at the same height: L1,
    // |L2| for the umbra or antumbra.
    double Radius(double penumbraRadius, double umbraRadius) const
    {
        if (m_magnitude) {
            return penumbraRadius - *m_magnitude * (penumbraRadius + umbraRadius);
        }
        return m_cone == ShadowCone::Penumbra ? penumbraRadius : std::abs(umbraRadius);
    }

private:
    explicit ShadowCircle(double magnitude) : m_magnitude(magnitude) {}

    ShadowCone m_cone = ShadowCone::Penumbra;
    std::optional<double> m_magnitude;
};

// The radius of one circle at height zeta; for a cone, L1 or |L2|.
inline double ConeRadius(const PlaneInstant& plane, const ShadowCircle& circle, double zeta)
{
    return circle.Radius(PenumbraRadius(plane, zeta), UmbraRadius(plane, zeta));
}

// Seen from a place at distance m from the axis, where the cones' radii are
// L1 and L2: the fraction of the Sun's diameter that the Moon covers,
// (L1 - m) / (L1 + L2), and the ratio of the Moon's apparent diameter to the
// Sun's, (L1 - L2) / (L1 + L2) (the magnitude on the central line).
// Reference: Meeus, Elements of Solar Eclipses 1951-2200 (1989), chapter 8;
//            Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), section 1.5.
double MagnitudeAt(double penumbraRadius, double umbraRadius, double distance);
double MoonSunRatio(double penumbraRadius, double umbraRadius);
