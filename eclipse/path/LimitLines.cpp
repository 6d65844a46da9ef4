#include "eclipse/path/LimitLines.h"

#include "core/Units.h"
#include "core/Vector3.h"
#include "eclipse/path/RootFinding.h"
#include "eclipse/plane/ClosestApproach.h"
#include "eclipse/plane/EarthOnPlane.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSeedStepHours = 5.0 / 60.0;
constexpr double kFirstStep = 0.1 * kDegreesToRadians;
constexpr double kLongestStep = 0.5 * kDegreesToRadians;
constexpr double kShortestStep = 1e-7;                      // radians, under a metre
constexpr double kLargestTurn = 1.5 * kDegreesToRadians;   // between consecutive segments
constexpr double kGradientStep = 1e-6;                      // radians, 6 m
constexpr double kOnTheLine = 1e-12;                        // Earth radii
constexpr int kCorrections = 8;
constexpr int kLongestLine = 20000;
constexpr double kHorizonTolerance = 1e-9;                  // radians along the step
// A seed this near a line already followed lies on it.
constexpr double kSameLine = 0.2 * kDegreesToRadians;
// The maximum is looked for this far beyond the elements' window at most.
constexpr double kWindowMargin = 0.5;
// 0.4 ms: the distance at the maximum is stationary in time, so the
// distance is then exact to far below a millimetre.
constexpr double kMaximumToleranceHours = 1e-7;

// A place by geodetic latitude and east longitude, radians.
struct SurfacePoint {
    double latitude = 0.0;
    double longitude = 0.0;
};

// How far a place lies outside the path (negative inside), and its maximum.
struct GrazingValue {
    double outside = 0.0;      // least distance from the axis minus the cone's radius, Earth radii
    double hours = 0.0;        // of the maximum, from T0
    double sunUp = 0.0;        // the sine of the Sun's altitude then: its sign is all that matters
};

struct LineVertex {
    SurfacePoint point;
    GrazingValue value;
};

SurfacePoint Moved(const SurfacePoint& from, double azimuth, double distance)
{
    const double sinLatitude = std::sin(from.latitude);
    const double cosLatitude = std::cos(from.latitude);
    const double latitude = std::asin(std::clamp(
        sinLatitude * std::cos(distance) + cosLatitude * std::sin(distance) * std::cos(azimuth), -1.0, 1.0));
    const double longitude = from.longitude + std::atan2(std::sin(azimuth) * std::sin(distance) * cosLatitude,
                                                         std::cos(distance) - sinLatitude * std::sin(latitude));
    return {latitude, std::remainder(longitude, kTwoPi)};
}

Vector3 UnitVector(const SurfacePoint& point)
{
    const double cosLatitude = std::cos(point.latitude);
    return {cosLatitude * std::cos(point.longitude), cosLatitude * std::sin(point.longitude), std::sin(point.latitude)};
}

double AngleBetween(const Vector3& a, const Vector3& b)
{
    const Vector3 cross{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
    return std::atan2(Length(cross), Dot(a, b));
}

class LimitFollower {
public:
    LimitFollower(const FittedElements& elements, const ShadowCircle& cone, double turn)
        : m_elements(elements), m_cone(cone), m_turn(turn)
    {
    }

    // Both ways from a seed, in order of the line.
    std::vector<LineVertex> LineThrough(const SurfacePoint& seed, double seedHours) const
    {
        const std::optional<LineVertex> start = Corrected(seed, seedHours);
        if (!start) {
            return {};
        }
        std::vector<LineVertex> backward = Follow(*start, -1.0);
        const std::vector<LineVertex> forward = Follow(*start, +1.0);
        const bool closed = !forward.empty() && forward.back().point.latitude == start->point.latitude &&
                            forward.back().point.longitude == start->point.longitude;
        std::reverse(backward.begin(), backward.end());
        if (closed) {
            backward.clear();
        }
        backward.push_back(*start);
        backward.insert(backward.end(), forward.begin(), forward.end());
        return backward;
    }

private:
    std::optional<GrazingValue> ValueAt(const SurfacePoint& point, double startHours) const
    {
        const GeocentricPlace place = GeocentricOf({point.longitude * kRadiansToDegrees, point.latitude * kRadiansToDegrees, 0.0});
        const std::optional<PlaceApproach> approach = ClosestApproachAt(m_elements, place, startHours, kMaximumToleranceHours);
        if (!approach || approach->plane.hours < m_elements.validFrom - kWindowMargin ||
            approach->plane.hours > m_elements.validTo + kWindowMargin) {
            return std::nullopt;
        }
        const double radius = approach->ConeRadius(m_cone);
        return GrazingValue{approach->Distance() - radius, approach->plane.hours, SineOfSunAltitude(place, approach->plane)};
    }

    // The gradient's azimuth and length (Earth radii per radian), at a place.
    std::optional<std::pair<double, double>> Gradient(const LineVertex& vertex) const
    {
        const std::optional<GrazingValue> north = ValueAt(Moved(vertex.point, 0.0, kGradientStep), vertex.value.hours);
        const std::optional<GrazingValue> east = ValueAt(Moved(vertex.point, 0.5 * kPi, kGradientStep), vertex.value.hours);
        if (!north || !east) {
            return std::nullopt;
        }
        const double towardNorth = (north->outside - vertex.value.outside) / kGradientStep;
        const double towardEast = (east->outside - vertex.value.outside) / kGradientStep;
        const double length = std::hypot(towardNorth, towardEast);
        if (!(length > 0.0)) {
            return std::nullopt;
        }
        return std::pair{std::atan2(towardEast, towardNorth), length};
    }

    // Newton's method across the line, with the gradient of a point nearby
    // (or of the point itself when none is given).
    std::optional<LineVertex> Corrected(const SurfacePoint& point, double startHours,
                                        std::optional<std::pair<double, double>> gradient = std::nullopt) const
    {
        const std::optional<GrazingValue> first = ValueAt(point, startHours);
        if (!first) {
            return std::nullopt;
        }
        LineVertex vertex{point, *first};
        for (int correction = 0; correction < kCorrections && std::abs(vertex.value.outside) > kOnTheLine; ++correction) {
            if (!gradient) {
                gradient = Gradient(vertex);
            }
            if (!gradient) {
                return std::nullopt;
            }
            const SurfacePoint moved = Moved(vertex.point, gradient->first, -vertex.value.outside / gradient->second);
            const std::optional<GrazingValue> value = ValueAt(moved, vertex.value.hours);
            if (!value) {
                return std::nullopt;
            }
            vertex = {moved, *value};
        }
        return std::abs(vertex.value.outside) <= 1e3 * kOnTheLine ? std::optional(vertex) : std::nullopt;
    }

    // The line's point at a distance along the tangent from a vertex, with
    // the gradient taken there.
    std::optional<LineVertex> Step(const LineVertex& from, double tangent, const std::pair<double, double>& gradient,
                                   double distance) const
    {
        return Corrected(Moved(from.point, tangent, distance), from.value.hours, gradient);
    }

    // The last vertex before the Sun sets at the maximum, between a vertex
    // where it is up and a step where it is down.
    LineVertex HorizonEnd(const LineVertex& from, double tangent, const std::pair<double, double>& gradient,
                          double distance) const
    {
        LineVertex end = from;
        double up = 0.0;
        double down = distance;
        while (down - up > kHorizonTolerance) {
            const double middle = 0.5 * (up + down);
            const std::optional<LineVertex> vertex = Step(from, tangent, gradient, middle);
            if (vertex && vertex->value.sunUp >= 0.0) {
                up = middle;
                end = *vertex;
            } else {
                down = middle;
            }
        }
        return end;
    }

    std::vector<LineVertex> Follow(const LineVertex& start, double way) const
    {
        std::vector<LineVertex> vertices;
        LineVertex current = start;
        double step = kFirstStep;
        std::optional<Vector3> previousDirection;
        while (static_cast<int>(vertices.size()) < kLongestLine && step >= kShortestStep) {
            const auto gradient = Gradient(current);
            if (!gradient) {
                break;
            }
            const double tangent = gradient->first + way * m_turn;
            const std::optional<LineVertex> next = Step(current, tangent, *gradient, step);
            if (!next) {
                step *= 0.5;
                continue;
            }
            const Vector3 direction = UnitVector(next->point) - UnitVector(current.point);
            const double turn = previousDirection ? AngleBetween(*previousDirection, direction) : 0.0;
            if (turn > kLargestTurn && step > kShortestStep * 2.0) {
                step *= 0.5;
                continue;
            }
            if (next->value.sunUp < 0.0) {
                const LineVertex end = HorizonEnd(current, tangent, *gradient, step);
                if (end.point.latitude != current.point.latitude || end.point.longitude != current.point.longitude) {
                    vertices.push_back(end);
                }
                break;
            }
            vertices.push_back(*next);
            if (vertices.size() > 8 && AngleBetween(UnitVector(next->point), UnitVector(start.point)) < step) {
                vertices.push_back(start);  // around a pole and back: a closed line
                break;
            }
            previousDirection = direction;
            current = *next;
            if (turn < kLargestTurn / 3.0) {
                step = std::min(step * 1.5, kLongestStep);
            }
        }
        return vertices;
    }

    const FittedElements& m_elements;
    ShadowCircle m_cone;
    double m_turn;
};

// Limit points at regular instants, the one farthest from the limb in each
// stretch of instants where there is one.
std::vector<std::pair<SurfacePoint, double>> Seeds(const FittedElements& elements, const ShadowCircle& cone, PathSide side)
{
    std::vector<std::pair<SurfacePoint, double>> seeds;
    bool inStretch = false;
    double bestHeight = 0.0;
    const int steps = std::max(1, static_cast<int>(std::ceil((elements.validTo - elements.validFrom) / kSeedStepHours)));
    for (int step = 0; step <= steps; ++step) {
        const double hours = elements.validFrom + (elements.validTo - elements.validFrom) * step / steps;
        const EarthOnPlane earth(PlaneAt(elements, hours));
        const std::optional<PlanePoint> point = LimitPoint(earth, cone, side);
        if (!point) {
            inStretch = false;
            continue;
        }
        const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
        const std::pair seed{SurfacePoint{place.latitude, place.longitude}, hours};
        if (!inStretch) {
            seeds.push_back(seed);
            bestHeight = point->zeta;
            inStretch = true;
        } else if (point->zeta > bestHeight) {
            seeds.back() = seed;
            bestHeight = point->zeta;
        }
    }
    return seeds;
}

bool OnALine(const SurfacePoint& point, const std::vector<std::vector<LineVertex>>& lines)
{
    const Vector3 unit = UnitVector(point);
    for (const auto& line : lines) {
        for (const LineVertex& vertex : line) {
            if (AngleBetween(unit, UnitVector(vertex.point)) < kSameLine) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::vector<PathLine> TraceLimitLines(const FittedElements& elements, const ShadowCircle& cone, PathSide side)
{
    // Outside the path lies north of the northern limit: walking along it
    // with the outside on the left runs with the shadow, eastward.
    const double turn = side == PathSide::North ? 0.5 * kPi : -0.5 * kPi;
    const LimitFollower follower(elements, cone, turn);
    std::vector<std::vector<LineVertex>> lines;
    for (const auto& [point, hours] : Seeds(elements, cone, side)) {
        if (!OnALine(point, lines)) {
            std::vector<LineVertex> line = follower.LineThrough(point, hours);
            if (line.size() > 1) {
                lines.push_back(std::move(line));
            }
        }
    }
    std::vector<PathLine> paths;
    for (auto& line : lines) {
        if (line.front().value.hours > line.back().value.hours) {
            std::reverse(line.begin(), line.end());
        }
        PathLine path;
        for (const LineVertex& vertex : line) {
            const double longitude = vertex.point.longitude >= kPi ? vertex.point.longitude - kTwoPi : vertex.point.longitude;
            path.push_back({vertex.point.latitude * kRadiansToDegrees, longitude * kRadiansToDegrees,
                            elements.InstantOf(vertex.value.hours)});
        }
        paths.push_back(std::move(path));
    }
    return paths;
}
