#include "model/EclipseMap.h"
#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "cli/EpochOption.h"
#include "cli/FieldRanges.h"
#include "cli/ModelOption.h"
#include "cli/OutputCheck.h"
#include "datafiles/FileIo.h"
#include "map/Trace.h"
#include "map/layers/PolylineLayer.h"
#include "map/ViewportOperations.h"
#include "map/qt/FontWarmUp.h"
#include "map/qt/MapImage.h"
#include "map/qt/VectorMap.h"
#include "eclipse/EpochShadow.h"
#include "ephemeris/EphemerisSeries.h"

#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kDefaultHeight = 1000;
constexpr int kLargestSide = 32767;
constexpr const char* kStandardOutput = "-";

// Numbers separated by one character, all of them, nothing else.
template <typename Number>
bool ParseList(const std::string& text, char separator, std::vector<Number>& numbers, std::size_t expected)
{
    numbers.clear();
    const char* position = text.data();
    const char* const end = text.data() + text.size();
    while (numbers.size() < expected) {
        Number value{};
        const auto [next, error] = std::from_chars(position, end, value);
        if (error != std::errc()) {
            return false;
        }
        numbers.push_back(value);
        position = next;
        if (numbers.size() < expected) {
            if (position == end || *position != separator) {
                return false;
            }
            ++position;
        }
    }
    return position == end;
}

void TakeSize(OptionReader& options, int& width, int& height)
{
    std::string text;
    if (!options.Take("--size", text)) {
        return;
    }
    std::vector<int> size;
    if (!ParseList(text, 'x', size, 2) || size[0] < 1 || size[1] < 1 || size[0] > kLargestSide || size[1] > kLargestSide) {
        throw UsageError{"--size wants WIDTHxHEIGHT in pixels, 1 to 32767 each, not " + text};
    }
    width = size[0];
    height = size[1];
}

std::optional<CGeoPosition> TakeCentre(OptionReader& options)
{
    std::string text;
    if (!options.Take("--centre", text)) {
        return std::nullopt;
    }
    std::vector<double> position;
    if (!ParseList(text, ',', position, 2) || !std::isfinite(position[0]) || !std::isfinite(position[1])) {
        throw UsageError{"--centre wants LONGITUDE,LATITUDE in degrees, not " + text};
    }
    return CGeoPosition(position[0], position[1]);
}

// A centre from the command line is refused where a document's is only
// warned of: the user can give another.
void RefuseCentreOutOfRange(const CGeoPosition& centre)
{
    CObservation observation;
    observation.m_centre = centre;
    const std::vector<std::string> notes = FieldRangeNotes(observation);
    if (!notes.empty()) {
        throw std::invalid_argument("--centre: " + notes.front() + " degrees");
    }
}

std::optional<std::pair<DevicePoint, DevicePoint>> TakeZoomRectangle(OptionReader& options)
{
    std::string text;
    if (!options.Take("--zoom-in", text)) {
        return std::nullopt;
    }
    std::vector<int> corners;
    if (!ParseList(text, ',', corners, 4)) {
        throw UsageError{"--zoom-in wants X1,Y1,X2,Y2 in pixels, not " + text};
    }
    return std::pair(DevicePoint{corners[0], corners[1]}, DevicePoint{corners[2], corners[3]});
}

// --date and --delta-t, set aside until the document is read.
OptionReader TakeEpochOptions(OptionReader& options)
{
    CommandArguments epochArguments;
    for (const char* name : {"--date", "--delta-t"}) {
        std::string value;
        if (options.Take(name, value)) {
            epochArguments.insert(epochArguments.end(), {name, value});
        }
    }
    return OptionReader(epochArguments);
}

void ApplyZoomIn(CEclipseMap& map, const std::pair<DevicePoint, DevicePoint>& rectangle)
{
    if (ZoomIn(map, rectangle.first, rectangle.second) == ZoomResult::Refused) {
        throw std::runtime_error("Zoom+ not possible: the start and end points have the same abscissa or ordinate");
    }
}

// Qt's notes about its platform (no runtime directory, and the like) are no
// concern of the map; only its errors are shown.
void ShowOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "umbrant-cli: %s\n", qPrintable(message));
    }
}

// Text needs the application object; without a display it draws off screen.
std::unique_ptr<QGuiApplication> StartGuiApplication()
{
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    qInstallMessageHandler(ShowOnlyQtErrors);
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "umbrant-cli";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    // The platform plugin is loaded by now. The PNG writer is Qt's own; the
    // image plugins it would otherwise open first (GIF, ICO, JPEG, SVG and
    // their libraries) take longer than encoding the map.
    QCoreApplication::setLibraryPaths({});
    return application;
}

// The frame of the document's map with the shadow of the model, and the
// shadow it points to.
struct ModelScene {
    std::optional<EpochShadow> classic;
    std::optional<ModelShadow> modern;
    MapFrame frame;
};

void ComposeScene(ModelScene& scene, CEclipseMap& map, const std::string& dataDirectory, int width, int height,
                  ModelChoice model)
{
    const ShadowOutlines* outlines = nullptr;
    if (model == ModelChoice::Classic) {
        scene.classic = ComputeEpochShadow(*LoadEphemerisSeries(dataDirectory), map.m_observation);
        map.m_terms = scene.classic->terms;
        outlines = &scene.classic->outlines;
    } else {
        const Ephemeris ephemeris = Ephemeris::Load(dataDirectory, EphemerisModelFor(model, map.m_observation));
        scene.modern = ShadowOfObservation(ephemeris, map.m_observation);
        outlines = &scene.modern->outlines;
    }
    scene.frame = FrameOf(map, width, height, outlines);
}

// The map with the shadow that the model computes (the classic model keeps
// the document's own trace).
QImage RenderWithModel(CEclipseMap& map, const std::string& dataDirectory, int width, int height, ModelChoice model)
{
    if (model == ModelChoice::Classic) {
        return RenderMapImage(map, dataDirectory, width, height);
    }
    const CMapTrace trace(dataDirectory);
    ModelScene scene;
    ComposeScene(scene, map, dataDirectory, width, height, model);
    return DrawMapImage(trace, scene.frame);
}

// The whole map as a vector file: the trace's layers with the shadow of
// the model.
QByteArray DrawVectorMap(CEclipseMap& map, const std::string& dataDirectory, int width, int height, ModelChoice model,
                         MapFileFormat format)
{
    const CMapTrace trace(dataDirectory);
    ModelScene scene;
    ComposeScene(scene, map, dataDirectory, width, height, model);
    const QString title = QStringLiteral("Umbrant");
    const QByteArray bytes =
        format == MapFileFormat::Svg ? DrawSvgMap(trace, scene.frame, title) : DrawPdfMap(trace, scene.frame, title);
    if (bytes.isEmpty()) {
        throw std::runtime_error(format == MapFileFormat::Svg ? "cannot draw the map as SVG" : "cannot draw the map as PDF");
    }
    return bytes;
}

void SaveBytes(const QByteArray& bytes, const std::string& path)
{
    const std::span data(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
    if (path == kStandardOutput) {
        std::fwrite(data.data(), 1, data.size(), stdout);
        FinishOutput(stdout);
    } else {
        WriteFileAtomically(path, data);
    }
}

// "-" is the standard output, as for most tools.
void SavePng(const QImage& image, const std::string& path)
{
    const QByteArray png = EncodePng(image);
    if (png.isEmpty()) {
        throw std::runtime_error("cannot encode the map as PNG");
    }
    SaveBytes(png, path);
}

// Whether writing path writes the standard output ("-", /dev/stdout, or the
// file the output is redirected to), which then holds the picture alone.
bool IsStandardOutput(const std::string& path)
{
    struct stat output {};
    struct stat target {};
    return path == kStandardOutput || (::fstat(STDOUT_FILENO, &output) == 0 && ::stat(path.c_str(), &target) == 0 &&
                                       output.st_dev == target.st_dev && output.st_ino == target.st_ino);
}

// A document may hold an epoch where the theories say nothing sound; the map
// is drawn as the desktop draws it, and the reader is told.
void WarnOfEpochOutOfRange(const CObservation& observation)
{
    if (const std::optional<std::string> outside = EpochOutOfRange(observation)) {
        std::fprintf(stderr, "umbrant-cli: warning: %s; the shadow drawn means nothing\n", outside->c_str());
    }
    for (const std::string& note : FieldRangeNotes(observation)) {
        std::fprintf(stderr, "umbrant-cli: warning: %s; the map is drawn as the document says\n", note.c_str());
    }
}

// The borders and rivers are optional layers: a map drawn without them says
// so once it is written.
void WarnOfMissingLayers(const std::string& dataDirectory)
{
    for (const std::string& path : MissingLineImages(dataDirectory)) {
        std::fprintf(stderr, "umbrant-cli: warning: %s is missing; the map is drawn without it\n", path.c_str());
    }
}

bool IsSameFile(const std::string& first, const std::string& second)
{
    struct stat a {};
    struct stat b {};
    return ::stat(first.c_str(), &a) == 0 && ::stat(second.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Writing the picture over the document it is drawn from would lose the
// document, under its own name or any other that leads to it.
void RefuseOutputOntoDocument(const std::string& output, const std::vector<std::string>& documents)
{
    if (!documents.empty() && output != kStandardOutput && IsSameFile(output, documents.front())) {
        throw std::invalid_argument("-o " + output + " is the document " + documents.front() +
                                    " itself; write the map to another file");
    }
}

int RunRender(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const std::string dataDirectory = TakeDataDirectory(options);
    std::string output;
    if (!options.Take("-o", output) || output.empty()) {
        throw UsageError{"-o OUT.png|OUT.svg|OUT.pdf is required (- for a PNG on the standard output)"};
    }
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    TakeSize(options, width, height);
    const bool timed = options.TakeFlag("--time");
    const ModelChoice model = TakeModel(options);
    const std::optional<CGeoPosition> centre = TakeCentre(options);
    const std::optional<std::pair<DevicePoint, DevicePoint>> zoomRectangle = TakeZoomRectangle(options);
    OptionReader epochOptions = TakeEpochOptions(options);
    const std::vector<std::string> files = options.Positionals();
    if (files.size() > 1) {
        throw UsageError{"at most one document"};
    }
    if (centre) {
        RefuseCentreOutOfRange(*centre);
    }
    RefuseOutputOntoDocument(output, files);
    CEclipseMap map;
    if (!files.empty()) {
        LoadDocument(files.front(), map);
    }
    // After the document, so that the options override its epoch.
    TakeEpoch(epochOptions, map.m_observation);
    // As the view does when it gets its size, then the options.
    SetGlobalViewport(map.m_viewport, width, height);
    if (centre) {
        map.m_observation.m_centre.m_longitude = centre->m_longitude;
        map.m_observation.m_centre.m_latitude = centre->m_latitude;
    }
    WarnOfEpochOutOfRange(map.m_observation);
    if (zoomRectangle) {
        ApplyZoomIn(map, *zoomRectangle);
    }

    const std::unique_ptr<QGuiApplication> application = StartGuiApplication();
    const CFontWarmUp fonts;
    // Any other name than .svg or .pdf gets a PNG, as it always did (devices, pipes).
    const MapFileFormat format = MapFileFormatOf(output).value_or(MapFileFormat::Png);
    const auto start = std::chrono::steady_clock::now();
    QImage image;
    QByteArray vector;
    if (format == MapFileFormat::Png) {
        image = RenderWithModel(map, dataDirectory, width, height, model);
    } else {
        vector = DrawVectorMap(map, dataDirectory, width, height, model, format);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    // Beside a picture on the standard output, the notes go to standard error.
    const bool toStandardOutput = IsStandardOutput(output);
    if (format == MapFileFormat::Png) {
        SavePng(image, output);
    } else {
        SaveBytes(vector, output);
    }
    WarnOfMissingLayers(dataDirectory);
    std::FILE* notes = toStandardOutput ? stderr : stdout;
    if (timed) {
        std::fprintf(notes, "Trace: %.1f ms\n", elapsed.count());
    }
    if (!toStandardOutput) {
        std::printf("Map %dx%d written to %s\n", width, height, output.c_str());
    }
    return 0;
}

const CommandRegistration kRender(
    "render",
    "render [FILE.umb] -o OUT.png|OUT.svg|OUT.pdf|- [--size WxH] [--date YYYY-MM-DDTHH:MM:SS.ss] [--delta-t SECONDS|auto] "
    "[--model classic|modern] "
    "[--centre LON,LAT] [--zoom-in X1,Y1,X2,Y2] [--data DIR] [--time]   "
    "draw the map into a PNG image, or an SVG or PDF vector file by the name's extension",
    RunRender);

} // namespace
