#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/Options.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"
#include "formats/PathOutput.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr double kMagnitudeGridDegrees = 0.5;
const std::vector<double> kMagnitudeLevels = {0.2, 0.4, 0.6, 0.8};
constexpr double kDefaultStepSeconds = 60.0;

struct PathRequest {
    CivilDate date;
    double stepSeconds = kDefaultStepSeconds;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

void RunPath(const PathRequest& request)
{
    const TimeModel model = request.model.Model();
    const Ephemeris ephemeris = Ephemeris::Load(request.data.ReadDirectory(), model);
    const EclipseOfDate eclipse = FindEclipseOfDate(ephemeris, request.date);
    const FittedElements& elements = eclipse.fit.elements;
    const EclipsePath path = ComputeEclipsePath(elements, request.stepSeconds);
    if (request.format == "csv") {
        std::cout << PathCsv(path);
        return;
    }
    const std::vector<MagnitudeCurve> magnitudes =
        MagnitudeCurvesOf(ComputeMagnitudeGrid(elements, kMagnitudeGridDegrees), kMagnitudeLevels);
    if (request.format == "kml") {
        std::cout << PathKml(path, magnitudes, EclipseTitle(eclipse.summary.greatest, eclipse.summary.deltaT), model);
    } else {
        std::cout << PathGeoJson(path, magnitudes, model);
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
    command.callback([request] { RunPath(*request); });
}

const CommandRegistration kPath("path",
                                "the eclipse's path: central line, limits, sunrise and sunset curves, curves of equal "
                                "magnitude, greatest eclipse",
                                DefinePath);

} // namespace
