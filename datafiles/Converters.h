#pragma once

#include <string>

// How a conversion ended. Read errors that a converter does not catch (the
// ELP series and the shoreline input) leave it as CFileException instead.
enum class ConversionStatus { Completed, Failed };

// Each converter reads its published input from dataDirectory and writes its
// fixed-size image there, through a temporary file renamed over the target,
// and records the image in the directory's manifest (DataManifest.h): a
// failed conversion leaves the previous image untouched.
ConversionStatus ConvertNutation(const std::string& dataDirectory);   // "Nutation.txt" -> "Nutation.dat"
ConversionStatus ConvertVsop(const std::string& dataDirectory);       // "VSOP87C.ear" -> "VSOP87.dat"
ConversionStatus ConvertElp(const std::string& dataDirectory);        // ELP1..ELP36 -> "Elp2000.dat"
ConversionStatus ConvertShorelines(const std::string& dataDirectory); // "gshhs_i.b" -> "gshhs_i.dat"
ConversionStatus ConvertBorders(const std::string& dataDirectory);    // "frontier.txt" -> "frontier.dat"
ConversionStatus ConvertRivers(const std::string& dataDirectory);     // "fleuves.txt" -> "fleuves.dat"

// The same conversions for a front end that names the cause of a failure:
// whatever stops one (a missing input, a read or write error, an input that
// does not fit its image) raises CFileException naming the file, and nothing
// is written.
void BuildNutationImage(const std::string& dataDirectory);
void BuildVsopImage(const std::string& dataDirectory);
void BuildElpImage(const std::string& dataDirectory);
void BuildShorelineImage(const std::string& dataDirectory);
void BuildBorderImage(const std::string& dataDirectory);
void BuildRiverImage(const std::string& dataDirectory);
