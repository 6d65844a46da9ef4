#include "cli/EclipseOptions.h"

#include "cli/DataOption.h"
#include "cli/EpochOption.h"
#include "core/Calendar.h"
#include "core/CalendarText.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/search/EclipseSearch.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

std::string DateText(const CivilDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d", date.year < 0 ? "-" : "", std::abs(date.year), date.month, date.day);
    return text;
}

namespace {

std::string TakeFormat(OptionReader& options, std::initializer_list<const char*> formats)
{
    std::string format = "text";
    options.Take("--format", format);
    for (const char* known : formats) {
        if (format == known) {
            return format;
        }
    }
    throw UsageError{"unknown format " + format};
}

std::optional<double> TakeDeltaT(OptionReader& options)
{
    std::string value;
    return options.Take("--delta-t", value) ? ParseDeltaT(value) : std::nullopt;
}

CivilDate TakeDate(OptionReader& options, const std::string& option)
{
    std::string value;
    if (!options.Take(option, value)) {
        throw UsageError{option + " is required"};
    }
    return ParseCivilDate(option, value);
}

void ExpectNoPositionals(const OptionReader& options)
{
    if (!options.Positionals().empty()) {
        throw UsageError{"unexpected argument " + options.Positionals().front()};
    }
}

} // namespace

CivilDate ParseCivilDate(const std::string& option, const std::string& text)
{
    const ParsedDateTime parsed = ParseIsoDateTime(text);
    if (parsed.error || parsed.hasTime) {
        throw UsageError{"malformed " + option + " \"" + text + "\" (expected a date YYYY-MM-DD of the calendar)"};
    }
    return {parsed.value.year, parsed.value.month, parsed.value.day};
}

void CheckSearchYears(const CivilDate& date)
{
    if (date.year < kFirstSearchYear || date.year > kLastSearchYear) {
        throw CommandFailure("date " + DateText(date) + " outside the years -1999 to 3000 that the search covers");
    }
}

EclipsesRequest ParseEclipsesArguments(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    EclipsesRequest request;
    request.from = TakeDate(options, "--from");
    request.to = TakeDate(options, "--to");
    request.model = TakeModel(options, TakeDeltaT(options));
    request.format = TakeFormat(options, {"text", "csv", "json"});
    request.dataDirectory = TakeDataDirectory(options);
    ExpectNoPositionals(options);
    CheckSearchYears(request.from);
    CheckSearchYears(request.to);
    if (JulianDateOf(request.to) < JulianDateOf(request.from)) {
        throw CommandFailure("the range ends (" + DateText(request.to) + ") before it begins (" + DateText(request.from) + ")");
    }
    return request;
}

BesselianRequest ParseBesselianArguments(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    BesselianRequest request;
    request.date = TakeDate(options, "--date");
    request.model = TakeModel(options, TakeDeltaT(options));
    request.format = TakeFormat(options, {"text", "json"});
    request.dataDirectory = TakeDataDirectory(options);
    ExpectNoPositionals(options);
    CheckSearchYears(request.date);
    return request;
}

double JulianDateOf(const CivilDate& date)
{
    return JulianDateAtMidnight(date.year, date.month, date.day);
}

std::string IsoTime(const Instant& instant, double deltaTSeconds)
{
    // Whole seconds from the noon that begins the Julian day, then the civil
    // day they fall in and the seconds into it, so that rounding carries
    // into the minute, the hour and the date.
    const Instant shifted = instant.PlusSeconds(-deltaTSeconds);
    const long fromNoon = std::lround(shifted.DayFraction() * kSecondsPerDay);
    constexpr long kHalfDay = 43200;
    const bool afternoon = fromNoon < kHalfDay;
    const long ofDay = afternoon ? fromNoon + kHalfDay : fromNoon - kHalfDay;
    const CivilDateTime civil = CivilFromJulianDate(shifted.WholeDays() + (afternoon ? -0.5 : 0.5), 0.0);
    char text[48];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02dT%02ld:%02ld:%02ldZ", civil.year < 0 ? "-" : "", std::abs(civil.year),
                  civil.month, civil.day, ofDay / 3600, ofDay / 60 % 60, ofDay % 60);
    return text;
}

std::string IsoDatePart(const std::string& isoTime)
{
    return isoTime.substr(0, isoTime.find('T', 1));
}

std::string IsoClockPart(const std::string& isoTime)
{
    const std::size_t t = isoTime.find('T', 1);
    return t == std::string::npos ? std::string() : isoTime.substr(t + 1, 8);
}
