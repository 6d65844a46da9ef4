#pragma once

#include "ephemeris/TimeModel.h"
#include "map/MapFrame.h"
#include "map/MapScene.h"
#include "model/EclipseMap.h"

#include <QByteArray>
#include <QImage>

#include <string>

class CMapTrace;

// A new map image of the given size (RGB32), its memory committed at once:
// page by page, fresh memory costs more than drawing the map into it.
QImage NewMapImage(int width, int height);

// The map of the document at its epoch, under the time model, into a new
// image of the request's size, with the document's viewport as it stands.
// The scene is composed (the series read, the sky computed) on another
// thread while the static layers are drawn: in a new process, reading the
// series then overlaps reading and drawing the map. Raises CFileException
// for a missing or bad data file, before anything is drawn.
QImage RenderMapImage(const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model,
                      const SceneRequest& request);

// The frame drawn whole through the trace's layers into a new image of
// the frame's size.
QImage DrawMapImage(const CMapTrace& trace, const MapFrame& frame);

// The image as PNG bytes, pixel for pixel. A map of at most 256 colours (the
// base map and its shadow) is written with a palette, which is several
// times faster to compress; zlib runs at its fast levels.
QByteArray EncodePng(const QImage& image);
