#include "app/MapPrinting.h"

#include "app/CurrentEclipse.h"
#include "app/DesktopEphemeris.h"
#include "app/MapLegendText.h"
#include "app/UmbrantDoc.h"
#include "eclipse/EpochShadow.h"
#include "ephemeris/EphemerisSeries.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/PainterSurface.h"

#include <QPaintDevice>
#include <QPainter>

bool PrintMap(QPaintDevice& printer, const CUmbrantDoc& document, const std::string& dataDirectory)
{
    const int width = printer.width();
    const int height = printer.height();
    CEclipseMap page = document.m_map;
    SetGlobalViewport(page.m_viewport, width, height);
    const CMapTrace trace(dataDirectory);
    const EpochShadow shadow = ComputeEpochShadow(*LoadEphemerisSeries(dataDirectory), page.m_observation);
    page.m_terms = shadow.terms;
    const std::shared_ptr<const EclipseOverlay> eclipse = CCurrentEclipse::OverlayAround(
        page.m_observation, LoadDesktopEphemeris(dataDirectory, page.m_observation, CDesktopSettings::TimeModel()));
    MapFrame frame = FrameOf(page, width, height, &shadow.outlines);
    frame.layers = document.m_options.m_layers;
    frame.eclipse = eclipse.get();
    frame.paper = true;
    frame.pixelSize = printer.logicalDpiX() / 96.0;
    if (frame.layers.observer) {
        frame.observer = CGeoPosition(page.m_observation.m_longitude, page.m_observation.m_latitude);
    }
    frame.timeOffsetHours = document.m_options.m_timeOffsetHours;
    const MapLegend legend = MakeMapLegend(LegendFactsOf(document, eclipse.get(), false, page.m_terms.m_deltaTUsed));
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
