#pragma once

#include "datafiles/Converters.h"
#include "datafiles/ImageCache.h"
#include "datafiles/RecordImage.h"
#include "ephemeris/TimeScales.h"

#include "tests/Epochs.h"
#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

// The data directory holding the three images converted from the published
// series, or "" when this machine has neither the inputs nor a filled build
// data directory. The inputs are converted once per test program, into a
// directory that is removed at exit.
inline std::string PublishedSeriesDirectory()
{
    struct ConvertedSeries {
        std::filesystem::path directory;
        std::string dataDirectory;

        ConvertedSeries()
        {
            const std::filesystem::path sources(UMBRANT_SOURCES_DIR);
            if (std::filesystem::exists(sources / "VSOP87C.ear")) {
                directory = std::filesystem::temp_directory_path() / ("umbrant-published-series-" + std::to_string(::getpid()));
                std::filesystem::create_directories(directory);
                for (const auto& entry : std::filesystem::directory_iterator(sources)) {
                    std::filesystem::copy_file(entry.path(), directory / entry.path().filename(),
                                               std::filesystem::copy_options::overwrite_existing);
                }
                dataDirectory = directory.string() + "/";
                if (ConvertNutation(dataDirectory) != ConversionStatus::Completed ||
                    ConvertVsop(dataDirectory) != ConversionStatus::Completed ||
                    ConvertElp(dataDirectory) != ConversionStatus::Completed) {
                    dataDirectory.clear();
                }
                return;
            }
            const std::filesystem::path built = std::filesystem::path(UMBRANT_BINARY_DIR) / "data";
            if (std::filesystem::exists(built / "VSOP87.dat") && std::filesystem::exists(built / "Elp2000.dat") &&
                std::filesystem::exists(built / "Nutation.dat")) {
                dataDirectory = built.string() + "/";
            }
        }
        ~ConvertedSeries()
        {
            if (!directory.empty()) {
                std::error_code ignored;
                std::filesystem::remove_all(directory, ignored);
            }
        }
    };
    static const ConvertedSeries series;
    return series.dataDirectory;
}

#define SKIP_WITHOUT_PUBLISHED_SERIES(directory)                                                                        \
    const std::string directory = PublishedSeriesDirectory();                                                          \
    if (directory.empty()) {                                                                                           \
        GTEST_SKIP() << "published series not found in " UMBRANT_SOURCES_DIR " nor converted in " UMBRANT_BINARY_DIR    \
                        "/data";                                                                                       \
    }

// The epoch of the published check positions: 29 March 2006, 10:11:17.9 UT,
// Delta T given as 64.9 s.
inline CObservation EclipseEpoch()
{
    return UtEpoch(29, 3, 2006, 10, 11, 17.9f, 64.9f);
}

inline CTimeTerms TermsOf(const CObservation& observation)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);
    return terms;
}

// A fresh directory for hand-made images; the image cache is emptied around
// each test so that no image of another test is reused.
class SyntheticImageTest : public TemporaryDirectoryTest {
protected:
    void SetUp() override
    {
        TemporaryDirectoryTest::SetUp();
        ClearImageCache();
    }
    void TearDown() override
    {
        ClearImageCache();
        TemporaryDirectoryTest::TearDown();
    }

    void WriteImage(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                             static_cast<std::streamsize>(bytes.size()));
    }

    // Moves a file's modification time on, as the clock does between two
    // conversions, so that a rewrite is told apart even on a coarse clock.
    void MarkRewritten(const std::string& name) const
    {
        const auto path = m_directory / name;
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(2));
    }
};
