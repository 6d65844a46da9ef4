#pragma once

#include <string>

// How a conversion ended. Read errors that a converter does not catch (the
// ELP series and the shoreline input) leave it as CFileException instead.
enum class ConversionStatus { Completed, Failed };

// Each converter reads its published input from dataDirectory and writes its
// fixed-size image there, through a temporary file renamed over the target:
// a failed conversion leaves the previous image untouched.
ConversionStatus ConvertNutation(const std::string& dataDirectory);   // "Nutation.txt" -> "Nutation.dat"
ConversionStatus ConvertVsop(const std::string& dataDirectory);       // "VSOP87C.ear" -> "VSOP87.dat"
ConversionStatus ConvertElp(const std::string& dataDirectory);        // ELP1..ELP36 -> "Elp2000.dat"
ConversionStatus ConvertShorelines(const std::string& dataDirectory); // "gshhs_i.b" -> "gshhs_i.dat"
ConversionStatus ConvertBorders(const std::string& dataDirectory);    // "frontier.txt" -> "frontier.dat"
ConversionStatus ConvertRivers(const std::string& dataDirectory);     // "fleuves.txt" -> "fleuves.dat"
