#pragma once

#include "map/MapFrame.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>

class CMapTrace;
class QPainter;
class QRectF;

// The kinds of file a map is saved as, chosen by the name's extension.
enum class MapFileFormat {
    Png,
    Svg,
    Pdf,
};

// ".png", ".svg" or ".pdf", in any case; "-" (the standard output) is PNG.
// Nothing for any other name.
std::optional<MapFileFormat> MapFileFormatOf(const std::string& path);

// The same map in factor times as many device units (a larger picture, a
// printer's page, a dense screen).
MapFrame ScaledFrame(const MapFrame& frame, double factor);

// The frame drawn through the trace's layers as a vector picture of
// frame.width x frame.height pixels at 96 to the inch: the shorelines,
// borders and lines are paths, the text is text. The title goes into the
// file's own description.
QByteArray DrawSvgMap(const CMapTrace& trace, const MapFrame& frame, const QString& title);
QByteArray DrawPdfMap(const CMapTrace& trace, const MapFrame& frame, const QString& title);

// The frame drawn as large as fits in page (the painter's coordinates,
// usually a printer's page at its own resolution), centred, through the
// same layers: the lines keep their width and the text its size in points.
void DrawMapOnPage(QPainter& painter, const QRectF& page, const CMapTrace& trace, const MapFrame& frame);
