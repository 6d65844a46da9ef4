#include "cli/ValueParsers.h"

#include "cli/InputRanges.h"
#include "core/Calendar.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

// A second is finer than anyone draws or times a path by: the shadow moves
// 0.5 to 2 km in it, and the vertices between steps already keep each curve
// within a kilometre. Shorter steps only multiply the work and the output.
constexpr double kShortestStepSeconds = 1.0;
constexpr double kLongestStepSeconds = 3600.0;
constexpr double kHighestPlaceMetres = 100000.0;   // far above any mountain, below any orbit
constexpr double kLowestPlaceMetres = -12000.0;    // the deepest trench
constexpr int kLargestYear = 9999;

// The whole text as one number, or nothing.
bool ReadNumber(std::string_view text, double& value)
{
    if (text.empty() || text.front() == '+') {
        return false;
    }
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value);
}

bool ReadDigits(std::string_view text, std::size_t minimum, std::size_t maximum, int& value)
{
    if (text.size() < minimum || text.size() > maximum) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
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

} // namespace

UniversalCalendarDate ParseUniversalDate(const std::string& text)
{
    const std::string_view view(text);
    const bool negative = !view.empty() && view.front() == '-';
    const std::vector<std::string_view> fields = Split(negative ? view.substr(1) : view, '-');
    UniversalCalendarDate date;
    const bool readable = fields.size() == 3 && ReadDigits(fields[0], 4, 4, date.year) &&
                          ReadDigits(fields[1], 2, 2, date.month) && ReadDigits(fields[2], 2, 2, date.day);
    if (!readable || date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) {
        throw std::invalid_argument("malformed date \"" + text + "\" (expected YYYY-MM-DD)");
    }
    if (negative) {
        date.year = -date.year;
    }
    // A day beyond the month's end would run on into the next month.
    const CivilDateTime back = CivilFromJulianDate(JulianDateAtMidnight(date.year, date.month, date.day), 0.0);
    if (back.day != date.day || back.month != date.month || std::abs(date.year) > kLargestYear) {
        throw std::invalid_argument("no such date \"" + text + "\"");
    }
    return date;
}

double ParseStep(const std::string& text)
{
    double seconds = 0.0;
    if (!ReadNumber(text, seconds)) {
        throw std::invalid_argument("malformed step \"" + text + "\" (expected seconds)");
    }
    if (!(seconds >= kShortestStepSeconds) || seconds > kLongestStepSeconds) {
        throw std::invalid_argument("step \"" + text + "\" out of range (1 to 3600 seconds)");
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
        throw std::invalid_argument("malformed place \"" + text + "\" (expected LON,LAT[,HEIGHT_M] in degrees and metres)");
    }
    if (std::abs(place.latitude) > 90.0) {
        throw std::invalid_argument("latitude out of range in \"" + text + "\" (-90 to 90 degrees)");
    }
    if (std::abs(place.longitude) > 180.0) {
        throw std::invalid_argument("longitude out of range in \"" + text + "\" (-180 to 180 degrees, east positive)");
    }
    if (place.height < kLowestPlaceMetres || place.height > kHighestPlaceMetres) {
        throw std::invalid_argument("height out of range in \"" + text + "\" (-12000 to 100000 metres)");
    }
    return place;
}

double ParseDeltaTSeconds(const std::string& text)
{
    double seconds = 0.0;
    if (!ReadNumber(text, seconds)) {
        throw std::invalid_argument("malformed Delta T \"" + text + "\" (expected seconds or auto)");
    }
    if (std::abs(seconds) > kLargestDeltaTSeconds) {
        throw std::invalid_argument("Delta T \"" + text + "\" " + DeltaTRangeText());
    }
    return seconds;
}
