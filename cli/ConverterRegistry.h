#pragma once

#include "datafiles/Converters.h"

#include <string>
#include <vector>

// The converters that "umbrant-cli convert" knows, each with its name and the
// group it belongs to ("ephemeris" or "maps").
struct ConverterEntry {
    std::string name;
    std::string group;
    int order;
    // Raises CFileException naming the file for whatever stops the conversion.
    void (*build)(const std::string& dataDirectory);
};

std::vector<ConverterEntry>& Converters();

struct ConverterRegistration {
    ConverterRegistration(const ConverterEntry& entry) { Converters().push_back(entry); }
};
