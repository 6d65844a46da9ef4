#include "datafiles/TextLayout.h"

#include "datafiles/FileException.h"
#include "datafiles/TextFields.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsDigit(char character)
{
    return character >= '0' && character <= '9';
}

// The length of the digits at the start of text.
std::size_t DigitsAt(std::string_view text)
{
    return static_cast<std::size_t>(std::find_if_not(text.begin(), text.end(), IsDigit) - text.begin());
}

std::string_view WithoutSign(std::string_view text)
{
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return text;
}

bool IsWholeInteger(std::string_view text)
{
    text = WithoutSign(text);
    return !text.empty() && DigitsAt(text) == text.size();
}

bool IsWholeReal(std::string_view text)
{
    text = WithoutSign(text);
    const std::size_t whole = DigitsAt(text);
    text.remove_prefix(whole);
    std::size_t fraction = 0;
    if (!text.empty() && text.front() == '.') {
        text.remove_prefix(1);
        fraction = DigitsAt(text);
        text.remove_prefix(fraction);
    }
    if (whole + fraction == 0) {
        return false;
    }
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text = WithoutSign(text.substr(1));
        const std::size_t exponent = DigitsAt(text);
        if (exponent == 0) {
            return false;
        }
        text.remove_prefix(exponent);
    }
    return text.empty();
}

std::string_view Trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Columns(int start, int width)
{
    return "columns " + std::to_string(start + 1) + " to " + std::to_string(start + width);
}

// "columns A to B hold "TEXT", why".
std::string Holding(const LayoutField& field, std::string_view text, const char* why)
{
    std::string message = Columns(field.start, field.width);
    message += " hold \"";
    message.append(text);
    message += "\", ";
    message += why;
    return message;
}

// What is wrong with the number in one field, if anything.
std::optional<std::string> FieldMismatch(std::string_view line, const LayoutField& field)
{
    const std::string_view text = Trimmed(ColumnField(line, field.start, field.width));
    if (text.empty()) {
        return Columns(field.start, field.width) + " hold no number";
    }
    if (field.kind == FieldKind::Real) {
        if (!IsWholeReal(text)) {
            return Holding(field, text, "not a number");
        }
        if (!std::isfinite(ParseReal(text))) {
            return Holding(field, text, "beyond the range of a number");
        }
        return std::nullopt;
    }
    if (!IsWholeInteger(text)) {
        return Holding(field, text, "not a whole number");
    }
    if (field.kind == FieldKind::Multiplier && (text.size() > 4 || ParseInteger(text) < -128 || ParseInteger(text) > 127)) {
        return Holding(field, text, "beyond the multipliers' -128 to 127");
    }
    return std::nullopt;
}

} // namespace

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<std::string> LayoutMismatch(std::string_view line, std::span<const LayoutField> fields)
{
    std::size_t column = 0; // the first column not yet seen
    const auto blanksUpTo = [&line, &column](std::size_t end) -> std::optional<std::string> {
        for (end = std::min(end, line.size()); column < end; ++column) {
            if (line[column] != ' ') {
                std::string message = "column " + std::to_string(column + 1) + " holds \"";
                message += line[column];
                message += "\" where the layout has a blank";
                return message;
            }
        }
        return std::nullopt;
    };
    for (const LayoutField& field : fields) {
        if (std::optional<std::string> mismatch = blanksUpTo(static_cast<std::size_t>(field.start))) {
            return mismatch;
        }
        if (std::optional<std::string> mismatch = FieldMismatch(line, field)) {
            return mismatch;
        }
        column = std::max(column, static_cast<std::size_t>(field.start + field.width));
    }
    return blanksUpTo(line.size());
}

bool CNumberedLines::Next(std::string& line)
{
    if (m_ended) {
        line.clear();
        return false;
    }
    if (!m_source.ReadString(line)) {
        m_ended = true;
        return false;
    }
    ++m_number;
    return true;
}

void CNumberedLines::Fail(const std::string& what) const
{
    FailAt(m_ended ? m_number + 1 : m_number, what);
}

void CNumberedLines::FailAt(std::size_t lineNumber, const std::string& what) const
{
    throw CFileException(m_source.Path(), "line " + std::to_string(lineNumber) + ": " + what);
}

void CNumberedLines::ExpectLayout(std::string_view line, std::span<const LayoutField> fields) const
{
    if (std::optional<std::string> mismatch = LayoutMismatch(line, fields)) {
        Fail(*mismatch);
    }
}

void CNumberedLines::ExpectNothingAfter(const std::string& what)
{
    std::string line;
    while (Next(line)) {
        if (!IsBlankLine(line)) {
            Fail("more text after " + what);
        }
    }
}
