#include "map/PixelClipping.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Far enough that rounding where a stroke is cut cannot move its pixels inside
// the window, near enough for any drawing surface's coordinate range.
constexpr std::int32_t kGuardMargin = 4096;

__extension__ using WideInteger = __int128;

enum class Side { Left, Top, Right, Bottom };

bool Keeps(Side side, DevicePoint point, const PixelRectangle& rectangle)
{
    switch (side) {
    case Side::Left: return point.x >= rectangle.left;
    case Side::Top: return point.y >= rectangle.top;
    case Side::Right: return point.x <= rectangle.right;
    case Side::Bottom: return point.y <= rectangle.bottom;
    }
    return true;
}

// Where the segment prev-cur meets a vertical (x = line) or horizontal line.
std::int32_t Interpolate(std::int32_t fromA, std::int32_t toA, std::int32_t fromB, std::int32_t toB, std::int32_t line)
{
    const WideInteger numerator = static_cast<WideInteger>(toA - static_cast<std::int64_t>(fromA)) *
                                  static_cast<WideInteger>(line - static_cast<std::int64_t>(fromB));
    const WideInteger denominator = static_cast<WideInteger>(toB - static_cast<std::int64_t>(fromB));
    return static_cast<std::int32_t>(fromA + numerator / denominator);
}

DevicePoint Intersection(Side side, DevicePoint prev, DevicePoint cur, const PixelRectangle& rectangle)
{
    switch (side) {
    case Side::Left: return {rectangle.left, Interpolate(prev.y, cur.y, prev.x, cur.x, rectangle.left)};
    case Side::Right: return {rectangle.right, Interpolate(prev.y, cur.y, prev.x, cur.x, rectangle.right)};
    case Side::Top: return {Interpolate(prev.x, cur.x, prev.y, cur.y, rectangle.top), rectangle.top};
    case Side::Bottom: return {Interpolate(prev.x, cur.x, prev.y, cur.y, rectangle.bottom), rectangle.bottom};
    }
    return cur;
}

void ClipPass(Side side, const std::vector<DevicePoint>& input, std::vector<DevicePoint>& output,
              const PixelRectangle& rectangle)
{
    output.clear();
    if (input.empty()) {
        return;
    }
    DevicePoint prev = input.back();
    for (const DevicePoint cur : input) {
        const bool curKept = Keeps(side, cur, rectangle);
        const bool prevKept = Keeps(side, prev, rectangle);
        if (curKept) {
            if (!prevKept) {
                output.push_back(Intersection(side, prev, cur, rectangle));
            }
            output.push_back(cur);
        } else if (prevKept) {
            output.push_back(Intersection(side, prev, cur, rectangle));
        }
        prev = cur;
    }
}

// Liang-Barsky in double precision; false when nothing of the segment is inside.
bool ClipSegment(DevicePoint from, DevicePoint to, const PixelRectangle& rectangle, DevicePoint& clippedFrom,
                 DevicePoint& clippedTo)
{
    const double x0 = from.x, y0 = from.y;
    const double dx = static_cast<double>(to.x) - x0, dy = static_cast<double>(to.y) - y0;
    double enter = 0.0, leave = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - rectangle.left, rectangle.right - x0, y0 - rectangle.top, rectangle.bottom - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
    }
    if (enter > leave) {
        return false;
    }
    const auto at = [&](double t) {
        return DevicePoint{static_cast<std::int32_t>(std::lround(x0 + t * dx)), static_cast<std::int32_t>(std::lround(y0 + t * dy))};
    };
    clippedFrom = enter > 0.0 ? at(enter) : from;
    clippedTo = leave < 1.0 ? at(leave) : to;
    return true;
}

} // namespace

PixelRectangle GuardRectangle(int width, int height)
{
    return {-kGuardMargin, -kGuardMargin, width + kGuardMargin, height + kGuardMargin};
}

std::vector<DevicePoint> ClipPolygonToRectangle(std::span<const DevicePoint> polygon, const PixelRectangle& rectangle)
{
    std::vector<DevicePoint> work(polygon.begin(), polygon.end());
    std::vector<DevicePoint> clipped;
    clipped.reserve(2 * polygon.size() + 4);
    for (const Side side : {Side::Left, Side::Top, Side::Right, Side::Bottom}) {
        ClipPass(side, work, clipped, rectangle);
        std::swap(work, clipped);
    }
    return work;
}

void ClipPolylineToRectangle(std::span<const DevicePoint> polyline, const PixelRectangle& rectangle,
                             const std::function<void(std::span<const DevicePoint>)>& draw)
{
    std::vector<DevicePoint> run;
    const auto flush = [&] {
        if (run.size() >= 2) {
            draw(run);
        }
        run.clear();
    };
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        DevicePoint from, to;
        if (!ClipSegment(polyline[i - 1], polyline[i], rectangle, from, to)) {
            flush();
            continue;
        }
        if (run.empty() || run.back() != from) {
            flush();
            run.push_back(from);
        }
        run.push_back(to);
        if (to != polyline[i]) {
            flush();
        }
    }
    flush();
}
