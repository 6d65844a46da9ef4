#pragma once

#include "core/Calendar.h"
#include "datafiles/DataManifest.h"
#include "eclipse/search/EclipseOfDate.h"
#include "ephemeris/TimeModel.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The eclipses of every date, computed once by the set-up and stored beside
// the series, so that a command asking for the eclipse of one date reads it
// instead of loading the series, searching and fitting (some 5 ms of a run
// of 10). The file answers only a program that would compute every bit of
// it alike: the same build, the same time model and the same series.
inline constexpr const char* kStoredEclipsesName = "Eclipses.dat";

// What the stored eclipses depend on.
struct StoredEclipsesStamp {
    std::string program;               // the build ID of the program that computed them
    std::string model;                 // the time model's name, its own Delta T
    std::vector<ManifestEntry> series; // the series images, as their manifest lists them

    // One line per item, as the file holds it.
    std::string Text() const;
};

// The stamp of eclipses computed by the program of build ID program with
// model from the series of dataDirectory (ending with a separator). None
// when nothing stored can stand for them: a Delta T given, a program
// without a build ID, or a manifest that does not list every series image
// or cannot be read (loading the series then says why).
std::optional<StoredEclipsesStamp> StampFor(const std::string& dataDirectory, const std::string& program,
                                            const TimeModel& model);

// The file's content: the years it covers and the stamp, then every eclipse
// of those years in increasing order of date, one fixed-size record each,
// every part with its CRC-32.
std::vector<std::uint8_t> StoredEclipsesImage(const StoredEclipsesStamp& stamp, int firstYear, int lastYear,
                                               std::span<const EclipseOfDate> eclipses);

// The eclipse of a date of Universal Time from the file at path, exactly as
// it was stored. Nothing when the file is missing or not a regular file,
// was stored under another stamp, does not cover the date's year, or has no
// eclipse of that date. A file whose header or record is not what was
// written raises CFileException naming it.
std::optional<EclipseOfDate> FindStoredEclipse(const std::string& path, const StoredEclipsesStamp& stamp,
                                               const CivilDate& date);

// The summaries of every eclipse whose greatest eclipse falls on a date of
// Universal Time from one date to another (both included), in order, as
// FindEclipses gives them over those days. Nothing as for FindStoredEclipse,
// or when the file does not cover both years; the same errors.
std::optional<std::vector<EclipseSummary>> FindStoredEclipses(const std::string& path, const StoredEclipsesStamp& stamp,
                                                              const CivilDate& from, const CivilDate& to);

// Whether the file at path was stored under stamp for those years, every
// record whole.
bool IsStoredUnder(const std::string& path, const StoredEclipsesStamp& stamp, int firstYear, int lastYear);
