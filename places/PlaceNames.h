#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Names compared as people type them: "montreal" finds "Montréal", "st
// louis" finds "St. Louis", "winston salem" finds "Winston-Salem".

// The name's key for comparison: letters of the Latin alphabets without
// their accents (ligatures and ß spelled out), in lower case; hyphens,
// slashes and runs of white space as one space, ends trimmed; apostrophes
// and full stops left out. Other characters are kept as they are. Nothing
// for a text that is not UTF-8.
std::optional<std::string> FoldedName(std::string_view name);

// Whether the name's key is key (FoldedName(name) == key), without making
// the key: most names part from it at their first letter.
bool FoldsTo(std::string_view name, std::string_view key);

// The Levenshtein distance of two texts (bytes), or limit + 1 as soon as it
// is known to exceed limit.
std::size_t BoundedEditDistance(std::string_view a, std::string_view b, std::size_t limit);
