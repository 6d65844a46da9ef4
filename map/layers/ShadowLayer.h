#pragma once

#include "map/DrawingSurface.h"
#include "map/MapLayer.h"
#include "model/Observation.h"
#include "model/Viewport.h"

struct ShadowOutlines;

// The Moon's shadow: the axis cross and the umbra and penumbra outlines, one
// pixel a point, turned back by the outlines' rotation seconds
// (eclipse/ShadowPlacement.h). sinCentreLatitude and cosCentreLatitude are
// those of the map centre's latitude.
void DrawShadow(IDrawingSurface& surface, const ShadowOutlines& shadow, const CViewport& viewport, const CGeoPosition& centre,
                double sinCentreLatitude, double cosCentreLatitude);

// The frame's shadow, when it has one.
class CShadowLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};
