#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "cli/EclipseOfDate.h"
#include "cli/LocalOutput.h"
#include "eclipse/local/LocalCircumstances.h"

#include <iostream>
#include <string>

namespace {

int RunLocal(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const UniversalCalendarDate date = TakeEclipseDate(options);
    const TimeModel model = TakeEphemerisModel(options);
    const std::string dataDirectory = TakeDataDirectory(options);
    std::string placeText;
    std::string format = "text";
    if (!options.Take("--place", placeText)) {
        throw UsageError{"--place is required"};
    }
    options.Take("--format", format);
    if (!options.Positionals().empty()) {
        throw UsageError{"unexpected argument " + options.Positionals().front()};
    }
    if (format != "text" && format != "json" && format != "csv") {
        throw UsageError{"unknown format " + format};
    }
    const GeographicPlace place = ParsePlace(placeText);

    const Ephemeris ephemeris = Ephemeris::Load(dataDirectory, model);
    const EclipseOfDate eclipse = FindEclipseOfDate(ephemeris, date);
    const LocalCircumstances seen = LocalCircumstancesAt(eclipse.elements, place);
    std::cout << (format == "json"  ? LocalJson(seen, model)
                  : format == "csv" ? LocalCsv(seen)
                                    : LocalText(seen, place, date, model));
    return 0;
}

const CommandRegistration kLocal("local",
                                 "local --date YYYY-MM-DD --place LON,LAT[,HEIGHT_M] [--delta-t SECONDS|auto] [--model classic|modern] "
                                 "[--format text|json|csv] [--data DIR]   the eclipse seen from one place",
                                 RunLocal);

} // namespace
