#pragma once

#include "datafiles/FileIo.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The published layouts of the series texts, so that a converter takes only
// what has their shape: a text that is something else (an error page saved
// under the series' name, a file cut short, random bytes) is refused, naming
// the file and the line, instead of being converted into an image of zeros.

enum class FieldKind {
    Integer,    // an optional sign and decimal digits
    Multiplier, // an Integer from -128 to 127, as the images store it in one byte
    Real,       // an optional sign, digits with an optional point and exponent; finite
};

// A field of a line: 0-based column and width, as the converters cut them.
struct LayoutField {
    int start;
    int width;
    FieldKind kind;
};

// Nothing when line has the layout: each field holds exactly one number of
// its kind with blanks around it, and every character outside the fields is
// a blank. Otherwise what is wrong, with 1-based columns, for a message: the
// first thing wrong from the left, the fields being given in column order.
std::optional<std::string> LayoutMismatch(std::string_view line, std::span<const LayoutField> fields);

// Whether a line holds nothing but blanks.
bool IsBlankLine(std::string_view line);

// Lines with their 1-based numbers, and the error that names them.
class CNumberedLines {
public:
    explicit CNumberedLines(ILineSource& source) : m_source(source) {}

    // The next line; false at the end of the text.
    bool Next(std::string& line);
    // The number of the line Next gave last (0 before the first).
    std::size_t Number() const { return m_number; }

    // Raises CFileException "PATH: line N: what" for the last line given, or
    // for the line after the last when the text has ended.
    [[noreturn]] void Fail(const std::string& what) const;
    [[noreturn]] void FailAt(std::size_t lineNumber, const std::string& what) const;

    // Raises unless line has the layout.
    void ExpectLayout(std::string_view line, std::span<const LayoutField> fields) const;

    // Raises at the first line that is not blank from here to the end; what
    // says what the text holds already.
    void ExpectNothingAfter(const std::string& what);

private:
    ILineSource& m_source;
    std::size_t m_number = 0;
    bool m_ended = false;
};
