// The map's costs: a full trace of the global view and of a 20x zoom, the
// layers of the map alone, a picture of the animation over the kept map
// with an eclipse's path, and building the three map files from xygrib-maps.
#include "model/EclipseMap.h"
#include "datafiles/Converters.h"
#include "datafiles/ImageCache.h"
#include "datafiles/MapImport.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/ShorelineImage.h"
#include "eclipse/ElementFitting.h"
#include "map/MapScene.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/search/EclipseSearch.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/EphemerisSeries.h"
#include "map/EclipseOverlay.h"
#include "map/layers/BackgroundLayer.h"
#include "map/layers/CreditLayer.h"
#include "map/layers/GlobeLayer.h"
#include "map/MapColours.h"
#include "map/MapLegend.h"
#include "map/layers/PolylineLayer.h"
#include "map/layers/ShorelineLayer.h"
#include "map/Trace.h"
#include "map/ViewportOperations.h"
#include "map/qt/MapRenderer.h"
#include "map/qt/PainterSurface.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <unistd.h>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr const char* kMapsDirectory = "/usr/share/maps/gshhs";

CEclipseMap GlobalMap()
{
    CEclipseMap map;
    SetGlobalViewport(map.m_viewport, kWidth, kHeight);
    return map;
}

// Twenty times closer on the default centre (western Europe).
CEclipseMap EuropeMap()
{
    CEclipseMap map = GlobalMap();
    ZoomIn(map, {kWidth / 2 - 48, kHeight / 2 - 27}, {kWidth / 2 + 48, kHeight / 2 + 27});
    return map;
}

void TraceMap(benchmark::State& state, CEclipseMap map)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const std::string data = GetDataDirectory();
    try {
        SceneRequest request;
        request.width = kWidth;
        request.height = kHeight;
        request.layers.observer = false;
        for (auto _ : state) {
            QPainter painter(&image);
            CPainterSurface surface(painter);
            const CMapTrace trace(data);
            trace.Draw(surface, ComposeScene(Ephemeris::Load(data), map, request).frame);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_TraceGlobalView(benchmark::State& state)
{
    TraceMap(state, GlobalMap());
}

void BM_TraceEuropeTwentyTimes(benchmark::State& state)
{
    TraceMap(state, EuropeMap());
}

// The map's own layers, without the eclipse computation.
void MapLayers(benchmark::State& state, const CEclipseMap& map)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const std::string data = GetDataDirectory();
    const CViewport& viewport = map.m_viewport;
    const CGeoPosition& centre = map.m_observation.m_centre;
    try {
        for (auto _ : state) {
            const DataImage shorelines = LoadCachedImage(JoinPath(data, "gshhs_i.dat"), ShorelineLayout::kImageSize);
            QPainter painter(&image);
            CPainterSurface surface(painter);
            FillBackground(surface);
            FillGlobeDisk(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
            DrawLimb(surface, viewport.m_originX, viewport.m_originY, viewport.m_scale);
            DrawShorelines(surface, shorelines, viewport, centre);
            DrawPolylines(surface, data, kBorderLayout, kBorderColour, viewport, centre);
            DrawPolylines(surface, data, kRiverLayout, kRiverColour, viewport, centre);
            DrawCredit(surface);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_MapLayersGlobalView(benchmark::State& state)
{
    MapLayers(state, GlobalMap());
}

void BM_MapLayersEuropeTwentyTimes(benchmark::State& state)
{
    MapLayers(state, EuropeMap());
}

// A new instant over the kept base map: the ephemeris, the shadow, the copy
// of the static picture and the dynamic layers, as a time step does it.
void BM_NewInstantOverCachedMap(benchmark::State& state)
{
    CEclipseMap map = GlobalMap();
    const std::string data = GetDataDirectory();
    CMapRenderer renderer;
    QImage picture;
    try {
        const Ephemeris ephemeris = Ephemeris::Load(data);
        const SceneRequest request{kWidth, kHeight, MapLayerChoice(), nullptr};
        renderer.Render(picture, ephemeris, map, data, request);
        int minute = 0;
        for (auto _ : state) {
            map.m_observation.m_minute = minute;
            minute = (minute + 1) % 60;
            renderer.Render(picture, ephemeris, map, data, request);
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    if (renderer.StaticDrawCount() != 1) {
        state.SkipWithError("the base map was drawn again");
    }
}

// The eclipse of 2024 April 8 as the desktop draws it: its path and curves
// of magnitude, with Delta T 69.1 s, and the map centred on it.
struct EclipseScene {
    CEclipseMap map;
    EclipseOverlay overlay;
};

EclipseScene Scene2024(const Ephemeris& ephemeris)
{
    EclipseScene scene{GlobalMap(), {}};
    CObservation& epoch = scene.map.m_observation;
    epoch.m_year = 2024;
    epoch.m_month = 4;
    epoch.m_day = 8;
    epoch.m_hour = 17;
    epoch.m_minute = 0;
    epoch.m_deltaTAuto = false;
    epoch.m_deltaT = 69.1f;
    epoch.m_centre = CGeoPosition(-104.1, 25.3);
    const std::optional<EclipseSummary> eclipse = FindEclipseOnUniversalDate(ephemeris, 2024, 4, 8);
    if (!eclipse) {
        throw std::runtime_error("no eclipse found on 2024-04-08");
    }
    const FittedElements elements = FitElements(ephemeris, eclipse->greatest).elements;
    scene.overlay.path = ComputeEclipsePath(elements);
    scene.overlay.magnitudeCurves = TraceMagnitudeCurves(elements, {0.2, 0.4, 0.6, 0.8});
    return scene;
}

// The title and key the desktop draws over the eclipse of 2024, with every
// layer it shows by default.
MapLegend Legend2024()
{
    MapLegend legend;
    legend.title = {"Eclipse totale de Soleil du 08/04/2024", "Ombre le 08/04/2024 17:00:00 TU, 12:00:00 en heure locale (TU-5)",
                    "Modèle classique, Delta T donné 69,1 s"};
    legend.entries = {{LegendMark::UmbralBand, "Bande de totalité"},
                      {LegendMark::CentralLine, "Ligne centrale, heures en TU-5"},
                      {LegendMark::GreatestEclipse, "Maximum de l'éclipse"},
                      {LegendMark::PenumbralLimit, "Limites de l'éclipse partielle"},
                      {LegendMark::RiseSetContacts, "Début ou fin au lever ou au coucher du Soleil"},
                      {LegendMark::RiseSetMaximum, "Maximum au lever ou au coucher du Soleil"},
                      {LegendMark::MagnitudeCurve, "Courbes d'égale grandeur"},
                      {LegendMark::Shadow, "Ombre et pénombre à l'instant"},
                      {LegendMark::Observer, "Observateur"}};
    return legend;
}

// One picture of the animation: a new instant over the kept base map with
// the path in it, the shadow computed by the chosen model (the document's
// own arithmetic, or the modern ephemeris), the observer, the title and the
// key drawn.
void AnimationFrame(benchmark::State& state, bool modern)
{
    const std::string data = GetDataDirectory();
    try {
        const Ephemeris ephemeris = Ephemeris::Load(data, modern ? ModernModel(69.1) : ClassicModel(69.1));
        EclipseScene scene = Scene2024(ephemeris);
        const CMapTrace trace(data);
        const MapLegend legend = Legend2024();
        CMapRenderer renderer;
        QImage picture;
        int minute = 0;
        for (auto _ : state) {
            CObservation& epoch = scene.map.m_observation;
            epoch.m_hour = 17 + minute / 60;
            epoch.m_minute = minute % 60;
            minute = (minute + 1) % 120;
            epoch.m_longitude = -96.8;
            epoch.m_latitude = 32.8;
            const SceneRequest request{kWidth, kHeight, MapLayerChoice(), &scene.overlay};
            MapScene shown = ComposeScene(ephemeris, scene.map, request);  // the frame points into its sky
            shown.frame.legend = &legend;
            shown.frame.timeOffsetHours = -5.0;
            renderer.Render(picture, trace, shown.frame);
        }
        if (renderer.StaticDrawCount() != 1) {
            state.SkipWithError("the base map was drawn again");
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

void BM_AnimationFrameWithPath(benchmark::State& state)
{
    AnimationFrame(state, false);
}

void BM_AnimationFrameWithPathModernModel(benchmark::State& state)
{
    AnimationFrame(state, true);
}

void BM_ImportAndConvertMaps(benchmark::State& state)
{
    const std::filesystem::path directory =
        std::filesystem::temp_directory_path() / ("umbrant-map-benchmark-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    const std::string data = directory.string() + "/";
    try {
        for (auto _ : state) {
            ImportMaps(kMapsDirectory, data);
            benchmark::DoNotOptimize(ConvertShorelines(data));
            benchmark::DoNotOptimize(ConvertBorders(data));
            benchmark::DoNotOptimize(ConvertRivers(data));
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
    std::filesystem::remove_all(directory);
}

} // namespace

BENCHMARK(BM_TraceGlobalView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TraceEuropeTwentyTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapLayersGlobalView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapLayersEuropeTwentyTimes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAndConvertMaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewInstantOverCachedMap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimationFrameWithPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnimationFrameWithPathModernModel)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // Text needs the application object; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int applicationArgc = 1;
    QGuiApplication application(applicationArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
