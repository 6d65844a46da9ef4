#pragma once

#include "map/DrawingSurface.h"

#include <functional>
#include <span>
#include <vector>

// A rectangle of client pixels, edges included.
struct PixelRectangle {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool Contains(DevicePoint point) const
    {
        return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
    }
};

// The client rectangle widened on every side. Coordinates far outside the
// window (a deep zoom puts points hundreds of millions of pixels away) are
// brought inside it before they reach the drawing surface; what lies inside
// the window is unchanged, and outlines along the widened border stay unseen.
PixelRectangle GuardRectangle(int width, int height);

// Sutherland-Hodgman clipping of a closed polygon to a rectangle, edges
// included, in the order left, top, right, bottom. Intersections are exact
// integer arithmetic truncated toward zero.
std::vector<DevicePoint> ClipPolygonToRectangle(std::span<const DevicePoint> polygon, const PixelRectangle& rectangle);

// Clips an open polyline to the rectangle and hands each connected run that
// remains (two points or more) to draw, in order.
void ClipPolylineToRectangle(std::span<const DevicePoint> polyline, const PixelRectangle& rectangle,
                             const std::function<void(std::span<const DevicePoint>)>& draw);
