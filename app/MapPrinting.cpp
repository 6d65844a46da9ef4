#include "app/MapPrinting.h"

#include "app/CurrentEclipse.h"
#include "app/MapLegendText.h"
#include "app/UmbrantDoc.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"
#include "map/MapLegend.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/PainterSurface.h"

#include <QPaintDevice>
#include <QPainter>

MapScene PrintedScene(const CUmbrantDoc& document, const std::string& dataDirectory, const TimeModel& model,
                      int width, int height)
{
    CEclipseMap page = document.m_map;
    SetGlobalViewport(page.m_viewport, width, height);
    const SceneRequest request{width, height, document.m_options.m_layers, nullptr};
    return ComposeScene(Ephemeris::Load(dataDirectory, model), page, request);
}

bool PrintMap(QPaintDevice& printer, const CUmbrantDoc& document, const std::string& dataDirectory,
              const TimeModel& model)
{
    const int width = printer.width();
    const int height = printer.height();
    const CMapTrace trace(dataDirectory);
    MapScene scene = PrintedScene(document, dataDirectory, model, width, height);
    const CObservation& epoch = document.m_map.m_observation;
    const std::shared_ptr<const EclipseOverlay> eclipse =
        CCurrentEclipse::OverlayAround(epoch, Ephemeris::Load(dataDirectory, model.ForEpoch(epoch)));
    MapFrame& frame = scene.frame;
    frame.eclipse = eclipse.get();
    frame.paper = true;
    frame.pixelSize = printer.logicalDpiX() / 96.0;
    frame.timeOffsetHours = document.m_options.m_timeOffsetHours;
    const MapLegend legend =
        MakeMapLegend(LegendFactsOf(document, eclipse.get(), !model.IsClassic(), scene.sky->deltaT));
    if (frame.layers.legend) {
        frame.legend = &legend;
    }

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
