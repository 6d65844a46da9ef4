#include "cli/EclipseOfDate.h"

#include "cli/ModelOption.h"
#include "cli/UniversalTimeText.h"
#include "eclipse/ElementFitting.h"

#include <memory>
#include <optional>
#include <stdexcept>

TimeModel TakeEphemerisModel(OptionReader& options)
{
    std::optional<double> givenDeltaT;
    std::string deltaT;
    if (options.Take("--delta-t", deltaT) && deltaT != "auto") {
        givenDeltaT = ParseDeltaTSeconds(deltaT);
    }
    return TakeModel(options, givenDeltaT);
}

UniversalCalendarDate TakeEclipseDate(OptionReader& options)
{
    std::string date;
    if (!options.Take("--date", date)) {
        throw UsageError{"--date is required"};
    }
    return ParseUniversalDate(date);
}

EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const UniversalCalendarDate& date)
{
    const std::optional<EclipseSummary> summary = FindEclipseOnUniversalDate(ephemeris, date.year, date.month, date.day);
    if (!summary) {
        throw std::runtime_error("no solar eclipse on " + DateText(date) + " (Universal Time of greatest eclipse)");
    }
    return {*summary, FitElements(ephemeris, summary->greatest).elements};
}
