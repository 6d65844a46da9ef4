#include "model/Archive.h"
#include "model/EclipseMap.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <filesystem>
#include <fstream>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class DocumentFileTest : public TemporaryDirectoryTest {
protected:
    std::vector<std::uint8_t> SavedBytes(const CEclipseMap& map)
    {
        SaveDocument(PathOf("saved.umb"), map);
        return ReadWholeFile(PathOf("saved.umb"));
    }
};

std::int32_t Int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

CEclipseMap ChangedMap()
{
    CEclipseMap map;
    map.m_observation.m_day = 1;
    map.m_observation.m_month = 8;
    map.m_observation.m_year = -500;
    map.m_observation.m_second = 17.9f;
    map.m_observation.m_deltaTAuto = false;
    map.m_observation.m_deltaT = 63.8f;
    map.m_observation.m_centre = CGeoPosition(16.73, 23.15);
    map.m_viewport.m_scale = 509.29f;
    map.m_viewport.m_originX = 800.0f;
    map.m_viewport.m_originY = 500.0f;
    map.m_viewport.m_width = 1600;
    map.m_viewport.m_height = 1000;
    map.m_previousViewport.m_scale = 2.0f;
    return map;
}

} // namespace

TEST(NewDocument, HasTheDefaults)
{
    const CEclipseMap map;
    const CObservation& observation = map.m_observation;
    EXPECT_EQ(observation.m_day, 29);
    EXPECT_EQ(observation.m_month, 3);
    EXPECT_EQ(observation.m_year, 2006);
    EXPECT_EQ(observation.m_hour, 8);
    EXPECT_EQ(observation.m_minute, 36);
    EXPECT_EQ(observation.m_second, 0.0f);
    EXPECT_TRUE(observation.m_deltaTAuto);
    EXPECT_EQ(observation.m_deltaT, 0.0f);
    EXPECT_EQ(observation.m_longitude, -2.2);
    EXPECT_EQ(observation.m_latitude, 49.5);
    EXPECT_EQ(observation.m_centre.m_longitude, -2.2);
    EXPECT_EQ(observation.m_centre.m_latitude, 49.5);
    EXPECT_EQ(map.m_flag, 1);
    EXPECT_EQ(observation.m_flag, 1);
    EXPECT_EQ(observation.m_centre.m_flag, 1);
    EXPECT_EQ(map.m_viewport.m_flag, 1);
    EXPECT_EQ(map.m_viewport2.m_flag, 1);
    EXPECT_EQ(map.m_previousViewport.m_flag, 1);
}

TEST_F(DocumentFileTest, IsWrittenAs193LittleEndianBytesInFileOrder)
{
    const std::vector<std::uint8_t> bytes = SavedBytes(CEclipseMap());
    ASSERT_EQ(bytes.size(), 193u);
    const std::vector<std::int32_t> head{1, 1, 29, 3, 2006, 8, 36};
    for (std::size_t i = 0; i < head.size(); ++i) {
        EXPECT_EQ(Int32At(bytes, 4 * i), head[i]) << "word " << i;
    }
    EXPECT_EQ(bytes[32], 1);
    EXPECT_EQ(Int32At(bytes, 65), 1); // flag of the map centre
    double centreLatitude = 0.0;
    std::memcpy(&centreLatitude, bytes.data() + 77, 8);
    EXPECT_EQ(centreLatitude, 49.5);
    EXPECT_EQ(Int32At(bytes, 85), 1);  // flags of the three viewports
    EXPECT_EQ(Int32At(bytes, 121), 1);
    EXPECT_EQ(Int32At(bytes, 157), 1);
}

TEST_F(DocumentFileTest, PutsThePreviousViewportAtOffset157)
{
    const std::vector<std::uint8_t> bytes = SavedBytes(ChangedMap());
    float scale = 0.0f;
    std::memcpy(&scale, bytes.data() + 157 + 4, 4);
    EXPECT_EQ(scale, 2.0f);
    EXPECT_EQ(Int32At(bytes, 85 + 28), 1600); // m_width of m_viewport
    EXPECT_EQ(Int32At(bytes, 85 + 24), 1000); // m_height
}

TEST_F(DocumentFileTest, SavedAndLoadedAgainIsByteIdentical)
{
    const std::vector<std::uint8_t> first = SavedBytes(ChangedMap());
    CEclipseMap loaded;
    LoadDocument(PathOf("saved.umb"), loaded);
    EXPECT_EQ(loaded.m_observation.m_year, -500);
    EXPECT_EQ(loaded.m_observation.m_deltaT, 63.8f);
    EXPECT_FALSE(loaded.m_observation.m_deltaTAuto);
    EXPECT_EQ(loaded.m_viewport.m_scale, 509.29f);
    EXPECT_EQ(SavedBytes(loaded), first);
}

TEST_F(DocumentFileTest, ReservedWordsAreCarriedThrough)
{
    std::vector<std::uint8_t> bytes = SavedBytes(CEclipseMap());
    for (const std::size_t offset : {53u, 57u, 61u, 85u + 16u, 121u + 20u, 157u + 32u}) {
        bytes[offset] = 0xAB;
    }
    CEclipseMap loaded;
    LoadDocument(WriteBytes("reserved.umb", bytes), loaded);
    EXPECT_EQ(SavedBytes(loaded), bytes);
}

// Named by the document's size, whichever field the file ends in.
TEST_F(DocumentFileTest, AShortFileIsRefusedByItsSizeAndLeavesTheDocumentAsItWas)
{
    const std::vector<std::uint8_t> whole = SavedBytes(ChangedMap());
    for (const std::size_t size : {0u, 4u, 100u, 192u}) {
        SCOPED_TRACE(size);
        const std::string path = WriteBytes("short.umb", std::vector<std::uint8_t>(whole.begin(), whole.begin() + size));
        CEclipseMap map;
        map.m_observation.m_day = 12;
        try {
            LoadDocument(path, map);
            ADD_FAILURE() << "no exception";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), path);
            EXPECT_EQ(error.Cause(), std::to_string(size) + " bytes, expected 193");
        }
        EXPECT_EQ(map.m_observation.m_day, 12);
        EXPECT_EQ(map.m_observation.m_year, 2006);
        EXPECT_EQ(map.m_viewport.m_width, 0);
    }
}

TEST_F(DocumentFileTest, AFifoIsRefusedWithoutWaitingForAWriter)
{
    ASSERT_EQ(::mkfifo(PathOf("pipe.umb").c_str(), 0600), 0);
    // Would the open wait, a writer lets it go after a while, and the
    // document it then reads is empty: the test ends either way.
    std::thread writer([this] {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const int descriptor = ::open(PathOf("pipe.umb").c_str(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0) {
                ::close(descriptor);
                return;
            }
            ::usleep(50000);
        }
    });
    CEclipseMap map;
    try {
        LoadDocument(PathOf("pipe.umb"), map);
        ADD_FAILURE() << "loaded";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.Cause(), "cannot open: a FIFO, not a regular file");
    }
    writer.join();
}

TEST_F(DocumentFileTest, A200ByteFileLoadsAndItsTailIsIgnored)
{
    std::vector<std::uint8_t> bytes = SavedBytes(ChangedMap());
    bytes.insert(bytes.end(), 7, 0xFF);
    CEclipseMap map;
    LoadDocument(WriteBytes("long.umb", bytes), map);
    EXPECT_EQ(map.m_observation.m_year, -500);
    bytes.resize(193);
    EXPECT_EQ(SavedBytes(map), bytes);
}

TEST_F(DocumentFileTest, ADeltaTByteOfTwoLoadsAsAutomaticAndIsSavedAsOne)
{
    std::vector<std::uint8_t> bytes = SavedBytes(ChangedMap());
    bytes[32] = 2;
    CEclipseMap map;
    LoadDocument(WriteBytes("two.umb", bytes), map);
    EXPECT_TRUE(map.m_observation.m_deltaTAuto);
    EXPECT_EQ(SavedBytes(map)[32], 1);
}

TEST_F(DocumentFileTest, AMissingFileRaisesAnErrorNamingIt)
{
    CEclipseMap map;
    EXPECT_THROW(LoadDocument(PathOf("absent.umb"), map), CFileException);
}

TEST_F(DocumentFileTest, AFailedSaveKeepsThePreviousFile)
{
    const std::vector<std::uint8_t> before = SavedBytes(CEclipseMap());
    EXPECT_THROW(SaveDocument(PathOf("no-such-directory/saved.umb"), ChangedMap()), CFileException);
    EXPECT_EQ(ReadWholeFile(PathOf("saved.umb")), before);
}

TEST_F(DocumentFileTest, SavingOverAPrivateDocumentThroughALinkKeepsItPrivateAndTheLink)
{
    SaveDocument(PathOf("private.umb"), CEclipseMap());
    std::filesystem::permissions(PathOf("private.umb"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::create_symlink("private.umb", PathOf("shortcut.umb"));
    SaveDocument(PathOf("shortcut.umb"), ChangedMap());
    EXPECT_TRUE(std::filesystem::is_symlink(PathOf("shortcut.umb")));
    EXPECT_EQ(std::filesystem::status(PathOf("private.umb")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    CEclipseMap loaded;
    LoadDocument(PathOf("private.umb"), loaded);
    EXPECT_EQ(loaded.m_observation.m_year, -500);
}

TEST(Archive, LoadingPastTheEndRaisesAnError)
{
    const std::vector<std::uint8_t> bytes{1, 2, 3};
    CArchive archive(bytes, "three.umb");
    std::int32_t value = 0;
    EXPECT_THROW(archive.Exchange(value), CFileException);
}

// The document validates nothing: what lies outside the ranges of the
// dialogs is named, field by field, for the front ends to warn of.
TEST(ObservationRanges, NameTheFieldsOutsideTheDialogsRanges)
{
    CObservation inside;
    inside.m_second = 59.99f;
    inside.m_centre = CGeoPosition(-180.0, 90.0);
    EXPECT_TRUE(FieldsOutOfRange(inside).empty());

    const double nan = std::nan("");
    const struct {
        const char* what;
        std::function<void(CObservation&)> change;
        const char* field;
        double value;
    } cases[] = {
        {"month -2^31", [](CObservation& o) { o.m_month = INT32_MIN; }, "month", -2147483648.0},
        {"month 13", [](CObservation& o) { o.m_month = 13; }, "month", 13.0},
        {"day 0", [](CObservation& o) { o.m_day = 0; }, "day", 0.0},
        {"hour -2^31", [](CObservation& o) { o.m_hour = INT32_MIN; }, "hour", -2147483648.0},
        {"minute 60", [](CObservation& o) { o.m_minute = 60; }, "minute", 60.0},
        {"second 60", [](CObservation& o) { o.m_second = 60.0f; }, "second", 60.0},
        {"second 1e30", [](CObservation& o) { o.m_second = 1e30f; }, "second", static_cast<double>(1e30f)},
        {"second -0.5", [](CObservation& o) { o.m_second = -0.5f; }, "second", -0.5},
        {"centre longitude 1e308", [](CObservation& o) { o.m_centre.m_longitude = 1e308; }, "centre longitude", 1e308},
        {"centre latitude 100", [](CObservation& o) { o.m_centre.m_latitude = 100.0; }, "centre latitude", 100.0},
        {"centre latitude NaN", [nan](CObservation& o) { o.m_centre.m_latitude = nan; }, "centre latitude", nan},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CObservation observation;
        c.change(observation);
        const std::vector<FieldOutOfRange> outside = FieldsOutOfRange(observation);
        ASSERT_EQ(outside.size(), 1u);
        EXPECT_STREQ(outside.front().field, c.field);
        if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(outside.front().value));
        } else {
            EXPECT_EQ(outside.front().value, c.value);
        }
    }
    // Seconds that are not a number are named by the front ends' check of the epoch.
    CObservation notANumber;
    notANumber.m_second = std::nanf("");
    EXPECT_TRUE(FieldsOutOfRange(notANumber).empty());
}
