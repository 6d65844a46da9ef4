#pragma once

#include "model/EclipseMap.h"

#include <QImage>

#include <string>

// Traces the map of the document into a new image of the given size, with
// the document's viewport as it stands. Raises what Trace raises.
QImage RenderMapImage(CEclipseMap& map, const std::string& dataDirectory, int width, int height);
