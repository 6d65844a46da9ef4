#pragma once

#include "map/MapFrame.h"
#include "model/EclipseMap.h"

#include <QByteArray>
#include <QImage>

#include <string>

class CMapTrace;

// A new map image of the given size (RGB32), its memory committed at once:
// page by page, fresh memory costs more than drawing the map into it.
QImage NewMapImage(int width, int height);

// Traces the map of the document into a new image of the given size, with
// the document's viewport as it stands. Raises what Trace raises.
QImage RenderMapImage(CEclipseMap& map, const std::string& dataDirectory, int width, int height);

// The frame drawn whole through the trace's layers into a new image of
// the frame's size.
QImage DrawMapImage(const CMapTrace& trace, const MapFrame& frame);

// The image as PNG bytes, pixel for pixel. A map of at most 256 colours (the
// base map and its shadow) is written with a palette, which is several
// times faster to compress; zlib runs at its fast levels.
QByteArray EncodePng(const QImage& image);
