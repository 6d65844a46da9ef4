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
// Zoom out: the whole window shrinks into the rectangle start-end.
ZoomResult ZoomOut(CEclipseMap& map, DevicePoint start, DevicePoint end);
// Moves the map by end - start. Never refused.
void Translate(CEclipseMap& map, DevicePoint start, DevicePoint end);
