#include "eclipse/BesselianElements.h"

#include "core/Units.h"
#include "eclipse/plane/FundamentalPlane.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/PositionOptions.h"

#include <cmath>

namespace {

constexpr double kSunRadius = kSunRadiusMetres * kEarthRadiiPerMetre;  // Earth radii

double Reduced(double angle)
{
    const double reduced = std::fmod(angle, kTwoPi);
    return reduced < 0.0 ? reduced + kTwoPi : reduced;
}

} // namespace

BesselianElements ElementsAt(const Ephemeris& ephemeris, const Instant& instant)
{
    const Vector3 sun = kAstronomicalUnitMetres * SunAt(ephemeris, instant, kAllPositionOptions);
    const Vector3 moon = kMetresPerKilometre * MoonAt(ephemeris, instant, kAllPositionOptions);
    const FundamentalPlane plane = FundamentalPlaneOf(sun, moon);

    BesselianElements elements;
    elements.x = plane.moon.x;
    elements.y = plane.moon.y;
    elements.z = plane.moon.z;
    elements.d = std::asin(plane.axis.z);
    elements.deltaT = DeltaTAt(instant, ephemeris.DeltaT());
    elements.mu = Reduced(GreenwichSiderealTime(ephemeris, instant, elements.deltaT) - plane.axisRightAscension);

    const double distance = plane.moonSunDistance * kEarthRadiiPerMetre;
    const double sinF1 = (kSunRadius + kMoonRadiusPenumbral) / distance;
    const double sinF2 = (kSunRadius - kMoonRadiusUmbral) / distance;
    const double cosF1 = std::sqrt(1.0 - sinF1 * sinF1);
    const double cosF2 = std::sqrt(1.0 - sinF2 * sinF2);
    elements.tanF1 = sinF1 / cosF1;
    elements.tanF2 = sinF2 / cosF2;
    elements.l1 = elements.z * elements.tanF1 + kMoonRadiusPenumbral / cosF1;
    elements.l2 = elements.z * elements.tanF2 - kMoonRadiusUmbral / cosF2;
    return elements;
}
