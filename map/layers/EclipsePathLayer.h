#pragma once

#include "map/MapLayer.h"

// The current eclipse's path (MapFrame::eclipse): the umbral or antumbral
// band, shaded and translucent, with its limits, over a light hatched band
// where Delta T's uncertainty may put it (when that widens it by more than a
// pixel); the central line with a tick every 10 minutes of the map's time
// (UT plus MapFrame::timeOffsetHours); the penumbral limits and the sunrise
// and sunset curves; the curves of equal maximum magnitude; a marker at
// greatest eclipse. Each part follows the frame's choice of layers.
class CEclipsePathLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};

// The mark of greatest eclipse (a yellow star) centred on a client point,
// sized for the frame's pixel size; the map's key draws it too.
void DrawGreatestEclipseMark(IDrawingSurface& surface, MapPoint at, double pixelSize);
