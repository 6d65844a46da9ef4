#pragma once

// The series texts in their published layouts, edited as the input says: a
// text of random bytes is refused at its first line, so these targets start
// from a text every reader takes (made by tests/datafiles/SeriesTextMaker.h,
// numbers of our own) and let the input change it a little, so that the
// checks of every line, count and field are reached. A reading either takes
// the text, and every real it stores is finite, or refuses it with an error
// naming the text and a line of it; the unedited text is always taken.

#include <fuzzer/FuzzedDataProvider.h>

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

// Lines of text, split and joined as the readers cut them.
inline std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, bool finalLineEnd)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || finalLineEnd) {
            text += '\n';
        }
    }
    return text;
}

// Up to eight edits: bytes written over a line, a line removed, doubled,
// inserted or swapped with another, a number put in a line, a line end
// written as "\r\n", or the text cut. Returns whether any edit was made.
inline bool EditLines(FuzzedDataProvider& input, std::vector<std::string>& lines)
{
    const int edits = input.ConsumeIntegralInRange<int>(0, 8);
    for (int edit = 0; edit < edits && !lines.empty(); ++edit) {
        const std::size_t at = input.ConsumeIntegralInRange<std::size_t>(0, lines.size() - 1);
        const std::size_t column = input.ConsumeIntegralInRange<std::size_t>(0, 140);
        switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: {
            const std::string bytes = input.ConsumeRandomLengthString(24);
            lines[at].resize(std::max(lines[at].size(), column + bytes.size()), ' ');
            lines[at].replace(column, bytes.size(), bytes);
            break;
        }
        case 1:
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        case 2:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), lines[at]);
            break;
        case 3:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), input.ConsumeRandomLengthString(160));
            break;
        case 4:
            std::swap(lines[at], lines[input.ConsumeIntegralInRange<std::size_t>(0, lines.size() - 1)]);
            break;
        case 5: {
            // A number of any shape where one may stand.
            const std::string number = input.ConsumeRandomLengthString(20);
            if (column < lines[at].size()) {
                lines[at].replace(column, std::min(number.size(), lines[at].size() - column), number);
            }
            break;
        }
        case 6:
            lines[at] += '\r';
            break;
        default:
            lines.resize(at);
            break;
        }
    }
    return edits > 0;
}

// Whether error is a refusal of the text named name, at a line of its lineCount
// (or the one after its end).
inline bool IsRefusalAtALine(const CFileException& error, const std::string& name, std::size_t lineCount)
{
    if (error.FileName() != name || error.Kind() != FileErrorKind::Malformed || error.Cause().rfind("line ", 0) != 0) {
        return false;
    }
    const std::size_t line = std::strtoull(error.Cause().c_str() + 5, nullptr, 10);
    return line >= 1 && line <= lineCount + 1;
}

// Reads the edited text with read, which returns whether what it stored is
// sound; aborts on any other outcome than those above.
inline void CheckReading(FuzzedDataProvider& input, const std::vector<std::string>& baseLines, const std::string& name,
                         const std::function<bool(ILineSource&)>& read)
{
    std::vector<std::string> lines = baseLines;
    const bool edited = EditLines(input, lines);
    const std::string text = JoinLines(lines, input.ConsumeBool());
    CTextInMemory source(name, text);
    // Bytes put in a line may hold line ends of their own.
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    try {
        if (!read(source)) {
            std::abort();
        }
    } catch (const CFileException& error) {
        if (!edited || !IsRefusalAtALine(error, name, lineCount)) {
            std::abort();
        }
    }
}

template <typename Real>
bool AllFinite(const Real* values, std::size_t count)
{
    return std::all_of(values, values + count, [](Real value) { return std::isfinite(value); });
}

} // namespace fuzz
