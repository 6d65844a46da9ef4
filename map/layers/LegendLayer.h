#pragma once

#include "map/MapLayer.h"

// The map's title and key (MapFrame::legend), when the front end gives
// them: the title's lines at the top left, the key's marks, each drawn as
// its layer draws it, with their texts at the bottom left, both on a pale
// translucent box. Sizes follow the frame's pixel size; texts are in points.
class CLegendLayer : public IMapLayer {
public:
    void Draw(IDrawingSurface& surface, const MapFrame& frame) const override;
};
