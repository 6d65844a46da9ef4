#pragma once

#include "app/model/Observation.h"
#include "app/model/TimeTerms.h"
#include "app/model/Viewport.h"
#include "map/DrawingSurface.h"

#include <string>

// The Moon's shadow at the observation's epoch: the axis cross and the umbra
// and penumbra outlines. Refreshes terms from the observation first.
// dataDirectory ends with a separator; sinCentreLatitude and
// cosCentreLatitude are those of the map centre's latitude.
void DrawShadow(IDrawingSurface& surface, const CObservation& observation, CTimeTerms& terms,
                const std::string& dataDirectory, const CViewport& viewport, const CGeoPosition& centre,
                double sinCentreLatitude, double cosCentreLatitude);
