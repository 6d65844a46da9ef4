#include "eclipse/path/ShadowEdges.h"

#include "core/Units.h"
#include "eclipse/path/RootFinding.h"

#include <cmath>

namespace {

constexpr int kRadiusIterations = 6;
constexpr double kRadiusTolerance = 1e-13;  // Earth radii
constexpr double kAngleTolerance = 1e-12;  // radians

} // namespace

double ConeRadius(const ShadowInstant& shadow, ShadowCone cone, double zeta)
{
    return cone == ShadowCone::Penumbra ? shadow.l1 - zeta * shadow.tanF1 : std::abs(shadow.l2 - zeta * shadow.tanF2);
}

std::optional<PlanePoint> CentralPoint(const EarthOnPlane& earth)
{
    return earth.SurfaceAbove(earth.Shadow().x, earth.Shadow().y);
}

PlaneVelocity RelativeVelocity(const PlanePoint& point, const ShadowInstant& shadow)
{
    const PlaneVelocity ground = SurfaceVelocity(point, shadow);
    return {shadow.xRate - ground.xi, shadow.yRate - ground.eta};
}

namespace {

// The point at the cone's radius from the axis in the direction angle
// (radians from north toward the east): the radius depends on the point's
// height, which depends on the radius. The radius changes by tan f (0.005)
// times the height, so each round gains two digits; zeta starts from the
// height of the point found before, in the same direction or nearly.
PlanePoint PointAtConeEdge(const EarthOnPlane& earth, ShadowCone cone, double angle, double& zeta)
{
    const ShadowInstant& shadow = earth.Shadow();
    const double east = std::sin(angle);
    const double north = std::cos(angle);
    PlanePoint point{};
    double radius = ConeRadius(shadow, cone, zeta);
    for (int iteration = 0; iteration < kRadiusIterations; ++iteration) {
        point = earth.SurfaceOrLimbAbove(shadow.x + radius * east, shadow.y + radius * north);
        const double settled = ConeRadius(shadow, cone, point.zeta);
        const bool done = std::abs(settled - radius) < kRadiusTolerance;
        radius = settled;
        if (done) {
            break;
        }
    }
    zeta = point.zeta;
    return point;
}

} // namespace

std::optional<PlanePoint> LimitPoint(const EarthOnPlane& earth, ShadowCone cone, PathSide side)
{
    const ShadowInstant& shadow = earth.Shadow();
    // Positive where the axis, seen from the edge point in that direction,
    // moves away from it: the limit is where it moves across.
    double zeta = earth.SurfaceOrLimbAbove(shadow.x, shadow.y).zeta;
    const auto receding = [&](double angle) {
        const PlanePoint point = PointAtConeEdge(earth, cone, angle, zeta);
        const PlaneVelocity relative = RelativeVelocity(point, shadow);
        return -(std::sin(angle) * relative.xi + std::cos(angle) * relative.eta);
    };
    // The axis moves eastward on the plane, faster than any place under it:
    // it comes toward the edge point ahead of it and recedes from the one
    // behind; the limit lies between, on the left of the motion (north) or
    // on its right (south). Angles run from north toward the east.
    const double ahead = std::atan2(shadow.xRate, shadow.yRate);
    const double behind = side == PathSide::North ? ahead - kPi : ahead + kPi;
    const double root = FindRoot(receding, ahead, receding(ahead), behind, receding(behind), kAngleTolerance);
    const PlanePoint point = PointAtConeEdge(earth, cone, root, zeta);
    return earth.SurfaceAbove(point.xi, point.eta);
}
