#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "cli/EclipseOfDate.h"
#include "cli/PathOutput.h"
#include "cli/UniversalTimeText.h"
#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"

#include <iostream>
#include <string>

namespace {

constexpr double kMagnitudeGridDegrees = 0.5;
const std::vector<double> kMagnitudeLevels = {0.2, 0.4, 0.6, 0.8};

int RunPath(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const UniversalCalendarDate date = TakeEclipseDate(options);
    const TimeModel model = TakeEphemerisModel(options);
    const std::string dataDirectory = TakeDataDirectory(options);
    std::string step = "60";
    std::string format = "geojson";
    options.Take("--step", step);
    options.Take("--format", format);
    if (!options.Positionals().empty()) {
        throw UsageError{"unexpected argument " + options.Positionals().front()};
    }
    if (format != "geojson" && format != "kml" && format != "csv") {
        throw UsageError{"unknown format " + format};
    }
    const double stepSeconds = ParseStep(step);

    const Ephemeris ephemeris = Ephemeris::Load(dataDirectory, model);
    const EclipseOfDate eclipse = FindEclipseOfDate(ephemeris, date);
    const EclipsePath path = ComputeEclipsePath(eclipse.elements, stepSeconds);
    if (format == "csv") {
        std::cout << PathCsv(path);
        return 0;
    }
    const std::vector<MagnitudeCurve> magnitudes =
        MagnitudeCurvesOf(ComputeMagnitudeGrid(eclipse.elements, kMagnitudeGridDegrees), kMagnitudeLevels);
    if (format == "kml") {
        std::cout << PathKml(path, magnitudes, "Solar eclipse of " + DateText(date), model);
    } else {
        std::cout << PathGeoJson(path, magnitudes, model);
    }
    return 0;
}

const CommandRegistration kPath("path",
                                "path --date YYYY-MM-DD [--step SECONDS] [--delta-t SECONDS|auto] [--model classic|modern] "
                                "[--format geojson|kml|csv] [--data DIR]   the eclipse's path, limits and curves",
                                RunPath);

} // namespace
