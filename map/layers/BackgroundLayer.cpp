#include "map/layers/BackgroundLayer.h"

#include "map/MapColours.h"

void FillBackground(IDrawingSurface& surface)
{
    surface.FillRectangle(0, 0, surface.ClientWidth(), surface.ClientHeight(), kSkyColour);
}

void CBackgroundLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.paper) {
        surface.FillRectangle(0, 0, surface.ClientWidth(), surface.ClientHeight(), kPaperColour);
        return;
    }
    FillBackground(surface);
}
