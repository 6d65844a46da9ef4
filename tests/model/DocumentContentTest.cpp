// A document is recognised by its content, and what its 193 bytes cannot
// hold (the observer's height, the time offset, the layers) travels in a
// companion file beside it.

#include "model/DocumentCheck.h"
#include "model/DocumentOptions.h"
#include "datafiles/FileIo.h"

#include "tests/TestDirectory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class DocumentContentTest : public TemporaryDirectoryTest {
protected:
    std::string Saved(const std::string& name, const CEclipseMap& map)
    {
        SaveDocument(PathOf(name), map);
        return PathOf(name);
    }
};

// Documents as earlier versions wrote them: each must still open.
struct WrittenDocument {
    const char* what;
    std::function<void(CEclipseMap&)> change;
};

const WrittenDocument kWrittenDocuments[] = {
    {"a new document", [](CEclipseMap&) {}},
    {"the 2026 eclipse over Spain, Delta T given",
     [](CEclipseMap& map) {
         CObservation& epoch = map.m_observation;
         epoch.m_day = 12;
         epoch.m_month = 8;
         epoch.m_year = 2026;
         epoch.m_hour = 18;
         epoch.m_minute = 29;
         epoch.m_second = 59.99f;
         epoch.m_deltaTAuto = false;
         epoch.m_deltaT = 69.2f;
         epoch.m_longitude = -3.7038;
         epoch.m_latitude = 40.4168;
         epoch.m_centre = CGeoPosition(-179.99, -90.0);
     }},
    {"the first year computed", [](CEclipseMap& map) { map.m_observation.m_year = -1999; }},
    {"the last year computed", [](CEclipseMap& map) { map.m_observation.m_year = 3000; }},
    {"31 February, which the old epoch dialog stored", [](CEclipseMap& map) { map.m_observation.m_day = 31; map.m_observation.m_month = 2; }},
    {"a given Delta T of -2000 s left behind by automatic mode",
     [](CEclipseMap& map) { map.m_observation.m_deltaT = -2000.0f; }},
    {"the untouched viewports holding anything",
     [](CEclipseMap& map) {
         map.m_viewport2.m_scale = std::numeric_limits<float>::quiet_NaN();
         map.m_previousViewport.m_originX = -std::numeric_limits<float>::infinity();
         map.m_observation.m_reserved1 = 0xFFFFFFFF;
     }},
    {"a map saved before any view was shown", [](CEclipseMap& map) { map.m_viewport = CViewport(); }},
};

// Files whose fields no document holds, and the first field judged.
struct ForeignDocument {
    const char* what;
    std::function<void(CEclipseMap&)> change;
    DocumentField field;
};

const ForeignDocument kForeignDocuments[] = {
    {"a flag other than 1", [](CEclipseMap& map) { map.m_viewport2.m_flag = 0; }, DocumentField::RecordFlag},
    {"day 0", [](CEclipseMap& map) { map.m_observation.m_day = 0; }, DocumentField::Day},
    {"month 13", [](CEclipseMap& map) { map.m_observation.m_month = 13; }, DocumentField::Month},
    {"year 3001", [](CEclipseMap& map) { map.m_observation.m_year = 3001; }, DocumentField::Year},
    {"year -2000", [](CEclipseMap& map) { map.m_observation.m_year = -2000; }, DocumentField::Year},
    {"hour 24", [](CEclipseMap& map) { map.m_observation.m_hour = 24; }, DocumentField::Hour},
    {"minute 60", [](CEclipseMap& map) { map.m_observation.m_minute = 60; }, DocumentField::Minute},
    {"NaN seconds", [](CEclipseMap& map) { map.m_observation.m_second = static_cast<float>(kNaN); }, DocumentField::Second},
    {"an infinite Delta T",
     [](CEclipseMap& map) { map.m_observation.m_deltaT = std::numeric_limits<float>::infinity(); },
     DocumentField::GivenDeltaT},
    {"an observer at 370 degrees west", [](CEclipseMap& map) { map.m_observation.m_longitude = -370.0; },
     DocumentField::ObserverLongitude},
    {"an observer at 4234 degrees north", [](CEclipseMap& map) { map.m_observation.m_latitude = 4234.0; },
     DocumentField::ObserverLatitude},
    {"a centre of NaN", [](CEclipseMap& map) { map.m_observation.m_centre.m_longitude = kNaN; },
     DocumentField::CentreLongitude},
    {"a centre beyond the pole", [](CEclipseMap& map) { map.m_observation.m_centre.m_latitude = 90.5; },
     DocumentField::CentreLatitude},
    {"an infinite scale",
     [](CEclipseMap& map) { map.m_viewport.m_scale = std::numeric_limits<float>::infinity(); },
     DocumentField::ViewportScale},
    {"a NaN origin", [](CEclipseMap& map) { map.m_viewport.m_originY = std::numeric_limits<float>::quiet_NaN(); },
     DocumentField::ViewportOrigin},
    {"a negative width", [](CEclipseMap& map) { map.m_viewport.m_width = -1; }, DocumentField::ViewportSize},
};

} // namespace

TEST_F(DocumentContentTest, EveryDocumentEarlierVersionsWroteOpens)
{
    for (const WrittenDocument& written : kWrittenDocuments) {
        CEclipseMap map;
        written.change(map);
        CEclipseMap loaded;
        loaded.m_observation.m_day = 5;
        EXPECT_NO_THROW(LoadPlausibleDocument(Saved("written.umb", map), loaded)) << written.what;
        EXPECT_EQ(loaded.m_observation.m_day, map.m_observation.m_day) << written.what;
    }
}

TEST_F(DocumentContentTest, AFieldNoDocumentHoldsIsNamedAndTheDocumentLeftAsItWas)
{
    for (const ForeignDocument& foreign : kForeignDocuments) {
        CEclipseMap map;
        foreign.change(map);
        const std::string path = Saved("foreign.umb", map);
        CEclipseMap shown;
        shown.m_observation.m_day = 5;
        try {
            LoadPlausibleDocument(path, shown);
            ADD_FAILURE() << foreign.what << ": opened";
        } catch (const CImplausibleDocument& error) {
            EXPECT_EQ(error.Fault().field, foreign.field) << foreign.what;
            EXPECT_EQ(error.FileName(), path) << foreign.what;
            EXPECT_EQ(error.Kind(), FileErrorKind::Malformed) << foreign.what;
        }
        EXPECT_EQ(shown.m_observation.m_day, 5) << foreign.what;
    }
}

// The first bytes of a PNG picture (its signature and header chunk) make a
// first flag of 0x474E5089; the rest of the 193 bytes do not matter.
TEST_F(DocumentContentTest, APictureRenamedAsADocumentIsRefusedByItsFirstWord)
{
    std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                       0, 0, 3, 0x84, 0, 0, 2, 0x58, 8, 2, 0, 0, 0};
    bytes.resize(400, 0x5A);
    try {
        CEclipseMap map;
        LoadPlausibleDocument(WriteBytes("fakepng.umb", bytes), map);
        FAIL() << "opened";
    } catch (const CImplausibleDocument& error) {
        EXPECT_EQ(error.Fault().field, DocumentField::RecordFlag);
        EXPECT_EQ(error.Fault().value, 0x474E5089);
        EXPECT_NE(std::string(error.what()).find("fakepng.umb"), std::string::npos);
    }
}

TEST(DocumentCompanion, LiesBesideTheDocument)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/Dallas.umb", "/home/u/Dallas.umbx"},
        {"/home/u/Dallas.UMB", "/home/u/Dallas.UMBx"},
        {"/home/u/notes", "/home/u/notes.umbx"},
        {"umb", "umb.umbx"},
    };
    for (const auto& [document, companion] : cases) {
        EXPECT_EQ(CompanionPath(document), companion) << document;
    }
}

TEST_F(DocumentContentTest, TheHeightOffsetAndLayersComeBackFromTheCompanion)
{
    CDocumentOptions options;
    options.m_observerHeight = 130.0;
    options.m_timeOffsetHours = -5.5;
    options.m_layers.graticule = true;
    options.m_layers.penumbraLimits = false;
    options.m_layers.labels = false;
    options.m_layers.legend = false;
    const std::string document = Saved("Dallas.umb", CEclipseMap());
    SaveDocumentOptions(document, options);
    EXPECT_TRUE(Exists("Dallas.umbx"));
    EXPECT_EQ(LoadDocumentOptions(document), options);
    // The document itself keeps its 193 bytes.
    EXPECT_EQ(ReadBytes("Dallas.umb").size(), kDocumentFileSize);
}

TEST_F(DocumentContentTest, ADocumentWithoutCompanionGetsTheDefaults)
{
    EXPECT_EQ(LoadDocumentOptions(Saved("old.umb", CEclipseMap())), CDocumentOptions());
    const CDocumentOptions defaults;
    EXPECT_EQ(defaults.m_observerHeight, 0.0);
    EXPECT_EQ(defaults.m_timeOffsetHours, 0.0);
    EXPECT_EQ(defaults.m_layers, MapLayerChoice());
}

TEST_F(DocumentContentTest, UnknownKeysCommentsAndBlankLinesAreSkipped)
{
    WriteText("later.umbx", "# written by a later version\n\nobserver_height_m = 2400\r\nsky_colour = blue\n"
                            "layer_terminator=1\n");
    const CDocumentOptions options = LoadDocumentOptions(PathOf("later.umb"));
    EXPECT_EQ(options.m_observerHeight, 2400.0);
    EXPECT_TRUE(options.m_layers.terminator);
    EXPECT_EQ(options.m_timeOffsetHours, 0.0);
}

TEST_F(DocumentContentTest, ABadCompanionLineIsRefusedNamingTheFileAndLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"observer_height_m = 25000\n", "line 1"},
        {"# heights\ntime_offset_h = 15\n", "line 2"},
        {"time_offset_h = nan\n", "line 1"},
        {"observer_height_m = 12,5\n", "line 1"},
        {"layer_path = yes\n", "line 1"},
        {"layer_path\n", "line 1"},
    };
    for (const auto& [content, line] : cases) {
        WriteText("bad.umbx", content);
        try {
            LoadDocumentOptions(PathOf("bad.umb"));
            ADD_FAILURE() << content << ": read";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), PathOf("bad.umbx")) << content;
            EXPECT_NE(error.Detail().find(line), std::string::npos) << content << ": " << error.Detail();
        }
    }
}
