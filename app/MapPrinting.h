#pragma once

#include "ephemeris/TimeModel.h"
#include "map/MapScene.h"
#include "model/EclipseMap.h"

#include <string>

class QPrinter;

// Prints the document's map on one page, traced at the printer's resolution
// through the same layers as the view: the whole globe at the size of the
// page's printable area, as the program shows a document it opens, with the
// shadow of the time model. The data are read before the printer starts, so
// that a missing data file (raised as CFileException) prints nothing. False
// when the printer cannot be started.
bool PrintMap(QPrinter& printer, const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model);

// What PrintMap draws on a page of width x height device units: the whole
// globe at that size, the shadow of the time model.
MapScene PrintedScene(const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model, int width,
                      int height);
