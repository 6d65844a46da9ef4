#include "map/Trace.h"

#include "datafiles/ImageCache.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/ShorelineImage.h"
#include "datafiles/TextFields.h"
#include "map/BackgroundLayer.h"
#include "map/CreditLayer.h"
#include "map/GlobeLayer.h"
#include "map/MapColours.h"
#include "map/PolylineLayer.h"
#include "map/ShadowLayer.h"
#include "map/ShorelineLayer.h"

#include <cmath>

void Trace(IDrawingSurface& surface, CEclipseMap& map, const std::string& dataDirectory)
{
    // Read before anything is painted: without shorelines the picture stays as it was.
    const DataImage shorelines = LoadCachedImage(JoinPath(dataDirectory, "gshhs_i.dat"), ShorelineLayout::kImageSize);

    const CViewport& viewport = map.m_viewport;
    const CGeoPosition& centre = map.m_observation.m_centre;
    FillBackground(surface);
    FillGlobeDisk(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
    DrawLimb(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
    DrawShorelines(surface, shorelines, viewport, centre);
    DrawPolylines(surface, dataDirectory, kBorderLayout, kBorderColour, viewport, centre);
    DrawPolylines(surface, dataDirectory, kRiverLayout, kRiverColour, viewport, centre);

    const double centreLatitude = centre.m_latitude * kDegreesToRadians;
    DrawShadow(surface, map.m_observation, map.m_terms, dataDirectory, viewport, centre, std::sin(centreLatitude),
               std::cos(centreLatitude));
    DrawCredit(surface);
}
