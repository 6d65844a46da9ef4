#pragma once

#include <QString>

class CGeoPosition;

// A place as the status bar and the panels show it: latitude then
// longitude, in degrees, minutes and whole seconds of arc with their
// hemispheres, e.g. "48°51'24" N, 2°21'08" E".
QString PlaceText(const CGeoPosition& place);
