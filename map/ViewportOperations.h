#pragma once

#include "model/EclipseMap.h"
#include "map/DrawingSurface.h"

// The operations that change the document's viewport. The callers (the view,
// the command-line renderer) trace again afterwards.

// Resets the viewport to the whole globe for a client area of width x height:
// radius width/pi, centred.
void SetGlobalViewport(CViewport& viewport, int width, int height);

enum class ZoomResult { Done, Refused };

// Zoom in on the rectangle start-end (client pixels). Copies m_viewport into
// m_previousViewport first. Refused, changing nothing, when the rectangle has
// no width or no height.
ZoomResult ZoomIn(CEclipseMap& map, DevicePoint start, DevicePoint end);
// Zoom out: the whole window shrinks into the rectangle start-end, the
// globe's radius no smaller than a quarter of the whole globe's in the
// client (nor than it was).
ZoomResult ZoomOut(CEclipseMap& map, DevicePoint start, DevicePoint end);
// Moves the map by end - start. Never refused.
void Translate(CEclipseMap& map, DevicePoint start, DevicePoint end);

// "Global" in a window: the whole globe as SetGlobalViewport places it, its
// radius brought down, when the window is wider than tall, to what leaves
// the disk and a margin inside the height, so that the poles stay in view.
// Where the width limits, the radius stays the width rule's.
void SetWholeGlobeViewport(CViewport& viewport, int width, int height);

// Zooms by factor (above 1 enlarges) about a client point, which stays where
// it is on the screen: the wheel's zoom. Copies m_viewport into
// m_previousViewport first; the radius stays within the zooms' bounds.
void ZoomAbout(CEclipseMap& map, MapPoint about, double factor);
