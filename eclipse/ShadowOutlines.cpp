#include "eclipse/ShadowOutlines.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kUmbraGenerators = 360;
constexpr int kPenumbraGenerators = 7200;
constexpr double kUmbraStepDegrees = 1.0;
constexpr double kPenumbraStepDegrees = 0.05;

// Rounding can carry a sine a hair past 1 on the limb; asin would then give NaN.
double ClampedAsin(double sine)
{
    return std::asin(std::clamp(sine, -1.0, 1.0));
}

CGeoPointArray TraceOutline(const PlaneInstant& plane, const ConeShape& cone, int generators, double stepDegrees)
{
    CGeoPointArray outline;
    outline.reserve(static_cast<std::size_t>(generators));
    for (int i = 0; i < generators; ++i) {
        ShadowPoint point;
        bool hit = false;
        ShadowPointOnEarth(plane, cone, i * stepDegrees * kDegreesToRadians, point, hit);
        if (hit) {
            outline.push_back(point);
        }
    }
    return outline;
}

} // namespace

void ShadowPointOnEarth(const PlaneInstant& plane, const ConeShape& cone, double positionAngle, ShadowPoint& point, bool& hit)
{
    const double k = kEarthPolarRatio;
    const double sinD = plane.sinD;
    const double cosD = plane.cosD;
    const double p = -cone.sinHalfAngle * std::cos(positionAngle);
    const double q = -cone.sinHalfAngle * std::sin(positionAngle);
    const double x = plane.elements.x;
    const double y = plane.elements.y;
    const double zetaVertex = plane.elements.z - cone.vertexDepth;

    const double m0 = -y * sinD + zetaVertex * cosD;
    const double m1 = cosD - q * sinD;
    const double z0 = y * cosD + zetaVertex * sinD;
    const double z1 = sinD + q * cosD;
    const double k2 = p * p + m1 * m1 + z1 * z1 / (k * k);
    const double k1 = 2.0 * (x * p + m0 * m1 + z0 * z1 / (k * k));
    const double k0 = x * x + m0 * m0 + z0 * z0 / (k * k) - 1.0;
    const double discriminant = k1 * k1 - 4.0 * k2 * k0;
    // Written so that a NaN discriminant (hostile input) counts as a miss.
    if (!(discriminant >= 0.0)) {
        hit = false;
        return;
    }
    hit = true;
    const double root = std::sqrt(discriminant);
    const double s1 = (-k1 - root) / (2.0 * k2);
    const double s2 = (-k1 + root) / (2.0 * k2);
    const double s = (zetaVertex + s1 >= 0.0) ? s1 : s2;

    const double xi = x + p * s;
    const double eta = y + q * s;
    const double zeta = zetaVertex + s;
    const double alongEarthAxis = eta * cosD + zeta * sinD;
    const double towardAxisMeridian = -eta * sinD + zeta * cosD;
    const double parametricLatitude = ClampedAsin(alongEarthAxis / k);
    const double hourAngle = ClampedAsin(xi / std::cos(parametricLatitude));
    const double axisHourAngle = plane.elements.mu;
    const double longitude = towardAxisMeridian < 0.0 ? hourAngle + axisHourAngle - kPi : axisHourAngle - hourAngle;
    const double latitude = std::atan(std::tan(parametricLatitude) * kEarthInversePolarRatio);
    point.m_latitude = static_cast<float>(latitude);
    point.m_longitude = static_cast<float>(longitude);
}

ShadowOutlines TraceShadowOutlines(const PlaneInstant& plane, const ConeShape& umbra, const ConeShape& penumbra)
{
    ShadowOutlines outlines;
    ShadowPointOnEarth(plane, ConeShape{}, 0.0, outlines.axisPoint, outlines.axisHit);
    outlines.umbra = TraceOutline(plane, umbra, kUmbraGenerators, kUmbraStepDegrees);
    outlines.penumbra = TraceOutline(plane, penumbra, kPenumbraGenerators, kPenumbraStepDegrees);
    return outlines;
}

ShadowOutlines OutlinesFromElements(const BesselianElements& elements)
{
    const double sinF1 = elements.tanF1 / std::sqrt(1.0 + elements.tanF1 * elements.tanF1);
    const double sinF2 = elements.tanF2 / std::sqrt(1.0 + elements.tanF2 * elements.tanF2);
    const ConeShape umbra{kMoonRadiusUmbral / sinF2, -sinF2};
    const ConeShape penumbra{-kMoonRadiusPenumbral / sinF1, sinF1};
    return TraceShadowOutlines(PlaneOf(elements), umbra, penumbra);
}
