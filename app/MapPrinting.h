#pragma once

#include "ephemeris/TimeModel.h"
#include "map/MapScene.h"

#include <string>

class CUmbrantDoc;
class QPaintDevice;

// Prints the document's map on one page, traced at the printer's resolution
// through the same layers as the view: the whole globe at the size of the
// page's printable area, as the program shows a document it opens, on white
// paper, with the document's layers, the path of the eclipse around its
// epoch and the shadow of the time model. The data are read before the
// printer starts, so that a missing data file (raised as CFileException)
// prints nothing. False when the printer (or any page: a picture, for a
// check) cannot be started.
bool PrintMap(QPaintDevice& printer, const CUmbrantDoc& document, const std::string& dataDirectory,
              const TimeModel& model);

// The scene PrintMap draws on a page of width x height device units: the
// whole globe at that size, the document's layers, the shadow of the time
// model (PrintMap adds the eclipse's path, the paper and the key).
MapScene PrintedScene(const CUmbrantDoc& document, const std::string& dataDirectory, const TimeModel& model,
                      int width, int height);
