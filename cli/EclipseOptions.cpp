#include "cli/EclipseOptions.h"

#include "cli/DataOption.h"
#include "cli/EpochOption.h"
#include "core/Calendar.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/search/EclipseSearch.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>
#include <utility>

namespace {

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

// Reads count digits from position on; -1 when they are not all there.
int Digits(std::string_view text, std::size_t& position, std::size_t minimum, std::size_t maximum)
{
    std::size_t count = 0;
    while (position + count < text.size() && count < maximum && IsDigit(text[position + count])) {
        ++count;
    }
    if (count < minimum) {
        return -1;
    }
    int value = 0;
    std::from_chars(text.data() + position, text.data() + position + count, value);
    position += count;
    return value;
}

bool Skip(std::string_view text, std::size_t& position, char expected)
{
    if (position < text.size() && text[position] == expected) {
        ++position;
        return true;
    }
    return false;
}

int DaysInMonth(int year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool julian = year < 1583;
    const bool leap = julian ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool InCalendarGap(const CivilDate& date)
{
    return date.year == 1582 && date.month == 10 && date.day > 4 && date.day < 15;
}

} // namespace

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
    std::size_t position = 0;
    const bool negative = Skip(text, position, '-');
    CivilDate date;
    const int year = Digits(text, position, 1, 6);
    const bool first = Skip(text, position, '-');
    date.month = Digits(text, position, 2, 2);
    const bool second = Skip(text, position, '-');
    date.day = Digits(text, position, 2, 2);
    date.year = negative ? -year : year;
    if (year < 0 || !first || !second || position != text.size() || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > DaysInMonth(date.year, date.month) || InCalendarGap(date)) {
        throw UsageError{"malformed " + option + " \"" + text + "\" (expected a date YYYY-MM-DD of the calendar)"};
    }
    return date;
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
    request.deltaT = TakeDeltaT(options);
    request.model = TakeModel(options);
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
    request.deltaT = TakeDeltaT(options);
    request.model = TakeModel(options);
    request.format = TakeFormat(options, {"text", "json"});
    request.dataDirectory = TakeDataDirectory(options);
    ExpectNoPositionals(options);
    CheckSearchYears(request.date);
    return request;
}

Ephemeris CommandEphemeris(const std::string& dataDirectory, ModelChoice model, const std::optional<double>& deltaT)
{
    return Ephemeris::Load(dataDirectory, EphemerisModelFor(model, deltaT));
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
