#include "eclipse/plane/FundamentalPlane.h"

#include "core/Units.h"

#include <cmath>

FundamentalPlane FundamentalPlaneOf(const Vector3& sun, const Vector3& moon)
{
    FundamentalPlane plane;
    const Vector3 d = sun - moon;
    plane.moonToSun = d;
    plane.moonSunDistance = Length(d);
    plane.axisRightAscension = std::atan2(d.y, d.x);
    const Vector3 u{d.x / plane.moonSunDistance, d.y / plane.moonSunDistance, d.z / plane.moonSunDistance};
    plane.axis = u;
    const double rho = std::sqrt(d.x * d.x + d.y * d.y);
    plane.planeAxis1 = {d.y / rho, -d.x / rho, 0.0};
    plane.planeAxis2 = {u.z * d.x / rho, u.z * d.y / rho, -(u.x * d.x + u.y * d.y) / rho};

    const auto coordinates = [&](const Vector3& body) {
        return Vector3{-Dot(plane.planeAxis1, body) * kEarthRadiiPerMetre, -Dot(plane.planeAxis2, body) * kEarthRadiiPerMetre,
                       Dot(plane.axis, body) * kEarthRadiiPerMetre};
    };
    plane.sun = coordinates(sun);
    plane.moon = coordinates(moon);
    return plane;
}
