#pragma once

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

// Converters read and write in a fresh data directory per test.
using ConverterTest = TemporaryDirectoryTest;

// Where the published inputs are, if this machine has them.
inline bool PublishedSourcesPresent()
{
    return std::filesystem::exists(std::filesystem::path(UMBRANT_SOURCES_DIR) / "VSOP87C.ear");
}
