#include "map/layers/GlobeLayer.h"

#include "core/Units.h"
#include "map/MapColours.h"
#include "map/PixelClipping.h"
#include "map/Projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Chords of the disk and the limb stay within this many pixels of the circle.
constexpr double kLimbTolerance = 0.65;
// Bounds the chords of one arc whatever radius a document holds; at the
// largest zoom a whole circle needs about 123,000.
constexpr double kMaximumArcSteps = 1 << 20;

void AddCrossing(LimbCrossings& crossings, double angle, WindowEdge edge)
{
    crossings.items[static_cast<std::size_t>(crossings.count++)] = {static_cast<float>(angle), edge};
}

void VerticalEdgeCrossings(LimbCrossings& crossings, double edgeX, WindowEdge edge, int height, double cx, double cy,
                           double radius)
{
    const double f = (edgeX - cx) / radius;
    if (!(f > -1.0 && f < 1.0)) {
        return;
    }
    const double angle = std::acos(f);
    const double y = cy + radius * std::sin(angle);
    if (y > 0.0 && y < height) {
        AddCrossing(crossings, angle, edge);
    }
    const double otherAngle = kTwoPi - angle;
    const double otherY = cy + radius * std::sin(otherAngle);
    if (otherY > 0.0 && otherY < height) {
        AddCrossing(crossings, otherAngle, edge);
    }
}

void HorizontalEdgeCrossings(LimbCrossings& crossings, double edgeY, WindowEdge edge, int width, double cx, double cy,
                             double radius)
{
    const double g = (edgeY - cy) / radius;
    if (!(g > -1.0 && g < 1.0)) {
        return;
    }
    const double h = std::asin(g);
    const double angle = std::numbers::pi - h;
    const double x = cx + radius * std::cos(angle);
    if (x > 0.0 && x < width) {
        AddCrossing(crossings, angle, edge);
    }
    const double otherX = cx + radius * std::cos(h);
    if (otherX > 0.0 && otherX < width) {
        AddCrossing(crossings, h < 0.0 ? h + kTwoPi : h, edge);
    }
}

DevicePoint Corner(int edgeCode, int width, int height)
{
    switch (edgeCode) {
    case 1: return {width, height};
    case 2: return {width, 0};
    case 3: return {0, 0};
    default: return {0, height};
    }
}

std::int32_t RoundedPixel(double coordinate)
{
    return SaturatedPixel(std::nearbyint(coordinate));
}

bool IsDrawableRadius(double radius)
{
    return std::isfinite(radius) && radius > 0.0;
}

// The whole window lies within the disk: its farthest corner is no farther
// from the centre than the radius.
bool WindowInsideDisk(int width, int height, double cx, double cy, double radius)
{
    const double dx = std::max(std::abs(cx), std::abs(width - cx));
    const double dy = std::max(std::abs(cy), std::abs(height - cy));
    return std::hypot(dx, dy) <= radius;
}

} // namespace

LimbCrossings CircleWindowCrossings(int width, int height, double cx, double cy, double radius)
{
    LimbCrossings crossings;
    VerticalEdgeCrossings(crossings, 0.0, WindowEdge::Left, height, cx, cy, radius);
    VerticalEdgeCrossings(crossings, width, WindowEdge::Right, height, cx, cy, radius);
    HorizontalEdgeCrossings(crossings, 0.0, WindowEdge::Top, width, cx, cy, radius);
    HorizontalEdgeCrossings(crossings, height, WindowEdge::Bottom, width, cx, cy, radius);
    crossings.angleZeroInside = cy > 0.0 && cy < height && std::trunc(cx + radius) < width;
    return crossings;
}

LimbArcs OrderCrossings(const LimbCrossings& crossings)
{
    LimbArcs arcs;
    if (crossings.count == 0) {
        arcs.items[0] = {{0.0f, WindowEdge::None}, {static_cast<float>(kTwoPi), WindowEdge::None}};
        arcs.count = 1;
        return arcs;
    }
    std::array<LimbCrossing, 8> sorted = crossings.items;
    const auto end = sorted.begin() + crossings.count;
    std::stable_sort(sorted.begin(), end, [](const LimbCrossing& a, const LimbCrossing& b) { return a.angle < b.angle; });
    if (crossings.angleZeroInside) {
        std::rotate(sorted.begin(), end - 1, end);
        sorted[0].angle = static_cast<float>(sorted[0].angle - kTwoPi);
    }
    arcs.count = crossings.count / 2;
    for (int j = 0; j < arcs.count; ++j) {
        arcs.items[static_cast<std::size_t>(j)] = {sorted[static_cast<std::size_t>(2 * j)], sorted[static_cast<std::size_t>(2 * j + 1)]};
    }
    return arcs;
}

double ArcStep(double radius, double tolerance)
{
    return std::acos(std::clamp(1.0 - tolerance / radius, -1.0, 1.0));
}

void AddCorners(WindowEdge exitEdge, WindowEdge entryEdge, std::vector<DevicePoint>& points, int width, int height)
{
    int count = static_cast<int>(exitEdge) - static_cast<int>(entryEdge);
    if (count < 0) {
        count += 4;
    }
    for (int e = static_cast<int>(exitEdge); count > 0; --count, --e) {
        points.push_back(Corner(e < 1 ? e + 4 : e, width, height));
    }
}

int ArcStepCount(double span, double step)
{
    const double steps = std::trunc(std::abs(span) / step) + 1.0;
    return std::isfinite(steps) && steps < kMaximumArcSteps ? static_cast<int>(steps) : static_cast<int>(kMaximumArcSteps);
}

DevicePoint CirclePoint(double cx, double cy, double radius, double angle)
{
    return {RoundedPixel(cx + radius * std::cos(angle)), RoundedPixel(cy + radius * std::sin(angle))};
}

void AppendArcPoints(const LimbArc& arc, double cx, double cy, double radius, double tolerance,
                     std::vector<DevicePoint>& points)
{
    const double start = arc.entry.angle;
    const double span = static_cast<double>(arc.exit.angle) - start;
    const int n = ArcStepCount(span, ArcStep(radius, tolerance));
    const double delta = span / n;
    for (int i = 0; i <= n; ++i) {
        points.push_back(CirclePoint(cx, cy, radius, start + i * delta));
    }
}

bool CentreOutsideWindow(int width, int height, double cx, double cy)
{
    return cx < 0.0 || cx > width || cy < 0.0 || cy > height;
}

void FillGlobeDisk(IDrawingSurface& surface, double cx, double cy, double radius)
{
    const int width = surface.ClientWidth();
    const int height = surface.ClientHeight();
    if (!IsDrawableRadius(radius)) {
        return;
    }
    const LimbCrossings crossings = CircleWindowCrossings(width, height, cx, cy, radius);
    if (crossings.count <= 1 && CentreOutsideWindow(width, height, cx, cy)) {
        // Either the window lies inside the disk, or the disk misses the window.
        if (WindowInsideDisk(width, height, cx, cy, radius)) {
            surface.FillRectangle(0, 0, width, height, kSeaColour);
        }
        return;
    }
    const LimbArcs arcs = OrderCrossings(crossings);
    if (arcs.count == 0) {
        surface.FillRectangle(0, 0, width, height, kSeaColour);
        return;
    }
    std::vector<DevicePoint> polygon;
    for (int j = 0; j < arcs.count; ++j) {
        const LimbArc& arc = arcs.items[static_cast<std::size_t>(j)];
        if (j > 0) {
            AddCorners(arcs.items[static_cast<std::size_t>(j - 1)].exit.edge, arc.entry.edge, polygon, width, height);
        }
        AppendArcPoints(arc, cx, cy, radius, kLimbTolerance, polygon);
    }
    AddCorners(arcs.items[static_cast<std::size_t>(arcs.count - 1)].exit.edge, arcs.items[0].entry.edge, polygon, width,
               height);
    const PixelRectangle guard = GuardRectangle(width, height);
    if (std::all_of(polygon.begin(), polygon.end(), [&](DevicePoint point) { return guard.Contains(point); })) {
        surface.FillPolygon(polygon, kSeaColour);
        return;
    }
    const std::vector<DevicePoint> clipped = ClipPolygonToRectangle(polygon, guard);
    if (clipped.size() >= 3) {
        surface.FillPolygon(clipped, kSeaColour);
    }
}

void DrawLimb(IDrawingSurface& surface, double cx, double cy, double radius)
{
    const int width = surface.ClientWidth();
    const int height = surface.ClientHeight();
    if (!IsDrawableRadius(radius)) {
        return;
    }
    const LimbCrossings crossings = CircleWindowCrossings(width, height, cx, cy, radius);
    if (crossings.count <= 1 && CentreOutsideWindow(width, height, cx, cy)) {
        return;
    }
    const LimbArcs arcs = OrderCrossings(crossings);
    const PixelRectangle guard = GuardRectangle(width, height);
    std::vector<DevicePoint> points;
    for (int j = 0; j < arcs.count; ++j) {
        points.clear();
        AppendArcPoints(arcs.items[static_cast<std::size_t>(j)], cx, cy, radius, kLimbTolerance, points);
        ClipPolylineToRectangle(points, guard, [&](std::span<const DevicePoint> run) { surface.DrawPolyline(run, kLimbColour); });
    }
}

void CGlobeLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    const CViewport& viewport = frame.viewport;
    FillGlobeDisk(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
    DrawLimb(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
}
