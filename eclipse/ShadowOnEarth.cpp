#include "eclipse/EclipseGeometry.h"

#include "datafiles/TextFields.h"
#include "ephemeris/Vector3.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kInversePolarRatio = 1.0033640923510632;
constexpr int kUmbraGenerators = 360;
constexpr int kPenumbraGenerators = 7200;
constexpr double kPenumbraStepDegrees = 0.05;

// Rounding can carry a sine a hair past 1 on the limb; asin would then give NaN.
double ClampedAsin(double sine)
{
    return std::asin(std::clamp(sine, -1.0, 1.0));
}

} // namespace

void CEclipseGeometry::ShadowPointOnEarth(double vertexDepth, double sinHalfAngle, double positionAngle,
                                          ShadowPoint& point, bool& hit) const
{
    const double k = kEarthPolarRatio;
    const double sinD = m_sinAxisDeclination;
    const double cosD = m_cosAxisDeclination;
    const double p = -sinHalfAngle * std::cos(positionAngle);
    const double q = -sinHalfAngle * std::sin(positionAngle);
    const double x = m_moonX;
    const double y = m_moonY;
    const double zetaVertex = m_moonZ - vertexDepth;

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
    const double longitude = towardAxisMeridian < 0.0 ? hourAngle + m_axisHourAngle - std::numbers::pi
                                                      : m_axisHourAngle - hourAngle;
    const double latitude = std::atan(std::tan(parametricLatitude) * kInversePolarRatio);
    point.m_latitude = static_cast<float>(latitude);
    point.m_longitude = static_cast<float>(longitude);
}

void CEclipseGeometry::ComputeShadowOutlines(bool& axisHit, ShadowPoint& axisPoint, CGeoPointArray& umbra,
                                             CGeoPointArray& penumbra) const
{
    umbra.clear();
    penumbra.clear();
    ShadowPointOnEarth(0.0, 0.0, 0.0, axisPoint, axisHit);

    // The difference of the geocentric distances stands for the Moon-Sun distance.
    const double moonSunDistance = Length(m_sunPosition) - Length(m_moonPosition);
    const double heightDifference = m_sunZ - m_moonZ;

    const double umbraSine = std::sin(std::atan((kMoonRadiusMetres - kSunRadiusMetres) / moonSunDistance));
    const double umbraVertex = heightDifference * kMoonRadiusMetres / (kSunRadiusMetres - kMoonRadiusMetres);
    umbra.reserve(kUmbraGenerators);
    for (int i = 0; i < kUmbraGenerators; ++i) {
        ShadowPoint point;
        bool hit = false;
        ShadowPointOnEarth(umbraVertex, umbraSine, i * kDegreesToRadians, point, hit);
        if (hit) {
            umbra.push_back(point);
        }
    }

    const double penumbraSine = std::sin(std::atan((kMoonRadiusMetres + kSunRadiusMetres) / moonSunDistance));
    const double penumbraVertex = -heightDifference * kMoonRadiusMetres / (kMoonRadiusMetres + kSunRadiusMetres);
    penumbra.reserve(kPenumbraGenerators);
    for (int i = 0; i < kPenumbraGenerators; ++i) {
        ShadowPoint point;
        bool hit = false;
        ShadowPointOnEarth(penumbraVertex, penumbraSine, i * kPenumbraStepDegrees * kDegreesToRadians, point, hit);
        if (hit) {
            penumbra.push_back(point);
        }
    }
}
