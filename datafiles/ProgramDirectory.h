#pragma once

#include <string>

// The directory of the running executable (from /proc/self/exe), ending with
// "/"; independent of the current directory.
std::string GetProgramDirectory();

// The data directory: the program directory followed by "data/".
std::string GetDataDirectory();

// Joins a directory and a file name with exactly one separator between them.
std::string JoinPath(const std::string& directory, const std::string& fileName);
