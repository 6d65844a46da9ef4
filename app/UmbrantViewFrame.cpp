// The view's map as the desktop draws it: the frame of the document with
// the current eclipse, the chosen layers and the shadow of the chosen
// model, and the redrawing of a new instant over the kept base map.

#include "app/DesktopEphemeris.h"
#include "app/MapLegendText.h"
#include "app/UmbrantDoc.h"
#include "app/UmbrantView.h"
#include "eclipse/EpochShadow.h"
#include "eclipse/ObservationShadow.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/TimeScales.h"
#include "map/EclipseOverlay.h"
#include "map/Trace.h"

#include <QTimer>

#include <optional>

void CUmbrantView::SetEclipse(std::shared_ptr<const EclipseOverlay> eclipse)
{
    m_eclipse = std::move(eclipse);
}

void CUmbrantView::SetLayers(const MapLayerChoice& layers)
{
    m_layers = layers;
}

void CUmbrantView::SetTimeModel(CDesktopSettings::Model model)
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

// The frame and the shadow it points to, which live together.
struct CUmbrantView::InstantScene {
    std::optional<EpochShadow> classicShadow;
    std::optional<ModelShadow> modelShadow;
    MapFrame frame;
};

// The frame of the document's epoch in the widget's own units, with the
// chosen layers, the current eclipse and the shadow of the chosen model.
void CUmbrantView::ComposeScene(InstantScene& scene)
{
    CEclipseMap& map = m_document.m_map;
    const CObservation& epoch = map.m_observation;
    const ShadowOutlines* outlines = nullptr;
    if (m_timeModel == CDesktopSettings::Model::Classic) {
        // The document's own arithmetic, as its maps were always drawn.
        scene.classicShadow = ComputeEpochShadow(*LoadEphemerisSeries(m_dataDirectory), epoch);
        map.m_terms = scene.classicShadow->terms;
        outlines = &scene.classicShadow->outlines;
    }
    // Read once for the frame: the modern shadow and the terminator share it.
    std::optional<Ephemeris> ephemeris;
    if (m_timeModel != CDesktopSettings::Model::Classic || m_layers.terminator) {
        ephemeris = LoadDesktopEphemeris(m_dataDirectory, epoch, m_timeModel);
    }
    if (m_timeModel != CDesktopSettings::Model::Classic) {
        scene.modelShadow = ShadowOfObservation(*ephemeris, epoch);
        ComputeTimeTerms(epoch, map.m_terms);
        outlines = &scene.modelShadow->outlines;
    }
    scene.frame = FrameOf(map, width(), height(), outlines);
    scene.frame.layers = m_layers;
    scene.frame.eclipse = m_eclipse.get();
    if (m_layers.terminator) {
        scene.frame.subsolarPoint = SubsolarPoint(*ephemeris, InstantOfObservation(*ephemeris, epoch));
    }
    if (m_layers.observer) {
        scene.frame.observer = CGeoPosition(epoch.m_longitude, epoch.m_latitude);
    }
}

void CUmbrantView::AddLegend(InstantScene& scene)
{
    scene.frame.timeOffsetHours = m_document.m_options.m_timeOffsetHours;
    if (!m_layers.legend) {
        return;
    }
    m_legend = MakeMapLegend(LegendFactsOf(m_document, m_eclipse.get(), m_timeModel == CDesktopSettings::Model::Modern,
                                           m_document.m_map.m_terms.m_deltaTUsed));
    scene.frame.legend = &m_legend;
}

// The renderer draws the frame at the screen's pixel ratio.
void CUmbrantView::RenderInstant()
{
    InstantScene scene;
    ComposeScene(scene);
    AddLegend(scene);
    m_renderer.SetPixelRatio(devicePixelRatioF());
    m_renderer.Render(m_picture, *m_mapTrace, scene.frame);
}

bool CUmbrantView::DrawShownMap(const std::function<void(const CMapTrace&, const MapFrame&)>& draw)
{
    if (m_trace || !m_mapTrace || width() <= 0 || height() <= 0) {
        return false;
    }
    InstantScene scene;
    ComposeScene(scene);
    AddLegend(scene);
    draw(*m_mapTrace, scene.frame);
    return true;
}
