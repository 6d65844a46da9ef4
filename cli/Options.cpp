#include "cli/Options.h"

#include "core/CalendarText.h"
#include "core/ModernDeltaT.h"
#include "datafiles/ProgramDirectory.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace {

constexpr double kHighestPlaceMetres = 100000.0;  // far above any mountain, below any orbit
constexpr double kLowestPlaceMetres = -12000.0;   // the deepest trench
// A step of a second already puts the vertices some 500 m apart at the
// shadow's slowest; a shorter one only multiplies the points.
constexpr double kShortestStepSeconds = 1.0;
constexpr double kLongestStepSeconds = 3600.0;

// The whole text as one finite number, or nothing.
bool ReadNumber(std::string_view text, double& value)
{
    if (text.empty() || text.front() == '+') {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value);
}

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == separator) {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return fields;
}

std::string YearsText()
{
    return std::to_string(kEarliestYear) + ".." + std::to_string(kLatestYear);
}

std::string DeltaTRangeText()
{
    const std::string largest = std::to_string(static_cast<long>(kLargestDeltaTSeconds));
    return "out of range: -" + largest + " to " + largest + " seconds (one day)";
}

// The calendar's refusals, in the words of the option.
std::string DateRefusal(const std::string& name, const std::string& text, DateTextError error, const char* expected)
{
    switch (error) {
    case DateTextError::GregorianGap:
        return name + " " + text + " is none of the calendar's days: 1582-10-05 to 1582-10-14 were left out at the "
                                   "Gregorian reform";
    case DateTextError::NoSuchDay:
        return name + " " + text + " is no day of the calendar";
    case DateTextError::Malformed:
        break;
    }
    return "malformed " + name + " \"" + text + "\" (expected " + expected + ")";
}

void RequireYear(const std::string& name, int year)
{
    if (year < kEarliestYear || year > kLatestYear) {
        throw CLI::ValidationError(name + ": year " + std::to_string(year) + " outside " + YearsText() +
                                   ", the years where the series and the Delta T models hold");
    }
}

std::string WithSeparator(const std::string& directory)
{
    return directory.back() == '/' ? directory : directory + '/';
}

} // namespace

std::string DataOption::ReadDirectory() const
{
    return given ? WithSeparator(*given) : GetDataDirectory();
}

// A named directory that may not be written gives way to the user's own, as
// the README promises; the user is told where the files go.
std::string ConversionDirectoryInstead(const std::string& named)
{
    const std::string directory = ConversionDirectoryFor(named, CurrentDataDirectoryPlaces());
    if (directory != named) {
        std::fprintf(stderr, "umbrant-cli: %s may not be written; using %s\n", named.c_str(), directory.c_str());
    }
    return directory;
}

std::string DataOption::WriteDirectory() const
{
    const std::string directory = given ? ConversionDirectoryInstead(WithSeparator(*given)) : GetConversionDirectory();
    // A directory that cannot be made is reported by the first file written in it.
    std::error_code ignored;
    std::filesystem::create_directories(directory, ignored);
    return directory;
}

void AddDataOption(CLI::App& command, DataOption& data)
{
    command
        .add_option_function<std::string>(
            "--data",
            [&data](const std::string& directory) {
                // An empty name would become "/", the root: a slip, not a wish.
                if (directory.empty()) {
                    throw CLI::ValidationError("--data wants a directory, not an empty name");
                }
                data.given = directory;
            },
            "the data directory (default: the one beside the program, then share/umbrant, then the user's own)")
        ->type_name("DIR");
}

TimeModel TimeModelOptions::Model() const
{
    return TimeModel(formulas, deltaT ? *deltaT : std::nullopt);
}

void AddTimeModelOptions(CLI::App& command, TimeModelOptions& options)
{
    command
        .add_option_function<std::string>(
            "--model",
            [&options](const std::string& name) {
                const std::optional<TimeModel::Formulas> formulas = TimeModel::FormulasNamed(name);
                if (!formulas) {
                    throw CLI::ValidationError("unknown model \"" + name + "\" (expected classic or modern)");
                }
                options.formulas = *formulas;
            },
            "modern (observed Delta T, the Moon at the modern tidal acceleration, apparent sidereal time; the default) "
            "or classic (the document's own formulas)")
        ->type_name("classic|modern");
    command
        .add_option_function<std::string>(
            "--delta-t", [&options](const std::string& text) { options.deltaT = ParseDeltaT(text); },
            "Delta T = TT - UT in seconds, or auto for the model's own (the default)")
        ->type_name("SECONDS|auto");
}

void AddEclipseDate(CLI::App& command, CivilDate& date, const std::string& name, const std::string& description)
{
    command
        .add_option_function<std::string>(
            name,
            [&date, name](const std::string& text) {
                const ParsedDateTime parsed = ParseIsoDateTime(text);
                if (parsed.error || parsed.hasTime) {
                    throw CLI::ValidationError(DateRefusal(name, text, parsed.error.value_or(DateTextError::Malformed),
                                                           "a date YYYY-MM-DD of the calendar"));
                }
                RequireYear(name, parsed.value.year);
                date = {parsed.value.year, parsed.value.month, parsed.value.day};
            },
            description)
        ->type_name("YYYY-MM-DD")
        ->required();
}

void AddEpochDate(CLI::App& command, std::optional<CivilDateTime>& date)
{
    command
        .add_option_function<std::string>(
            "--date",
            [&date](const std::string& text) {
                const ParsedDateTime parsed = ParseIsoDateTime(text);
                if (parsed.error || !parsed.hasTime) {
                    throw CLI::ValidationError(DateRefusal("--date", text,
                                                           parsed.error.value_or(DateTextError::Malformed),
                                                           "YYYY-MM-DDTHH:MM:SS.ss, Universal Time"));
                }
                RequireYear("--date", parsed.value.year);
                date = parsed.value;
            },
            "the epoch, Universal Time (default: the document's, or 2006-03-29T08:36 for a new one)")
        ->type_name("YYYY-MM-DDTHH:MM:SS.ss");
}

void ApplyEpoch(const std::optional<CivilDateTime>& date, const TimeModelOptions& model, CObservation& observation)
{
    if (date) {
        observation.m_year = date->year;
        observation.m_month = date->month;
        observation.m_day = date->day;
        observation.m_hour = date->hour;
        observation.m_minute = date->minute;
        observation.m_second = static_cast<float>(date->second);
    }
    if (model.deltaT) {
        observation.m_deltaTAuto = !model.deltaT->has_value();
        if (*model.deltaT) {
            observation.m_deltaT = static_cast<float>(**model.deltaT);
        }
    }
}

void AddFormat(CLI::App& command, std::string& format, const std::vector<std::string>& formats)
{
    format = formats.front();
    std::string names;
    for (const std::string& name : formats) {
        names += (names.empty() ? "" : "|") + name;
    }
    command
        .add_option_function<std::string>(
            "--format",
            [&format, formats](const std::string& name) {
                if (std::find(formats.begin(), formats.end(), name) == formats.end()) {
                    throw CLI::ValidationError("unknown format " + name);
                }
                format = name;
            },
            "the output's format (default: " + formats.front() + ")")
        ->type_name(names);
}

void AddPlace(CLI::App& command, GeographicPlace& place)
{
    command
        .add_option_function<std::string>(
            "--place", [&place](const std::string& text) { place = ParsePlace(text); },
            "the observer: longitude and latitude in degrees (east and north positive), height in metres")
        ->type_name("LON,LAT[,HEIGHT_M]")
        ->required();
}

std::optional<double> ParseDeltaT(const std::string& text)
{
    if (text == "auto") {
        return std::nullopt;
    }
    double seconds = 0.0;
    if (!ReadNumber(text, seconds)) {
        throw CLI::ValidationError("malformed Delta T \"" + text + "\" (expected seconds or auto)");
    }
    if (std::abs(seconds) > kLargestDeltaTSeconds) {
        throw CLI::ValidationError("Delta T \"" + text + "\" " + DeltaTRangeText());
    }
    return seconds;
}

double ParseStep(const std::string& text)
{
    double seconds = 0.0;
    if (!ReadNumber(text, seconds)) {
        throw CLI::ValidationError("malformed step \"" + text + "\" (expected seconds)");
    }
    if (!(seconds >= kShortestStepSeconds) || seconds > kLongestStepSeconds) {
        throw CLI::ValidationError("step \"" + text + "\" out of range (1 to 3600 seconds)");
    }
    return seconds;
}

GeographicPlace ParsePlace(const std::string& text)
{
    const std::vector<std::string_view> fields = Split(text, ',');
    GeographicPlace place;
    const bool readable = (fields.size() == 2 || fields.size() == 3) && ReadNumber(fields[0], place.longitude) &&
                          ReadNumber(fields[1], place.latitude) && (fields.size() == 2 || ReadNumber(fields[2], place.height));
    if (!readable) {
        throw CLI::ValidationError("malformed place \"" + text + "\" (expected LON,LAT[,HEIGHT_M] in degrees and metres)");
    }
    if (std::abs(place.latitude) > 90.0) {
        throw CLI::ValidationError("latitude out of range in \"" + text + "\" (-90 to 90 degrees)");
    }
    if (std::abs(place.longitude) > 180.0) {
        throw CLI::ValidationError("longitude out of range in \"" + text + "\" (-180 to 180 degrees, east positive)");
    }
    if (place.height < kLowestPlaceMetres || place.height > kHighestPlaceMetres) {
        throw CLI::ValidationError("height out of range in \"" + text + "\" (-12000 to 100000 metres)");
    }
    return place;
}

std::optional<std::string> EpochOutOfRange(const CObservation& observation)
{
    if (observation.m_year < kEarliestYear || observation.m_year > kLatestYear) {
        return "year " + std::to_string(observation.m_year) + " outside " + YearsText() +
               ", the years where the series and the Delta T models hold";
    }
    if (!std::isfinite(observation.m_second)) {
        return "the seconds of the epoch are not a finite number";
    }
    const double deltaT = observation.m_deltaT;
    if (observation.m_deltaTAuto || std::abs(deltaT) <= kLargestDeltaTSeconds) {
        return std::nullopt;
    }
    if (!std::isfinite(deltaT)) {
        return "the given Delta T is not a finite number";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%g", deltaT);
    return "Delta T " + std::string(text) + " s " + DeltaTRangeText();
}

CivilDateTime DisplayedTime(const CObservation& observation, int decimals)
{
    CivilDateTime shown{observation.m_year, observation.m_month, observation.m_day, observation.m_hour, observation.m_minute,
                        observation.m_second};
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*f", decimals, shown.second);
    // Only a regular time of day carries; a document's odd fields are shown as they are.
    if (std::string_view(printed) != "60" && !std::string_view(printed).starts_with("60.")) {
        return shown;
    }
    if (shown.minute < 0 || shown.minute > 59 || shown.hour < 0 || shown.hour > 23) {
        return shown;
    }
    shown.second = 0.0;
    if (++shown.minute < 60) {
        return shown;
    }
    shown.minute = 0;
    if (++shown.hour < 24) {
        return shown;
    }
    shown.hour = 0;
    const CivilDateTime nextDay = CivilFromJulianDate(JulianDateAtMidnight(shown.year, shown.month, shown.day) + 1.0, 0.0);
    shown.year = nextDay.year;
    shown.month = nextDay.month;
    shown.day = nextDay.day;
    return shown;
}

std::string ModelDescription(const TimeModel& model)
{
    if (model.IsClassic()) {
        return "classic (the document's Delta T formula, ELP 2000-82B as published, Newcomb's mean sidereal time)";
    }
    char text[128];
    std::snprintf(text, sizeof text, "modern (observed Delta T, Moon at %.1f\"/cy^2, apparent sidereal time)",
                  kModernLunarAcceleration);
    return text;
}
