#include "eclipse/path/ShadowEdges.h"

#include "core/Units.h"
#include "eclipse/path/RootFinding.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <cmath>

namespace {

constexpr int kRadiusIterations = 6;
constexpr double kRadiusTolerance = 1e-13;  // Earth radii
constexpr double kAngleTolerance = 1e-12;  // radians

// The point at the cone's radius from the axis in the direction angle
// (radians from north toward the east): the radius depends on the point's
// height, which depends on the radius. The radius changes by tan f (0.005)
// times the height, so each round gains two digits; zeta starts from the
// height of the point found before, in the same direction or nearly.
PlanePoint PointAtConeEdge(const EarthOnPlane& earth, const ShadowCircle& cone, double angle, double& zeta)
{
    const PlaneInstant& plane = earth.Plane();
    const double east = std::sin(angle);
    const double north = std::cos(angle);
    PlanePoint point{};
    double radius = ConeRadius(plane, cone, zeta);
    for (int iteration = 0; iteration < kRadiusIterations; ++iteration) {
        point = earth.SurfaceOrLimbAbove(plane.elements.x + radius * east, plane.elements.y + radius * north);
        const double settled = ConeRadius(plane, cone, point.zeta);
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

std::optional<PlanePoint> LimitPoint(const EarthOnPlane& earth, const ShadowCircle& cone, PathSide side)
{
    const PlaneInstant& plane = earth.Plane();
    // Positive where the axis, seen from the edge point in that direction,
    // moves away from it: the limit is where it moves across.
    double zeta = earth.SurfaceOrLimbAbove(plane.elements.x, plane.elements.y).zeta;
    const auto receding = [&](double angle) {
        const PlanePoint point = PointAtConeEdge(earth, cone, angle, zeta);
        const PlaneVelocity relative = RelativeVelocity(point, plane);
        return -(std::sin(angle) * relative.xi + std::cos(angle) * relative.eta);
    };
    // The axis moves eastward on the plane, faster than any place under it:
    // it comes toward the edge point ahead of it and recedes from the one
    // behind; the limit lies between, on the left of the motion (north) or
    // on its right (south). Angles run from north toward the east.
    const double ahead = std::atan2(plane.rates.x, plane.rates.y);
    const double behind = side == PathSide::North ? ahead - kPi : ahead + kPi;
    const double root = FindRoot(receding, ahead, receding(ahead), behind, receding(behind), kAngleTolerance);
    const PlanePoint point = PointAtConeEdge(earth, cone, root, zeta);
    return earth.SurfaceAbove(point.xi, point.eta);
}
