// The view's map as the desktop draws it: the frame of the document with
// the current eclipse, the chosen layers and the shadow of the chosen
// model, and the redrawing of a new instant over the kept base map.

#include "app/MapLegendText.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"

#include <QTimer>

void CUmbrantView::SetEclipse(std::shared_ptr<const EclipseOverlay> eclipse)
{
    m_eclipse = std::move(eclipse);
}

void CUmbrantView::SetLayers(const MapLayerChoice& layers)
{
    m_layers = layers;
}

void CUmbrantView::SetTimeModel(const TimeModel& model)
{
    m_timeModel = model;
}

void CUmbrantView::RequestInstantRedraw()
{
    if (m_instantRedrawRequested) {
        return;
    }
    m_instantRedrawRequested = true;
    QTimer::singleShot(0, this, [this] {
        if (m_instantRedrawRequested) {
            RedrawInstant();
        }
    });
}

void CUmbrantView::RedrawInstant()
{
    m_instantRedrawRequested = false;
    if (m_traceRequested) {
        return; // the whole trace on its way draws the instant too
    }
    if (m_trace || !m_mapTrace || m_picture.isNull()) {
        TraceReportingErrors();
        return;
    }
    bool drawn = false;
    RunCommand(m_presenter, this, [this, &drawn] {
        RenderInstant();
        ++m_instantRedrawCount;
        drawn = true;
    });
    update();
    if (!drawn) {
        emit DrawingFailed();
    }
}

// The layers are read again from the data directory, so that a file
// converted since is drawn; they are kept for the instants that follow.
void CUmbrantView::RenderMap()
{
    m_mapTrace = std::make_unique<const CMapTrace>(m_dataDirectory);
    RenderInstant();
}

// The map of the document's epoch in the widget's own units, with the
// chosen layers, the current eclipse and the shadow of the chosen model.
MapScene CUmbrantView::ComposeScene() const
{
    const SceneRequest request{width(), height(), m_layers, m_eclipse.get()};
    return ::ComposeScene(Ephemeris::Load(m_dataDirectory, m_timeModel), m_document.m_map, request);
}

void CUmbrantView::AddLegend(MapScene& scene)
{
    scene.frame.timeOffsetHours = m_document.m_options.m_timeOffsetHours;
    if (!m_layers.legend) {
        return;
    }
    m_legend = MakeMapLegend(LegendFactsOf(m_document, m_eclipse.get(), !m_timeModel.IsClassic(), scene.sky->deltaT));
    scene.frame.legend = &m_legend;
}

// The renderer draws the frame at the screen's pixel ratio.
void CUmbrantView::RenderInstant()
{
    MapScene scene = ComposeScene();
    AddLegend(scene);
    m_renderer.SetPixelRatio(devicePixelRatioF());
    m_renderer.Render(m_picture, *m_mapTrace, scene.frame);
}

bool CUmbrantView::DrawShownMap(const std::function<void(const CMapTrace&, const MapFrame&)>& draw)
{
    if (m_trace || !m_mapTrace || width() <= 0 || height() <= 0) {
        return false;
    }
    MapScene scene = ComposeScene();
    AddLegend(scene);
    draw(*m_mapTrace, scene.frame);
    return true;
}
