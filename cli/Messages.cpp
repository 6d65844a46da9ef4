#include "cli/Messages.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr std::size_t kLongestMessage = 400;  // bytes: five lines of a terminal
constexpr std::size_t kMostEditsForASlip = 2;

// The length of the UTF-8 sequence that starts at text[position], or 0 when
// it is not a well-formed one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t position)
{
    const auto lead = static_cast<unsigned char>(text[position]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || position + length > text.size()) {
        return 0;
    }
    // U+0080 to U+009F are control characters too.
    if (lead == 0xC2 && static_cast<unsigned char>(text[position + 1]) < 0xA0) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[position + i]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

std::string Escaped(unsigned char byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string PrintableMessage(std::string_view message)
{
    std::string printable;
    std::size_t position = 0;
    while (position < message.size() && printable.size() < kLongestMessage) {
        const auto byte = static_cast<unsigned char>(message[position]);
        if (byte >= 0x20 && byte < 0x7F) {
            printable += message[position++];
        } else if (const std::size_t length = byte >= 0x80 ? Utf8SequenceLength(message, position) : 0; length > 0) {
            printable += message.substr(position, length);
            position += length;
        } else {
            printable += Escaped(byte);
            ++position;
        }
    }
    if (position < message.size()) {
        printable += "...";
    }
    return printable;
}

std::string ClosestName(std::string_view word, const std::vector<std::string>& names)
{
    std::string closest;
    std::size_t fewest = kMostEditsForASlip + 1;
    for (const std::string& name : names) {
        if (const std::size_t edits = EditDistance(word, name); edits < fewest) {
            fewest = edits;
            closest = name;
        }
    }
    return closest;
}
