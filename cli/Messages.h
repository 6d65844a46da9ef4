#pragma once

#include <string>
#include <string_view>
#include <vector>

// A message as one line a terminal shows as it is: control characters and
// bytes that are not UTF-8 written as \xNN, and a message longer than a few
// lines cut with "...", so that a hostile value cannot move the cursor,
// change the colours or flood the screen.
std::string PrintableMessage(std::string_view message);

// Of the names, the closest to word by edit distance, when it is close
// enough to be a slip of the keyboard; empty otherwise.
std::string ClosestName(std::string_view word, const std::vector<std::string>& names);
