#include "app/MapPrinting.h"

#include "eclipse/EpochShadow.h"
#include "ephemeris/EphemerisSeries.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/PainterSurface.h"

#include <QPainter>
#include <QPrinter>

bool PrintMap(QPrinter& printer, const CEclipseMap& map, const std::string& dataDirectory)
{
    const int width = printer.width();
    const int height = printer.height();
    CEclipseMap page = map;
    SetGlobalViewport(page.m_viewport, width, height);
    const CMapTrace trace(dataDirectory);
    const EpochShadow shadow = ComputeEpochShadow(*LoadEphemerisSeries(dataDirectory), page.m_observation);
    page.m_terms = shadow.terms;
    const MapFrame frame = FrameOf(page, width, height, &shadow.outlines);

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
