#include "cli/CommandRegistry.h"
#include "cli/DrawingModule.h"
#include "cli/FieldRanges.h"
#include "cli/MapEclipse.h"
#include "cli/MapOptions.h"
#include "cli/Options.h"
#include "core/CalendarText.h"
#include "map/PathCentre.h"
#include "map/ViewportOperations.h"
#include "map/layers/PolylineLayer.h"
#include "model/EclipseMap.h"

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kDefaultWidth = 1600;
constexpr int kDefaultHeight = 1000;
constexpr int kLargestSide = 32767;
constexpr const char* kStandardOutput = "-";

struct RenderRequest {
    std::string document;
    std::string output;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    bool timed = false;
    MapDateOption date;
    TimeModelOptions model;
    CentreOption centre;
    std::optional<MapLayerChoice> layers;
    std::optional<std::pair<DevicePoint, DevicePoint>> zoomRectangle;
    DataOption data;
};

// Numbers separated by commas, all of them, nothing else.
bool ParseIntegers(const std::string& text, std::vector<int>& numbers, std::size_t expected)
{
    numbers.clear();
    const char* position = text.data();
    const char* const end = text.data() + text.size();
    while (numbers.size() < expected) {
        int value = 0;
        const auto [next, error] = std::from_chars(position, end, value);
        if (error != std::errc()) {
            return false;
        }
        numbers.push_back(value);
        position = next;
        if (numbers.size() < expected) {
            if (position == end || *position != ',') {
                return false;
            }
            ++position;
        }
    }
    return position == end;
}

std::pair<DevicePoint, DevicePoint> ParseZoomRectangle(const std::string& text)
{
    std::vector<int> corners;
    if (!ParseIntegers(text, corners, 4)) {
        throw CLI::ValidationError("--zoom-in wants X1,Y1,X2,Y2 in pixels, not " + text);
    }
    return std::pair(DevicePoint{corners[0], corners[1]}, DevicePoint{corners[2], corners[3]});
}

void ApplyZoomIn(CEclipseMap& map, const std::pair<DevicePoint, DevicePoint>& rectangle)
{
    if (ZoomIn(map, rectangle.first, rectangle.second) == ZoomResult::Refused) {
        throw std::runtime_error("Zoom+ not possible: the start and end points have the same abscissa or ordinate");
    }
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
void RefuseOutputOntoDocument(const RenderRequest& request)
{
    if (!request.document.empty() && request.output != kStandardOutput && IsSameFile(request.output, request.document)) {
        throw std::runtime_error("-o " + request.output + " is the document " + request.document +
                                 " itself; write the map to another file");
    }
}

// The epoch of greatest eclipse, to the millisecond of Universal Time.
CivilDateTime GreatestEclipseTime(const MapEclipse& eclipse)
{
    return RoundedCivilTime(eclipse.greatest.PlusSeconds(-eclipse.overlay.path.deltaT), 3);
}

// The eclipse the map needs (the date's, or the one around the epoch for
// its path or its centre), and the epoch and centre it sets.
std::optional<MapEclipse> FindMapEclipse(const RenderRequest& request, CEclipseMap& map, const std::string& data)
{
    const bool drawsPath = request.layers && DrawsPath(*request.layers);
    if (!request.date.eclipseDay && !request.centre.automatic && !drawsPath) {
        return std::nullopt;
    }
    const Ephemeris ephemeris = Ephemeris::Load(data, request.model.Model());
    std::optional<MapEclipse> eclipse;
    if (request.date.eclipseDay) {
        eclipse = EclipseOfDay(ephemeris, *request.date.eclipseDay);
        ApplyEpoch(GreatestEclipseTime(*eclipse), request.model, map.m_observation);
    } else {
        eclipse = EclipseAround(ephemeris, InstantOfObservation(ephemeris, map.m_observation));
    }
    if (!eclipse && request.centre.automatic) {
        throw std::runtime_error("--centre auto: no eclipse within a fortnight of the epoch to centre the map on");
    }
    if (!eclipse) {
        std::fprintf(stderr, "umbrant-cli: warning: no eclipse within a fortnight of the epoch; no path is drawn\n");
    }
    return eclipse;
}

// The document's map as the options set it: the epoch, then the viewport
// as the view does when it gets its size, then the centre and the zoom.
CEclipseMap MapOf(const RenderRequest& request, std::optional<MapEclipse>& eclipse, const std::string& data)
{
    CEclipseMap map;
    if (!request.document.empty()) {
        LoadDocument(request.document, map);
    }
    // After the document, so that the options override its epoch.
    ApplyEpoch(request.date.epoch, request.model, map.m_observation);
    eclipse = FindMapEclipse(request, map, data);
    WarnOfEpochOutOfRange(map.m_observation);
    SetGlobalViewport(map.m_viewport, request.width, request.height);
    if (request.centre.given) {
        map.m_observation.m_centre = *request.centre.given;
    } else if (request.centre.automatic) {
        map.m_observation.m_centre = CentreShowingPath(eclipse->overlay.path);
    }
    if (request.zoomRectangle) {
        ApplyZoomIn(map, *request.zoomRectangle);
    }
    return map;
}

// Without --layers, the document's map and its shadow, without an observer
// or a path, as render always drew it.
MapLayerChoice DefaultLayers()
{
    MapLayerChoice layers;
    layers.observer = false;
    return layers;
}

void RunRender(const RenderRequest& request)
{
    RefuseOutputOntoDocument(request);
    MapDrawingRequest drawing;
    drawing.dataDirectory = request.data.ReadDirectory();
    std::optional<MapEclipse> eclipse;
    drawing.map = MapOf(request, eclipse, drawing.dataDirectory);
    drawing.model = request.model.Model();
    drawing.scene.width = request.width;
    drawing.scene.height = request.height;
    drawing.scene.layers = request.layers.value_or(DefaultLayers());
    drawing.scene.eclipse = eclipse && request.layers ? &eclipse->overlay : nullptr;
    drawing.output = request.output;
    drawing.timed = request.timed;
    DrawThroughModule(drawing);
    WarnOfMissingLayers(drawing.dataDirectory);
}

void DefineRender(CLI::App& command)
{
    auto request = std::make_shared<RenderRequest>();
    command.add_option("document", request->document, "the document (default: a new one)")->type_name("FILE.umb");
    command
        .add_option_function<std::string>(
            "-o",
            [request](const std::string& output) {
                if (output.empty()) {
                    throw CLI::ValidationError("-o wants a file name, or - for a PNG on the standard output");
                }
                request->output = output;
            },
            "the picture: PNG, or SVG or PDF by the name's extension; - for a PNG on the standard output")
        ->type_name("OUT.png|OUT.svg|OUT.pdf|-")
        ->required();
    command
        .add_option_function<std::string>(
            "--size",
            [request](const std::string& text) {
                std::tie(request->width, request->height) = ParseMapSize(text, kLargestSide);
            },
            "the picture's size in pixels (default: 1600x1000)")
        ->type_name("WxH");
    command
        .add_option_function<std::string>(
            "--date", [request](const std::string& text) { request->date = ParseMapDate("--date", text, false); },
            "the epoch, Universal Time (default: the document's, or 2006-03-29T08:36 for a new one); a date alone "
            "is the instant of greatest eclipse of that day's eclipse")
        ->type_name("YYYY-MM-DD[THH:MM:SS.ss]");
    AddTimeModelOptions(command, request->model);
    command
        .add_option_function<std::string>(
            "--centre", [request](const std::string& text) { request->centre = ParseCentre(text); },
            "the point the globe is projected about, degrees east and north, or auto for the one that keeps the "
            "eclipse's whole path in view (default: the document's)")
        ->type_name("LON,LAT|auto");
    command
        .add_option_function<std::string>(
            "--zoom-in", [request](const std::string& text) { request->zoomRectangle = ParseZoomRectangle(text); },
            "zoom in on a rectangle of the picture, in pixels")
        ->type_name("X1,Y1,X2,Y2");
    AddLayersOption(command, request->layers, "the shadow alone");
    AddDataOption(command, request->data);
    command.add_flag("--time", request->timed, "print the time the drawing took");
    command.callback([request] { RunRender(*request); });
}

const CommandRegistration kRender("render",
                                  "draw the map into a PNG image, or an SVG or PDF vector file by the name's extension",
                                  DefineRender);

} // namespace
