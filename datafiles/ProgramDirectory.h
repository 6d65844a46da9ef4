#pragma once

#include <string>
#include <vector>

// The directory of the running executable (from /proc/self/exe), ending with
// "/"; independent of the current directory.
std::string GetProgramDirectory();

// Where the data may be, each directory ending with "/".
struct DataDirectoryPlaces {
    std::string programDirectory; // the executable's directory, ending with "/"
    std::string xdgDataHome;      // $XDG_DATA_HOME, empty when unset
    std::string home;             // $HOME, empty when unset
};

// The places of the running program, from /proc/self/exe and the environment.
DataDirectoryPlaces CurrentDataDirectoryPlaces();

// The directories searched for the data, in this order:
//  1. "data/" beside the executable (the build tree, or a program kept in one
//     directory);
//  2. "../share/umbrant/" from the executable's directory, so that a program
//     installed as <prefix>/bin/umbrant reads <prefix>/share/umbrant/;
//  3. the user's own: $XDG_DATA_HOME/umbrant/, or ~/.local/share/umbrant/
//     when XDG_DATA_HOME is unset or not absolute (left out without a home).
std::vector<std::string> DataDirectoryCandidates(const DataDirectoryPlaces& places);

// The user's own data directory (the third candidate), or "" without a home.
std::string UserDataDirectory(const DataDirectoryPlaces& places);

// The data directory: the first candidate that exists, or the one beside the
// executable when none does.
std::string FindDataDirectory(const DataDirectoryPlaces& places);

// Where conversions read their inputs and write their images: the data
// directory when it exists and this process may write there, the user's own
// otherwise (which may not exist yet), so that an installed program never
// writes under its prefix.
std::string FindConversionDirectory(const DataDirectoryPlaces& places);

// Where conversions go when the user names a data directory: that one when
// it may be written or does not exist yet (it is then created), the user's own
// when it exists and may not be written, as the programs' own data directory
// is treated. Without a home, the directory named.
std::string ConversionDirectoryFor(const std::string& named, const DataDirectoryPlaces& places);

// The same for the running program.
std::string GetDataDirectory();
std::string GetConversionDirectory();

// Joins a directory and a file name with exactly one separator between them.
std::string JoinPath(const std::string& directory, const std::string& fileName);
