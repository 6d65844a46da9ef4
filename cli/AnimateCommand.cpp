#include "cli/CommandRegistry.h"
#include "cli/DrawingModule.h"
#include "cli/MapEclipse.h"
#include "cli/MapOptions.h"
#include "cli/Options.h"
#include "core/DeltaT.h"
#include "map/PathCentre.h"
#include "map/ViewportOperations.h"
#include "video/VideoEncoder.h"

#include <atomic>
#include <charconv>
#include <cmath>
#include <csignal>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

constexpr int kDefaultWidth = 1280;
constexpr int kDefaultHeight = 720;
constexpr int kLargestSide = 8192;
constexpr double kDefaultStepSeconds = 60.0;
constexpr int kDefaultFramesPerSecond = 30;
constexpr int kMostFramesPerSecond = 120;

struct AnimateRequest {
    std::optional<CivilDate> eclipseDay;
    std::optional<CivilDateTime> from;
    std::optional<CivilDateTime> to;
    double stepSeconds = kDefaultStepSeconds;
    int framesPerSecond = kDefaultFramesPerSecond;
    int width = kDefaultWidth;
    int height = kDefaultHeight;
    TimeModelOptions model;
    std::optional<CentreOption> centre;
    std::optional<MapLayerChoice> layers;
    std::string output;
    DataOption data;
    bool timed = false;
};

// The signal that asked the animation to stop, 0 while none has.
std::atomic<int> g_stopSignal{0};

extern "C" void AskToStop(int signalNumber)
{
    g_stopSignal.store(signalNumber);
}

constexpr int kStoppingSignals[] = {SIGINT, SIGTERM, SIGHUP};

// An interrupt, a termination or a hang-up stops the animation at its next
// picture, so that its temporary file is removed; a signal that was ignored
// (nohup, a background job) stays ignored.
void CatchStoppingSignals()
{
    for (const int signalNumber : kStoppingSignals) {
        struct sigaction previous {};
        ::sigaction(signalNumber, nullptr, &previous);
        if (previous.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = AskToStop;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

// Ends the process by the signal that stopped it, as if it had not been
// caught, so that the shell and a calling script see why.
[[noreturn]] void EndBySignal(int signalNumber)
{
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
    std::_Exit(128 + signalNumber);
}

double ParseStep(const std::string& text)
{
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (text.empty() || text.front() == '+' || error != std::errc() || stop != end || !std::isfinite(seconds) ||
        !(seconds > 0.0)) {
        throw CLI::ValidationError("--step wants seconds of eclipse time above 0, not " + text);
    }
    return seconds;
}

int ParseFramesPerSecond(const std::string& text)
{
    int frames = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, frames);
    if (error != std::errc() || stop != end || frames < 1 || frames > kMostFramesPerSecond) {
        throw CLI::ValidationError("--fps wants pictures a second, 1 to 120, not " + text);
    }
    return frames;
}

std::string ParseOutput(const std::string& path)
{
    if (!VideoFormatOf(path)) {
        throw CLI::ValidationError("-o: no video format for \"" + path + "\" (expected a name ending in .mp4, .webm or .gif)");
    }
    return path;
}

// What the layers are when --layers is not given: the shadow sweeping over
// the path it draws.
constexpr const char* kDefaultLayersText = "shadow,path,limits,penumbra-limits,greatest,labels";

std::string TimesRefusal(AnimationTimesError error)
{
    switch (error) {
    case AnimationTimesError::BadStep:
        return "--step wants seconds of eclipse time above 0";
    case AnimationTimesError::Reversed:
        return "--to comes before --from";
    case AnimationTimesError::TooManyFrames:
        return "the animation would have more than " + std::to_string(kMostAnimationFrames) +
               " pictures: take a longer --step or a shorter span";
    case AnimationTimesError::NoContacts:
        break;
    }
    return "the eclipse has no first or last contact to animate between";
}

AnimationTimes TimesOf(const AnimateRequest& request, const std::optional<MapEclipse>& eclipse)
{
    if (request.from) {
        const Instant from = UniversalInstantOf(*request.from);
        const Instant to = UniversalInstantOf(*request.to);
        if (const std::optional<AnimationTimesError> error = CheckAnimationSpan(from, to, request.stepSeconds)) {
            throw std::runtime_error(TimesRefusal(*error));
        }
        return AnimationSpan(from, to, request.stepSeconds);
    }
    if (const std::optional<AnimationTimesError> error = CheckEclipseSpan(eclipse->overlay.path, request.stepSeconds)) {
        throw std::runtime_error(TimesRefusal(*error));
    }
    return EclipseSpan(eclipse->overlay.path, request.stepSeconds);
}

// The eclipse of --date, or the one around the middle of --from and --to.
std::optional<MapEclipse> FindEclipse(const AnimateRequest& request, const Ephemeris& ephemeris)
{
    if (request.eclipseDay) {
        return EclipseOfDay(ephemeris, *request.eclipseDay);
    }
    const Instant from = InstantFromUniversal(*request.from, ephemeris.DeltaT());
    const Instant to = InstantFromUniversal(*request.to, ephemeris.DeltaT());
    return EclipseAround(ephemeris, from.PlusSeconds(to.SecondsSince(from) / 2.0));
}

// The map of a new document, its viewport the whole globe for the size, its
// centre given, or (by default) the one that keeps the path in view.
CEclipseMap MapOf(const AnimateRequest& request, const std::optional<MapEclipse>& eclipse)
{
    CEclipseMap map;
    ApplyEpoch(std::nullopt, request.model, map.m_observation);
    SetGlobalViewport(map.m_viewport, request.width, request.height);
    const CentreOption centre = request.centre.value_or(CentreOption{std::nullopt, true});
    if (centre.given) {
        map.m_observation.m_centre = *centre.given;
    } else if (eclipse) {
        map.m_observation.m_centre = CentreShowingPath(eclipse->overlay.path);
    } else if (request.centre) {
        throw std::runtime_error("--centre auto: no eclipse within a fortnight of the span to centre the map on");
    }
    return map;
}

void CheckRequest(const AnimateRequest& request)
{
    if (request.eclipseDay && request.from) {
        throw std::runtime_error("animate takes --date or --from and --to, not both");
    }
    if (!request.eclipseDay && !(request.from && request.to)) {
        throw std::runtime_error("animate wants --date, or --from and --to");
    }
    if (const std::optional<std::string> refusal =
            VideoSizeRefusal(*VideoFormatOf(request.output), request.width, request.height)) {
        throw std::runtime_error("--size: " + *refusal);
    }
}

void RunAnimate(const AnimateRequest& request)
{
    CheckRequest(request);
    AnimationDrawingRequest drawing;
    AnimationRequest& animation = drawing.animation;
    animation.dataDirectory = request.data.ReadDirectory();
    animation.model = request.model.Model();
    const Ephemeris ephemeris = Ephemeris::Load(animation.dataDirectory, animation.model);
    const std::optional<MapEclipse> eclipse = FindEclipse(request, ephemeris);
    animation.times = TimesOf(request, eclipse);
    animation.map = MapOf(request, eclipse);
    animation.framesPerSecond = request.framesPerSecond;
    animation.scene.width = request.width;
    animation.scene.height = request.height;
    animation.scene.layers = request.layers.value_or(ParseLayers(kDefaultLayersText));
    animation.scene.eclipse = eclipse ? &eclipse->overlay : nullptr;
    drawing.output = request.output;
    drawing.timed = request.timed;
    drawing.stop = &g_stopSignal;
    CatchStoppingSignals();
    if (!AnimateThroughModule(drawing)) {
        EndBySignal(g_stopSignal.load());
    }
}

void AddSpanOptions(CLI::App& command, const std::shared_ptr<AnimateRequest>& request)
{
    command
        .add_option_function<std::string>(
            "--date",
            [request](const std::string& text) { request->eclipseDay = ParseMapDate("--date", text, false).eclipseDay; },
            "the date of greatest eclipse, Universal Time: the animation runs from its first to its last contact")
        ->type_name("YYYY-MM-DD");
    command
        .add_option_function<std::string>(
            "--from", [request](const std::string& text) { request->from = ParseMapDate("--from", text, true).epoch; },
            "the first picture's instant, Universal Time (with --to, instead of --date)")
        ->type_name("YYYY-MM-DDTHH:MM[:SS]");
    command
        .add_option_function<std::string>(
            "--to", [request](const std::string& text) { request->to = ParseMapDate("--to", text, true).epoch; },
            "the last picture's instant, Universal Time")
        ->type_name("YYYY-MM-DDTHH:MM[:SS]");
    command
        .add_option_function<std::string>(
            "--step", [request](const std::string& text) { request->stepSeconds = ParseStep(text); },
            "seconds of eclipse time from one picture to the next (default: 60)")
        ->type_name("SECONDS");
    command
        .add_option_function<std::string>(
            "--fps", [request](const std::string& text) { request->framesPerSecond = ParseFramesPerSecond(text); },
            "pictures a second of video (default: 30)")
        ->type_name("N");
}

void DefineAnimate(CLI::App& command)
{
    auto request = std::make_shared<AnimateRequest>();
    command
        .add_option_function<std::string>(
            "-o", [request](const std::string& output) { request->output = ParseOutput(output); },
            "the video: H.264 in MP4, VP9 in WebM or an animated GIF, by the name's extension")
        ->type_name("OUT.mp4|OUT.webm|OUT.gif")
        ->required();
    AddSpanOptions(command, request);
    command
        .add_option_function<std::string>(
            "--size",
            [request](const std::string& text) {
                std::tie(request->width, request->height) = ParseMapSize(text, kLargestSide);
            },
            "the pictures' size in pixels, each side at most 8192 (default: 1280x720)")
        ->type_name("WxH");
    AddTimeModelOptions(command, request->model);
    command
        .add_option_function<std::string>(
            "--centre", [request](const std::string& text) { request->centre = ParseCentre(text); },
            "the point the globe is projected about, degrees east and north, or auto for the one that keeps the "
            "eclipse's whole path in view (the default)")
        ->type_name("LON,LAT|auto");
    AddLayersOption(command, request->layers, kDefaultLayersText);
    AddDataOption(command, request->data);
    command.add_flag("--time", request->timed, "print the time the animation took");
    command.callback([request] { RunAnimate(*request); });
}

const CommandRegistration kAnimate("animate",
                                   "the shadow in motion: a video (MP4, WebM) or an animated GIF of an eclipse",
                                   DefineAnimate);

} // namespace
