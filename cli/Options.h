#pragma once

#include "cli/CommandRegistry.h"
#include "core/Calendar.h"
#include "eclipse/plane/GeographicPlace.h"
#include "ephemeris/TimeModel.h"
#include "model/Observation.h"

#include <optional>
#include <string>
#include <vector>

// The options the commands share, each read and checked by the parser: a
// malformed or out-of-range value is one line naming the option and what it
// wants. Numbers use the "C" notation whatever the locale.

// The years a command computes: those of the Five Millennium Canon of solar
// eclipses, over which its Delta T polynomials run (Espenak & Meeus 2006);
// VSOP87 keeps the Earth within 1" over 4000 years either side of J2000, and
// ELP 2000-82B's Moon drifts from the observed one by the Delta T error
// rather than by its series within these years.
inline constexpr int kEarliestYear = -1999;
inline constexpr int kLatestYear = 3000;
// The largest Delta T a command takes, seconds: one day. The models give at
// most about 13 hours within the years (Espenak & Meeus, at -1999), the
// document's classic formula about 11; a Delta T beyond a day moves the
// instant to another date than the one given.
inline constexpr double kLargestDeltaTSeconds = 86400.0;

// --data DIR: the data directory to read, or to write the converters' files in.
struct DataOption {
    std::optional<std::string> given;
    // The directory given (a separator appended), or the one the programs
    // read (GetDataDirectory).
    std::string ReadDirectory() const;
    // The directory given when it may be written, otherwise the data
    // directory if it may be written; the user's own (GetConversionDirectory,
    // ConversionDirectoryFor) if not, with a note on standard error when the
    // directory given gives way. Created when missing.
    std::string WriteDirectory() const;
};
void AddDataOption(CLI::App& command, DataOption& data);

// --model classic|modern (modern by default) and --delta-t SECONDS|auto.
struct TimeModelOptions {
    TimeModel::Formulas formulas = TimeModel::Formulas::Modern;
    // Absent; "auto" (an empty value); or the seconds given.
    std::optional<std::optional<double>> deltaT;

    // The model with the Delta T given, if any.
    TimeModel Model() const;
};
void AddTimeModelOptions(CLI::App& command, TimeModelOptions& options);

// --date YYYY-MM-DD, required: a date of the calendar within the years
// -1999 to 3000.
void AddEclipseDate(CLI::App& command, CivilDate& date, const std::string& name = "--date",
                    const std::string& description = "the date of greatest eclipse, Universal Time");

// --date YYYY-MM-DDTHH:MM[:SS[.ss]][Z] of Universal Time, optional: the epoch
// of a document, within the years -1999 to 3000.
void AddEpochDate(CLI::App& command, std::optional<CivilDateTime>& date);

// The epoch's date and time, and its Delta T when --delta-t was given.
void ApplyEpoch(const std::optional<CivilDateTime>& date, const TimeModelOptions& model, CObservation& observation);

// --format NAME, one of formats, the first by default.
void AddFormat(CLI::App& command, std::string& format, const std::vector<std::string>& formats);

// --place LON,LAT[,HEIGHT_M], required: degrees east and north, metres above
// the ellipsoid.
void AddPlace(CLI::App& command, GeographicPlace& place);

// The checks of the options' values, for the commands that read a value
// themselves. Each raises CLI::ValidationError with one line naming the
// value.
std::optional<double> ParseDeltaT(const std::string& text);  // none: "auto"
double ParseStep(const std::string& text);                   // seconds between a path's vertices
GeographicPlace ParsePlace(const std::string& text);

// Nothing when the observation's year and given Delta T lie within the
// ranges above; otherwise one line saying which value lies outside which
// range (a document may hold anything).
std::optional<std::string> EpochOutOfRange(const CObservation& observation);

// The observation's date and time as printed with the given decimals of a
// second: seconds that would print as 60 carry into the minute, the hour and
// the date (23:59:59.9999999 shows as 00:00:00.00 of the next day).
CivilDateTime DisplayedTime(const CObservation& observation, int decimals);

// The model's name with what it stands for, for the text outputs:
// "modern (observed Delta T, Moon at -25.8"/cy^2, apparent sidereal time)".
std::string ModelDescription(const TimeModel& model);
