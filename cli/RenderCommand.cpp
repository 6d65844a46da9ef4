#include "cli/CommandRegistry.h"
#include "cli/DrawingModule.h"
#include "cli/FieldRanges.h"
#include "cli/Options.h"
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
    std::optional<CivilDateTime> date;
    TimeModelOptions model;
    std::optional<CGeoPosition> centre;
    std::optional<std::pair<DevicePoint, DevicePoint>> zoomRectangle;
    DataOption data;
};

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

void ParseSize(const std::string& text, RenderRequest& request)
{
    std::vector<int> size;
    if (!ParseList(text, 'x', size, 2) || size[0] < 1 || size[1] < 1 || size[0] > kLargestSide || size[1] > kLargestSide) {
        throw CLI::ValidationError("--size wants WIDTHxHEIGHT in pixels, 1 to 32767 each, not " + text);
    }
    request.width = size[0];
    request.height = size[1];
}

CGeoPosition ParseCentre(const std::string& text)
{
    std::vector<double> position;
    if (!ParseList(text, ',', position, 2) || !std::isfinite(position[0]) || !std::isfinite(position[1])) {
        throw CLI::ValidationError("--centre wants LONGITUDE,LATITUDE in degrees, not " + text);
    }
    // A centre from the command line is refused where a document's is only
    // warned of: the user can give another.
    CObservation observation;
    observation.m_centre = CGeoPosition(position[0], position[1]);
    if (const std::vector<std::string> notes = FieldRangeNotes(observation); !notes.empty()) {
        throw CLI::ValidationError("--centre: " + notes.front() + " degrees");
    }
    return observation.m_centre;
}

std::pair<DevicePoint, DevicePoint> ParseZoomRectangle(const std::string& text)
{
    std::vector<int> corners;
    if (!ParseList(text, ',', corners, 4)) {
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

// The document's map as the options set it: the epoch, then the viewport
// as the view does when it gets its size, then the centre and the zoom.
CEclipseMap MapOf(const RenderRequest& request)
{
    CEclipseMap map;
    if (!request.document.empty()) {
        LoadDocument(request.document, map);
    }
    // After the document, so that the options override its epoch.
    ApplyEpoch(request.date, request.model, map.m_observation);
    WarnOfEpochOutOfRange(map.m_observation);
    SetGlobalViewport(map.m_viewport, request.width, request.height);
    if (request.centre) {
        map.m_observation.m_centre = *request.centre;
    }
    if (request.zoomRectangle) {
        ApplyZoomIn(map, *request.zoomRectangle);
    }
    return map;
}

void RunRender(const RenderRequest& request)
{
    RefuseOutputOntoDocument(request);
    MapDrawingRequest drawing;
    drawing.map = MapOf(request);
    drawing.dataDirectory = request.data.ReadDirectory();
    drawing.model = request.model.Model();
    // The document's map and its shadow, without an observer or a path.
    drawing.scene.width = request.width;
    drawing.scene.height = request.height;
    drawing.scene.layers.observer = false;
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
            "--size", [request](const std::string& text) { ParseSize(text, *request); },
            "the picture's size in pixels (default: 1600x1000)")
        ->type_name("WxH");
    AddEpochDate(command, request->date);
    AddTimeModelOptions(command, request->model);
    command
        .add_option_function<std::string>(
            "--centre", [request](const std::string& text) { request->centre = ParseCentre(text); },
            "the point the globe is projected about, degrees east and north (default: the document's)")
        ->type_name("LON,LAT");
    command
        .add_option_function<std::string>(
            "--zoom-in", [request](const std::string& text) { request->zoomRectangle = ParseZoomRectangle(text); },
            "zoom in on a rectangle of the picture, in pixels")
        ->type_name("X1,Y1,X2,Y2");
    AddDataOption(command, request->data);
    command.add_flag("--time", request->timed, "print the time the drawing took");
    command.callback([request] { RunRender(*request); });
}

const CommandRegistration kRender("render",
                                  "draw the map into a PNG image, or an SVG or PDF vector file by the name's extension",
                                  DefineRender);

} // namespace
