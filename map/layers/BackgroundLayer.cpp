#include "map/layers/BackgroundLayer.h"

#include "map/MapColours.h"

void FillBackground(IDrawingSurface& surface)
{
    surface.FillRectangle(0, 0, surface.ClientWidth(), surface.ClientHeight(), kSkyColour);
}
