#include "map/GeoProjection.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>

namespace {

// Lines are clipped this far outside the client: beyond it they cannot be
// seen, and far points would only slow the painter down.
constexpr double kClipMargin = 64.0;
// The limb is followed in steps of this angle (radians, 2 degrees).
constexpr double kLimbArcStep = 2.0 * kPi / 180.0;

// Liang-Barsky: the part of the segment a-b inside the rectangle, as the
// fractions along it; none when it misses.
std::optional<std::pair<double, double>> ClipSegment(MapPoint a, MapPoint b, double left, double top, double right,
                                                     double bottom)
{
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return std::nullopt;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return std::nullopt;
        }
    }
    return std::pair(t0, t1);
}

MapPoint Along(MapPoint a, MapPoint b, double t)
{
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

// Cuts a run into the pieces inside the rectangle.
void ClipRun(const std::vector<MapPoint>& run, double left, double top, double right, double bottom,
             const GeoProjector::RunSink& sink)
{
    std::vector<MapPoint> piece;
    for (std::size_t i = 1; i < run.size(); ++i) {
        const auto kept = ClipSegment(run[i - 1], run[i], left, top, right, bottom);
        if (!kept) {
            if (piece.size() >= 2) {
                sink(piece);
            }
            piece.clear();
            continue;
        }
        const MapPoint start = Along(run[i - 1], run[i], kept->first);
        const MapPoint end = Along(run[i - 1], run[i], kept->second);
        if (piece.empty() || !(piece.back() == start)) {
            if (piece.size() >= 2) {
                sink(piece);
            }
            piece.assign({start});
        }
        piece.push_back(end);
        if (kept->second < 1.0) {
            sink(piece);
            piece.clear();
        }
    }
    if (piece.size() >= 2) {
        sink(piece);
    }
}

} // namespace

GeoProjector::GeoProjector(const MapFrame& frame)
    : m_originX(frame.viewport.m_originX), m_originY(frame.viewport.m_originY), m_scale(frame.viewport.m_scale),
      m_centreLongitude(frame.centre.m_longitude * kDegreesToRadians),
      m_sinCentre(std::sin(frame.centre.m_latitude * kDegreesToRadians)),
      m_cosCentre(std::cos(frame.centre.m_latitude * kDegreesToRadians)), m_left(-kClipMargin), m_top(-kClipMargin),
      m_right(frame.width + kClipMargin), m_bottom(frame.height + kClipMargin)
{
}

GeoProjector::Direction GeoProjector::DirectionOf(double latitude, double longitude) const
{
    const double phi = latitude * kDegreesToRadians;
    const double lambda = longitude * kDegreesToRadians - m_centreLongitude;
    const double cosPhi = std::cos(phi);
    return {cosPhi * std::sin(lambda), m_cosCentre * std::sin(phi) - m_sinCentre * cosPhi * std::cos(lambda),
            m_sinCentre * std::sin(phi) + m_cosCentre * cosPhi * std::cos(lambda)};
}

MapPoint GeoProjector::ToClient(const Direction& direction) const
{
    return {m_originX + m_scale * direction.x, m_originY - m_scale * direction.y};
}

std::optional<MapPoint> GeoProjector::Project(double latitude, double longitude) const
{
    const Direction direction = DirectionOf(latitude, longitude);
    if (!(direction.z > 0.0)) {
        return std::nullopt;
    }
    return ToClient(direction);
}

GeoProjector::Direction GeoProjector::LimbCrossing(const Direction& from, const Direction& to)
{
    const double t = from.z / (from.z - to.z);
    Direction limb{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y), 0.0};
    const double length = std::hypot(limb.x, limb.y);
    if (length > 0.0) {
        limb.x /= length;
        limb.y /= length;
    }
    return limb;
}

void GeoProjector::AddLimbArc(const Direction& from, const Direction& to, std::vector<MapPoint>& polygon) const
{
    const double start = std::atan2(from.y, from.x);
    const double turn = std::remainder(std::atan2(to.y, to.x) - start, 2.0 * kPi);
    const int steps = static_cast<int>(std::ceil(std::fabs(turn) / kLimbArcStep));
    for (int i = 1; i < steps; ++i) {
        const double angle = start + turn * i / steps;
        polygon.push_back(ToClient({std::cos(angle), std::sin(angle), 0.0}));
    }
}

std::vector<MapPoint> GeoProjector::ProjectArea(std::span<const double> latitudes, std::span<const double> longitudes) const
{
    std::vector<Direction> ring;
    ring.reserve(latitudes.size());
    for (std::size_t i = 0; i < latitudes.size(); ++i) {
        const Direction direction = DirectionOf(latitudes[i], longitudes[i]);
        if (std::isfinite(direction.z)) {
            ring.push_back(direction);
        }
    }
    // Start at a place in sight, so that every departure behind the globe
    // is met before its return.
    const auto first = std::find_if(ring.begin(), ring.end(), [](const Direction& d) { return d.z > 0.0; });
    if (first == ring.end()) {
        return {};
    }
    std::rotate(ring.begin(), first, ring.end());
    std::vector<MapPoint> polygon;
    polygon.reserve(ring.size());
    Direction departure{};
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const Direction& here = ring[i];
        const Direction& next = ring[(i + 1) % ring.size()];
        if (here.z > 0.0) {
            polygon.push_back(ToClient(here));
        }
        if ((here.z > 0.0) == (next.z > 0.0)) {
            continue;
        }
        const Direction limb = LimbCrossing(here, next);
        if (here.z > 0.0) {
            departure = limb;
        } else {
            AddLimbArc(departure, limb, polygon);
        }
        polygon.push_back(ToClient(limb));
    }
    return polygon;
}

void GeoProjector::ForEachVisibleRun(std::span<const double> latitudes, std::span<const double> longitudes,
                                     const RunSink& sink) const
{
    std::vector<MapPoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) {
            ClipRun(run, m_left, m_top, m_right, m_bottom, sink);
        }
        run.clear();
    };
    std::optional<Direction> previous;
    for (std::size_t i = 0; i < latitudes.size(); ++i) {
        const Direction direction = DirectionOf(latitudes[i], longitudes[i]);
        if (!std::isfinite(direction.z)) {
            flush();
            previous.reset();
            continue;
        }
        const bool visible = direction.z > 0.0;
        if (previous && (previous->z > 0.0) != visible) {
            // The point where the great circle between the two passes the limb.
            const double t = previous->z / (previous->z - direction.z);
            Direction limb{previous->x + t * (direction.x - previous->x), previous->y + t * (direction.y - previous->y), 0.0};
            const double length = std::hypot(limb.x, limb.y);
            if (length > 0.0) {
                limb.x /= length;
                limb.y /= length;
                run.push_back(ToClient(limb));
            }
            if (!visible) {
                flush();
            }
        }
        if (visible) {
            run.push_back(ToClient(direction));
        }
        previous = direction;
    }
    flush();
}
