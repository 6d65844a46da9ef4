#pragma once

#include "map/MapLayer.h"

// A graticule every 15 degrees of latitude and longitude, when chosen.
class CGraticuleLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};

// The day/night line of the instant: the great circle 90 degrees from the
// place under the Sun (MapFrame::subsolarPoint), when chosen.
class CTerminatorLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};

// A marker at the observer's place (MapFrame::observer), when chosen.
class CObserverLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};

// The instant of the picture (MapFrame::instantLabel) in the top-left
// corner, light on a dark band, when there is one.
class CInstantLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};
