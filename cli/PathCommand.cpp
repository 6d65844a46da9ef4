#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/Options.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "eclipse/uncertainty/UncertainBand.h"
#include "formats/PathOutput.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

constexpr double kDefaultStepSeconds = 60.0;
// Sigmas of Delta T either side of the band: 2 by default (95 %), at most 10.
constexpr double kDefaultSigmas = 2.0;
constexpr double kMostSigmas = 10.0;

struct PathRequest {
    CivilDate date;
    double stepSeconds = kDefaultStepSeconds;
    TimeModelOptions model;
    std::string format;
    DataOption data;
    std::optional<double> sigmas;  // with --uncertainty
};

// Sigmas either side: a number from 0 to 10.
double ParseSigmas(const std::string& text)
{
    double sigmas = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, sigmas);
    if (text.empty() || text.front() == '+' || error != std::errc() || stop != end || !std::isfinite(sigmas)) {
        throw CLI::ValidationError("malformed uncertainty \"" + text + "\" (expected a number of sigmas)");
    }
    if (sigmas < 0.0 || sigmas > kMostSigmas) {
        throw CLI::ValidationError("uncertainty \"" + text + "\" out of range (0 to 10 sigmas)");
    }
    return sigmas;
}

// The band of Delta T's uncertainty, when asked for: the model must state it.
std::optional<UncertainBand> BandOf(const PathRequest& request, const EclipseOfDate& eclipse, const EclipsePath& path)
{
    if (!request.sigmas) {
        return std::nullopt;
    }
    if (!eclipse.summary.deltaTSigma) {
        throw std::runtime_error("--uncertainty needs Delta T's standard error, which only the modern model's own Delta T "
                                 "states (not the classic model's, nor a Delta T given)");
    }
    return ComputeUncertainBand(eclipse.fit.elements, path, *eclipse.summary.deltaTSigma, *request.sigmas);
}

void RunPath(const PathRequest& request)
{
    const TimeModel model = request.model.Model();
    const EclipseOfDate eclipse = FindEclipseOfDate(request.data.ReadDirectory(), model, request.date);
    const FittedElements& elements = eclipse.fit.elements;
    // The curves of equal magnitude are traced beside the path's, so that
    // neither waits for the other's last curve.
    PoolTask<std::vector<MagnitudeCurve>> tracing;
    if (request.format != "csv") {
        tracing = WorkerPool::Shared().Submit(TaskUrgency::Now, [elements] {
            return TraceMagnitudeCurves(elements, ShownMagnitudeLevels());
        });
    }
    EclipsePath path;
    std::optional<UncertainBand> band;
    try {
        path = ComputeEclipsePath(elements, request.stepSeconds);
        band = BandOf(request, eclipse, path);
    } catch (...) {
        // The tracing reads what the process's end destroys (the levels, the
        // pool): it is waited for before an error ends the process.
        if (tracing.Valid()) {
            try {
                tracing.Get();
            } catch (...) {
            }
        }
        throw;
    }
    const UncertainBand* spread = band ? &*band : nullptr;
    if (request.format == "csv") {
        std::cout << PathCsv(path, spread);
        return;
    }
    const std::vector<MagnitudeCurve> magnitudes = tracing.Get();
    if (request.format == "kml") {
        std::cout << PathKml(path, magnitudes, EclipseTitle(eclipse.summary.greatest, eclipse.summary.deltaT), model, spread);
    } else {
        std::cout << PathGeoJson(path, magnitudes, model, spread);
    }
}

void DefinePath(CLI::App& command)
{
    auto request = std::make_shared<PathRequest>();
    AddEclipseDate(command, request->date);
    command
        .add_option_function<std::string>(
            "--step", [request](const std::string& text) { request->stepSeconds = ParseStep(text); },
            "seconds of time between the central line's vertices (default: 60)")
        ->type_name("SECONDS");
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"geojson", "kml", "csv"});
    AddDataOption(command, request->data);
    command
        .add_option_function<std::string>(
            "--uncertainty",
            [request](const std::string& text) { request->sigmas = text.empty() ? kDefaultSigmas : ParseSigmas(text); },
            "add the band where Delta T's uncertainty may put the central phase, K sigmas either side (default: 2), "
            "with the central line and limits for Delta T - K sigma and + K sigma")
        ->type_name("[K]")
        ->expected(0, 1);
    command.callback([request] { RunPath(*request); });
}

const CommandRegistration kPath("path",
                                "the eclipse's path: central line, limits, sunrise and sunset curves, curves of equal "
                                "magnitude, greatest eclipse",
                                DefinePath);

} // namespace
