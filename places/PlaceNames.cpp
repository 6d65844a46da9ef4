#include "places/PlaceNames.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The base letter of each character of Latin-1 and Latin Extended-A and -B
// (from U+00C0) and of Latin Extended Additional (U+1E00), by their
// canonical decompositions; '*' marks the letters spelled with two, '#'
// those kept as they are.
constexpr char32_t kLatinFirst = 0xC0;
constexpr std::string_view kLatinFolds =
    "aaaaaa*ceeeeiiiidnooooo#ouuuuy**aaaaaa*ceeeeiiiidnooooo#ouuuuy*y"
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkklllllll"
    "lllnnnnnn#nnoooooo**rrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs"
    "################################oo#############uu###############"
    "#############aaiioouuuuuuuuuu#aaaa####ggkkoooo##j###gg##nnaa####"
    "aaaaeeeeiiiioooorrrruuuusstt##hh######aaeeooooooooyy############"
    "################";
constexpr char32_t kLatinAdditionalFirst = 0x1E00;
constexpr std::string_view kLatinAdditionalFolds =
    "aabbbbbbccddddddddddeeeeeeeeeeffgghhhhhhhhhhiiiikkkkkkllllllllmm"
    "mmmmnnnnnnnnoooooooopppprrrrrrrrssssssssssttttttttuuuuuuuuuuvvvv"
    "wwwwwwwwwwxxxxyyzzzzzzhtwy#s##*#aaaaaaaaaaaaaaaaaaaaaaaaeeeeeeee"
    "eeeeeeeeiiiioooooooooooooooooooooooouuuuuuuuuuuuuuyyyyyyyy######";

std::string_view TwoLetterFold(char32_t letter)
{
    switch (letter) {
    case 0xC6: case 0xE6: return "ae";
    case 0xDE: case 0xFE: return "th";
    case 0xDF: case 0x1E9E: return "ss";
    case 0x132: case 0x133: return "ij";
    case 0x152: case 0x153: return "oe";
    default: return {};
    }
}

bool IsApostrophe(char32_t c)
{
    return c == '\'' || c == '`' || c == '.' || c == 0x2018 || c == 0x2019 || c == 0x2BB || c == 0x2BC || c == 0xB4;
}

bool IsSeparator(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '-' || c == '_' ||
           c == '/' || c == 0xA0 || c == 0x2010 || c == 0x2011 || c == 0x2013 || c == 0x2014;
}

// The code point at the front of text, and how many bytes it takes; a
// length of 0 for bytes that are not UTF-8 (overlong forms, surrogates and
// values beyond U+10FFFF included).
std::pair<char32_t, std::size_t> DecodeFront(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return {lead, 1};
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || text.size() < length) {
        return {0, 0};
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return {0, 0};
        }
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallestOfLength[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallestOfLength[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {0, 0};
    }
    return {code, length};
}

char BaseLetter(char32_t c)
{
    if (c >= kLatinFirst && c - kLatinFirst < kLatinFolds.size()) {
        return kLatinFolds[c - kLatinFirst];
    }
    if (c >= kLatinAdditionalFirst && c - kLatinAdditionalFirst < kLatinAdditionalFolds.size()) {
        return kLatinAdditionalFolds[c - kLatinAdditionalFirst];
    }
    return '#';
}

void AppendFolded(std::string& folded, char32_t c, std::string_view original)
{
    if (c < 0x80) {
        folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return;
    }
    const char base = BaseLetter(c);
    if (base == '*') {
        folded += TwoLetterFold(c);
    } else if (base == '#') {
        folded += original;
    } else {
        folded += base;
    }
}

// Folds the name one code point at a time, handing take each piece of the
// key (the code point's letters, after the space that separates them from
// the letters before); take says whether to go on. False when take stopped
// or the text is not UTF-8.
template <typename Take>
bool Fold(std::string_view name, Take&& take)
{
    std::string piece;
    bool started = false;
    bool pendingSpace = false;
    while (!name.empty()) {
        const auto [code, length] = DecodeFront(name);
        if (length == 0) {
            return false;
        }
        if (IsSeparator(code)) {
            pendingSpace = started;
        } else if (!IsApostrophe(code)) {
            piece.clear();
            if (pendingSpace) {
                piece += ' ';
                pendingSpace = false;
            }
            AppendFolded(piece, code, name.substr(0, length));
            started = true;
            if (!take(std::string_view(piece))) {
                return false;
            }
        }
        name.remove_prefix(length);
    }
    return true;
}

} // namespace

std::optional<std::string> FoldedName(std::string_view name)
{
    std::string folded;
    folded.reserve(name.size());
    if (!Fold(name, [&folded](std::string_view piece) {
            folded += piece;
            return true;
        })) {
        return std::nullopt;
    }
    return folded;
}

bool FoldsTo(std::string_view name, std::string_view key)
{
    std::size_t matched = 0;
    const bool whole = Fold(name, [&](std::string_view piece) {
        if (key.substr(matched, piece.size()) != piece) {
            return false;
        }
        matched += piece.size();
        return true;
    });
    return whole && matched == key.size();
}

std::size_t BoundedEditDistance(std::string_view a, std::string_view b, std::size_t limit)
{
    if (a.size() > b.size()) {
        std::swap(a, b);
    }
    if (b.size() - a.size() > limit) {
        return limit + 1;
    }
    std::vector<std::size_t> row(a.size() + 1);
    for (std::size_t i = 0; i <= a.size(); ++i) {
        row[i] = i;
    }
    for (std::size_t j = 1; j <= b.size(); ++j) {
        std::size_t diagonal = row[0];
        row[0] = j;
        std::size_t smallest = row[0];
        for (std::size_t i = 1; i <= a.size(); ++i) {
            const std::size_t above = row[i];
            row[i] = std::min({row[i] + 1, row[i - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
            smallest = std::min(smallest, row[i]);
        }
        if (smallest > limit) {
            return limit + 1;
        }
    }
    return std::min(row[a.size()], limit + 1);
}
