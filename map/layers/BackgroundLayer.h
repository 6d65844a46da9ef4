#pragma once

#include "map/DrawingSurface.h"
#include "map/MapLayer.h"

// The black sky: the whole client rectangle.
void FillBackground(IDrawingSurface& surface);

// The sky as a layer of the trace; on paper, the paper's white.
class CBackgroundLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};
