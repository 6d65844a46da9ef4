#pragma once

#include "map/DrawingSurface.h"
#include "map/MapFrame.h"

#include <functional>
#include <optional>
#include <span>
#include <vector>

// The orthographic projection of the frame in double precision, for the
// annotation layers (paths, curves, markers), which are drawn smooth: the
// base map keeps the single-precision projection it was always drawn with.
class GeoProjector {
public:
    explicit GeoProjector(const MapFrame& frame);

    // The client point of a place (degrees); none behind the limb.
    std::optional<MapPoint> Project(double latitude, double longitude) const;

    // Draws a line of places (degrees) as the runs of it on the visible
    // hemisphere, each ended on the limb where it goes behind the globe and
    // clipped to the client rectangle widened by a margin.
    using RunSink = std::function<void(std::span<const MapPoint>)>;
    void ForEachVisibleRun(std::span<const double> latitudes, std::span<const double> longitudes, const RunSink& sink) const;

    // The same for any sequence of points with latitude and longitude members.
    template <typename Point>
    void ForEachVisibleRun(std::span<const Point> points, const RunSink& sink) const
    {
        std::vector<double> latitudes;
        std::vector<double> longitudes;
        latitudes.reserve(points.size());
        longitudes.reserve(points.size());
        for (const Point& point : points) {
            latitudes.push_back(point.latitude);
            longitudes.push_back(point.longitude);
        }
        ForEachVisibleRun(latitudes, longitudes, sink);
    }

    // An area bounded by a closed ring of places (degrees; the last joins
    // the first) as the polygon of its visible part: where the ring goes
    // behind the globe the polygon follows the limb, the shorter way round,
    // from where the ring left the visible hemisphere to where it comes back.
    // Empty when no place of the ring is in sight.
    std::vector<MapPoint> ProjectArea(std::span<const double> latitudes, std::span<const double> longitudes) const;

private:
    struct Direction {
        double x, y, z;  // unit vector: x east of the centre, y north, z toward the viewer
    };
    Direction DirectionOf(double latitude, double longitude) const;
    MapPoint ToClient(const Direction& direction) const;
    // The point where the chord between two directions, one on each side,
    // meets the limb (a unit vector with z = 0).
    static Direction LimbCrossing(const Direction& from, const Direction& to);
    // The limb from one unit direction to another, the shorter way round,
    // without its ends.
    void AddLimbArc(const Direction& from, const Direction& to, std::vector<MapPoint>& polygon) const;

    double m_originX;
    double m_originY;
    double m_scale;
    double m_centreLongitude;  // radians
    double m_sinCentre;
    double m_cosCentre;
    double m_left, m_top, m_right, m_bottom;  // the widened client rectangle
};
