#include "cli/EclipseOfDate.h"

#include "core/CalendarText.h"
#include "core/ProgramBuild.h"
#include "datafiles/FileException.h"
#include "eclipse/stored/StoredEclipses.h"

#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

std::optional<EclipseOfDate> StoredEclipseOfDate(const std::string& dataDirectory, const TimeModel& model,
                                                 const CivilDate& date)
{
    const std::optional<StoredEclipsesStamp> stamp = StampFor(dataDirectory, ProgramBuildId(), model);
    if (!stamp) {
        return std::nullopt;
    }
    try {
        return FindStoredEclipse(dataDirectory + kStoredEclipsesName, *stamp, date);
    } catch (const CFileException& error) {
        std::cerr << "umbrant-cli: " << error.what() << "; computing the eclipse instead\n";
        return std::nullopt;
    }
}

} // namespace

EclipseOfDate FindEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date)
{
    std::optional<EclipseOfDate> eclipse;
    try {
        eclipse = ComputeEclipseOfDate(ephemeris, date);
    } catch (const std::out_of_range&) {
        throw std::runtime_error("Delta T moves the date outside the years -1999 to 3000 that the search covers");
    }
    if (!eclipse) {
        throw std::runtime_error("no solar eclipse on " + IsoDateText(date) + " (Universal Time of greatest eclipse)");
    }
    return *eclipse;
}

EclipseOfDate FindEclipseOfDate(const std::string& dataDirectory, const TimeModel& model, const CivilDate& date)
{
    if (std::optional<EclipseOfDate> stored = StoredEclipseOfDate(dataDirectory, model, date)) {
        return *stored;
    }
    return FindEclipseOfDate(Ephemeris::Load(dataDirectory, model), date);
}
