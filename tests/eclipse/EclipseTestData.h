#pragma once

#include "core/DeltaT.h"
#include "ephemeris/Ephemeris.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

// The converted series of the build's data directory, with Delta T given
// (seconds) or automatic; eclipse tests skip themselves without them.
inline std::string EclipseDataDirectory()
{
    return std::string(UMBRANT_BINARY_DIR) + "/data/";
}

inline bool HaveEclipseData()
{
    for (const char* name : {"Elp2000.dat", "VSOP87.dat", "Nutation.dat"}) {
        if (!std::filesystem::exists(EclipseDataDirectory() + name)) {
            return false;
        }
    }
    return true;
}

inline Ephemeris EclipseEphemeris(std::optional<double> deltaT)
{
    return Ephemeris::Load(EclipseDataDirectory(), ClassicModel(deltaT));
}

class EclipseDataTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveEclipseData()) {
            GTEST_SKIP() << "no converted ephemeris in " << EclipseDataDirectory() << " (run scripts/setup.sh)";
        }
    }
};
