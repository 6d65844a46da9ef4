#pragma once

#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

#include <array>
#include <vector>

// Where the globe's outline circle (centre cx, cy, radius R, pixels) meets the
// edges of the client rectangle, and the arcs of it that lie inside.
// Angles are radians from +x towards +y, clockwise on the screen: the point at
// angle a is (cx + R cos a, cy + R sin a).

// Edges of the client rectangle; None stands for the whole circle.
enum class WindowEdge : int { None = 0, Right = 1, Top = 2, Left = 3, Bottom = 4 };

struct LimbCrossing {
    float angle = 0.0f;
    WindowEdge edge = WindowEdge::None;
};

struct LimbCrossings {
    std::array<LimbCrossing, 8> items{};  // at most two per edge, in discovery order
    int count = 0;
    bool angleZeroInside = false;         // the circle's rightmost point is in the window
};

// An arc of the circle inside the window, from entry to exit with increasing angle.
struct LimbArc {
    LimbCrossing entry;
    LimbCrossing exit;
};

struct LimbArcs {
    std::array<LimbArc, 4> items{};
    int count = 0;
};

// Crossings of the circle with the edges of (0, 0)-(width, height), examined in
// the order left, right, top, bottom. Corners and tangents give none.
LimbCrossings CircleWindowCrossings(int width, int height, double cx, double cy, double radius);

// Pairs the crossings into the arcs inside the window; no crossing gives the
// whole circle, 0 to 2 pi.
LimbArcs OrderCrossings(const LimbCrossings& crossings);

// Angular step (radians) of chords that stay within tolerance pixels of a
// circle of the given radius: acos(1 - tolerance / radius).
double ArcStep(double radius, double tolerance);

// Walks the window border clockwise on the screen from the edge where the
// circle left the window to the edge where it comes back, appending each
// corner passed.
void AddCorners(WindowEdge exitEdge, WindowEdge entryEdge, std::vector<DevicePoint>& points, int width, int height);

// Number of equal chords of at most step radians that cover span radians;
// bounded whatever radius a document holds.
int ArcStepCount(double span, double step);

// The pixel of the circle at the given angle, rounded to nearest (ties to even).
DevicePoint CirclePoint(double cx, double cy, double radius, double angle);

// Appends the chord points of an arc, its two ends included.
void AppendArcPoints(const LimbArc& arc, double cx, double cy, double radius, double tolerance,
                     std::vector<DevicePoint>& points);

// True when the centre lies outside the client rectangle.
bool CentreOutsideWindow(int width, int height, double cx, double cy);

// The sea-coloured part of the disk inside the window, outlined in black.
void FillGlobeDisk(IDrawingSurface& surface, double cx, double cy, double radius);
// The visible arcs of the globe's outline, in black.
void DrawLimb(IDrawingSurface& surface, double cx, double cy, double radius);

// The sea-coloured disk and its limb, for the frame's viewport.
class CGlobeLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};
