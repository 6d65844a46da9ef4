#pragma once

#include "map/DrawingSurface.h"
#include "map/MapFrame.h"

// One layer of the map. A layer draws what the frame and its own data give
// it, and nothing else; it never knows what surface it draws on.
class IMapLayer {
public:
    virtual ~IMapLayer() = default;
    virtual void Draw(IDrawingSurface& surface, const MapFrame& frame) const = 0;
};
