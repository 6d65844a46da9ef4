#include "datafiles/TextFields.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>

namespace {

bool IsBlank(char character)
{
    return std::isspace(static_cast<unsigned char>(character)) != 0;
}

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

std::string_view SkipBlanks(std::string_view text)
{
    std::size_t position = 0;
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    return text.substr(position);
}

} // namespace

std::string_view ColumnField(std::string_view line, int start, int width)
{
    const std::size_t first = static_cast<std::size_t>(std::max(start, 0));
    const std::size_t count = static_cast<std::size_t>(std::max(width, 0));
    if (first >= line.size()) {
        return {};
    }
    return line.substr(first, count);
}

std::string_view HeadField(std::string_view line, int n)
{
    if (n <= 0) {
        return {};
    }
    return line.substr(0, static_cast<std::size_t>(n));
}

std::string_view TailField(std::string_view line, int n)
{
    if (n <= 0) {
        return {};
    }
    const std::size_t count = std::min(line.size(), static_cast<std::size_t>(n));
    return line.substr(line.size() - count);
}

int FindText(std::string_view line, std::string_view text)
{
    const std::size_t position = line.find(text);
    return position == std::string_view::npos ? -1 : static_cast<int>(position);
}

std::int64_t ParseInteger(std::string_view field)
{
    std::string_view text = SkipBlanks(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    for (const char character : text) {
        if (!IsDigit(character)) {
            break;
        }
        magnitude = magnitude * 10u + static_cast<std::uint64_t>(character - '0');
    }
    const std::uint64_t value = negative ? (~magnitude + 1u) : magnitude;
    return static_cast<std::int64_t>(value);
}

std::int8_t ParseInt8(std::string_view field)
{
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(ParseInteger(field) & 0xFF));
}

double ParseReal(std::string_view field)
{
    std::string_view text = SkipBlanks(field);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // A second sign, or a number written in another form, reads as nothing.
    if (text.empty() || !(IsDigit(text.front()) || text.front() == '.')) {
        return 0.0;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // Too large keeps its magnitude as infinity; too small underflows to 0.
        const bool tooLarge = FindText(text.substr(0, static_cast<std::size_t>(end - text.data())), "e-") < 0 &&
                              FindText(text.substr(0, static_cast<std::size_t>(end - text.data())), "E-") < 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}
