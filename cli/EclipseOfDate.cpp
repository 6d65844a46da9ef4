#include "cli/EclipseOfDate.h"

#include "core/CalendarText.h"

#include <optional>
#include <stdexcept>

EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date)
{
    std::optional<EclipseSummary> summary;
    try {
        summary = FindEclipseOnUniversalDate(ephemeris, date.year, date.month, date.day);
    } catch (const std::out_of_range&) {
        throw std::runtime_error("Delta T moves the date outside the years -1999 to 3000 that the search covers");
    }
    if (!summary) {
        throw std::runtime_error("no solar eclipse on " + IsoDateText(date) + " (Universal Time of greatest eclipse)");
    }
    return {*summary, FitElements(ephemeris, summary->greatest)};
}
