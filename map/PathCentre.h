#pragma once

#include "eclipse/path/PathTypes.h"
#include "model/Observation.h"

// The point to project the globe about so that the whole path is in view:
// the centre of the smallest cap of the sphere holding every vertex of its
// curves (central line, umbral and penumbral limits, sunrise and sunset
// curves) and its contacts, found by Badoiu and Clarkson's iteration (each
// step moves the centre a shrinking way towards the farthest vertex).
// An orthographic map shows the hemisphere about its centre, so the path
// is all in view when that cap's radius is below 90 degrees, as it is for
// every eclipse, whose shadow falls on the hemisphere facing the Sun.
// Reference: Badoiu & Clarkson, "Smaller core-sets for balls" (SODA 2003).
CGeoPosition CentreShowingPath(const EclipsePath& path);
