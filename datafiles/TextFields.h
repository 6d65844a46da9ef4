#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Fixed-column reading of the published text tables. Columns are 0-based
// character offsets; a field past the end of the line is cut short or empty,
// never an error.

// The width characters from start; a negative start or width counts as 0.
std::string_view ColumnField(std::string_view line, int start, int width);
// The first n characters (all of the line when n >= its length, empty when n <= 0).
std::string_view HeadField(std::string_view line, int n);
// The last n characters (all of the line when n >= its length, empty when n <= 0).
std::string_view TailField(std::string_view line, int n);
// 0-based position of the first occurrence of text, or -1.
int FindText(std::string_view line, std::string_view text);

// Leading integer: blanks, optional sign, decimal digits up to the first other
// character; 0 when there is no digit. Digits beyond 64 bits wrap, so the low
// bits of the value are always those of the written number.
std::int64_t ParseInteger(std::string_view field);
// The low 8 bits of ParseInteger, as stored in the int8 multipliers.
std::int8_t ParseInt8(std::string_view field);
// Leading real: blanks, optional sign, digits with optional "." and fraction,
// optional exponent; 0.0 when nothing is readable. The separator is always
// ".", whatever the process locale.
double ParseReal(std::string_view field);
