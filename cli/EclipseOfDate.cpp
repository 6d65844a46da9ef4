#include "cli/EclipseOfDate.h"

#include "core/CalendarText.h"
#include "core/ProgramBuild.h"
#include "datafiles/FileException.h"
#include "eclipse/stored/StoredEclipses.h"

#include <iostream>
#include <optional>
#include <stdexcept>

namespace {

// What read gives from the eclipses stored in dataDirectory, when they stand
// for this program and model; nothing otherwise, and a note when the file
// is damaged.
template <typename Read>
auto FromStore(const std::string& dataDirectory, const TimeModel& model, Read read) -> decltype(read(std::string(), StoredEclipsesStamp()))
{
    const std::optional<StoredEclipsesStamp> stamp = StampFor(dataDirectory, ProgramBuildId(), model);
    if (!stamp) {
        return std::nullopt;
    }
    try {
        return read(dataDirectory + kStoredEclipsesName, *stamp);
    } catch (const CFileException& error) {
        std::cerr << "umbrant-cli: " << error.what() << "; computing instead\n";
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
    const auto stored = FromStore(dataDirectory, model, [&date](const std::string& path, const StoredEclipsesStamp& stamp) {
        return FindStoredEclipse(path, stamp, date);
    });
    if (stored) {
        return *stored;
    }
    return FindEclipseOfDate(Ephemeris::Load(dataDirectory, model), date);
}

std::optional<std::vector<EclipseSummary>> StoredEclipsesBetween(const std::string& dataDirectory, const TimeModel& model,
                                                                 const CivilDate& from, const CivilDate& to)
{
    return FromStore(dataDirectory, model, [&](const std::string& path, const StoredEclipsesStamp& stamp) {
        return FindStoredEclipses(path, stamp, from, to);
    });
}
