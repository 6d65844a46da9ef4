#include "app/MapPrinting.h"

#include "ephemeris/Ephemeris.h"
#include "map/MapScene.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/PainterSurface.h"

#include <QPainter>
#include <QPrinter>

namespace {

// A printed document shows its map and its shadow, as a map opened from the
// command line does.
SceneRequest PrintedRequest(int width, int height)
{
    SceneRequest request;
    request.width = width;
    request.height = height;
    request.layers.observer = false;
    return request;
}

} // namespace

MapScene PrintedScene(const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model, int width,
                      int height)
{
    CEclipseMap page = map;
    SetGlobalViewport(page.m_viewport, width, height);
    return ComposeScene(Ephemeris::Load(dataDirectory, model), page, PrintedRequest(width, height));
}

bool PrintMap(QPrinter& printer, const CEclipseMap& map, const std::string& dataDirectory, const TimeModel& model)
{
    const int width = printer.width();
    const int height = printer.height();
    const CMapTrace trace(dataDirectory);
    const MapScene scene = PrintedScene(map, dataDirectory, model, width, height);
    const MapFrame& frame = scene.frame;

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    {
        CPainterSurface surface(painter, width, height);
        trace.Draw(surface, frame);
    }
    return painter.end();
}
