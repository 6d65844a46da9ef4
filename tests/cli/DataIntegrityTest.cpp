// The conversions leave a manifest of their images; an image that no longer
// matches it is refused, naming it and the cure, instead of being computed or
// drawn with. Images of an older conversion, without a manifest, load as they
// always did; a border or river file that is missing drops its layer, one
// that is there but damaged is an error.
#include "tests/cli/CliScratch.h"

#include "datafiles/PolylineImage.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <string>

using namespace cli_scratch;

namespace {

// The manifest's line for an image, from zlib directly.
std::string ManifestLine(const fs::path& image)
{
    const std::string bytes = ReadText(image);
    const auto checksum = ::crc32_z(::crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size());
    char line[128];
    std::snprintf(line, sizeof line, "%s %zu %08lx\n", image.filename().c_str(), bytes.size(), checksum);
    return line;
}

class DataIntegrity : public CliScratch {
protected:
    void SetUp() override
    {
        CliScratch::SetUp();
        if (!HaveConvertedData() || !HavePublishedSources()) {
            GTEST_SKIP() << "no converted data beside umbrant-cli or no published sources";
        }
    }

    // The ephemeris with the nutation and VSOP87 images converted here (and
    // so listed) and the ELP image copied (and so not listed).
    void ConvertEphemeris() const
    {
        CopyPublishedSources({"Nutation.txt", "VSOP87C.ear"});
        CopyConvertedData({"Elp2000.dat"});
        const Outcome outcome = Run("convert nutation" + DataOption() + " && " + (ToolDirectory() / "umbrant-cli").string() +
                                    " convert vsop" + DataOption());
        ASSERT_EQ(outcome.status, 0) << outcome.err;
    }

    void ExpectDamageReported(const Outcome& outcome, const std::string& name) const
    {
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, Data(name).string())) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, "run the conversion again")) << outcome.err;
    }
};

} // namespace

TEST_F(DataIntegrity, AConversionListsItsImageWithItsSizeAndCrc32)
{
    ConvertEphemeris();
    const std::string manifest = ReadText(Data("manifest.txt"));
    EXPECT_TRUE(Contains(manifest, ManifestLine(Data("Nutation.dat")))) << manifest;
    EXPECT_TRUE(Contains(manifest, ManifestLine(Data("VSOP87.dat")))) << manifest;
    EXPECT_TRUE(Contains(manifest, "Nutation.dat 2544 ")) << manifest;
    EXPECT_FALSE(Contains(manifest, "Elp2000.dat")) << manifest;
}

TEST_F(DataIntegrity, AnImageWithAFlippedByteIsRefusedNamingItAndTheCure)
{
    ConvertEphemeris();
    ASSERT_EQ(Run("ephemeris" + DataOption()).status, 0);
    for (const char* name : {"Nutation.dat", "VSOP87.dat"}) {
        const std::string intact = ReadText(Data(name));
        FlipByte(Data(name), 1000);
        ExpectDamageReported(Run("ephemeris" + DataOption()), name);
        ExpectDamageReported(Run("shadow" + DataOption()), name);
        WriteText(Data(name), intact);
    }
    EXPECT_EQ(Run("ephemeris" + DataOption()).status, 0);
}

TEST_F(DataIntegrity, AnImageCutOrLengthenedSinceItsConversionIsRefused)
{
    ConvertEphemeris();
    const std::string intact = ReadText(Data("Nutation.dat"));
    WriteText(Data("Nutation.dat"), intact + "tail");
    ExpectDamageReported(Run("ephemeris" + DataOption()), "Nutation.dat");
    EXPECT_TRUE(Contains(Run("ephemeris" + DataOption()).err, "2548 bytes where its conversion wrote 2544"));
}

TEST_F(DataIntegrity, ImagesWithoutAManifestLoadAsBefore)
{
    CopyConvertedData({"Elp2000.dat", "VSOP87.dat", "Nutation.dat"});
    const Outcome outcome = Run("ephemeris" + DataOption());
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(Contains(outcome.out, "Moon")) << outcome.out;
}

TEST_F(DataIntegrity, AMissingBorderOrRiverFileDropsItsLayerWithAWarningAndAShortOneIsAnError)
{
    CopyConvertedData({"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "gshhs_i.dat", "fleuves.dat"});
    const std::string render = "render --size 64x48 -o " + Path("map.png").string() + DataOption();
    const Outcome withoutBorders = Run(render);
    EXPECT_EQ(withoutBorders.status, 0);
    EXPECT_EQ(withoutBorders.err, "umbrant-cli: warning: " + Data("frontier.dat").string() + " is missing; the map is drawn without it\n");
    fs::rename(Data("fleuves.dat"), Path("fleuves.dat"));
    EXPECT_EQ(LineCount(Run(render).err), 2);
    fs::rename(Path("fleuves.dat"), Data("fleuves.dat"));

    WriteText(Data("frontier.dat"), std::string(1000, '\0'));
    const Outcome outcome = Run(render);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, Data("frontier.dat").string())) << outcome.err;
    EXPECT_TRUE(Contains(outcome.err, "1000 bytes, expected 180076")) << outcome.err;
}

TEST_F(DataIntegrity, ADamagedRiverFileIsAnErrorNamingIt)
{
    CopyConvertedData({"Elp2000.dat", "VSOP87.dat", "Nutation.dat", "gshhs_i.dat"});
    WriteText(Data("fleuves.txt"), "header\n48.5\t-2.25\n49.0\t-2.0\n\n");
    ASSERT_EQ(Run("convert rivers" + DataOption()).status, 0);
    const std::string render = "render --size 64x48 -o " + Path("map.png").string() + DataOption();
    ASSERT_EQ(Run(render).status, 0);
    FlipByte(Data("fleuves.dat"), 4);
    ExpectDamageReported(Run(render), "fleuves.dat");
}

// A conversion that fails (here on a full disk) keeps the previous image and
// its entry: a later change of that image is still found.
TEST_F(DataIntegrity, AFailedConversionKeepsThePreviousImagesEntry)
{
    ConvertEphemeris();
    const std::string manifest = ReadText(Data("manifest.txt"));
    const Outcome failed = Run("convert nutation" + DataOption(), FailingWrites("Nutation.dat", ENOSPC));
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(Contains(failed.err, "No space left on device")) << failed.err;
    EXPECT_EQ(ReadText(Data("manifest.txt")), manifest);
    FlipByte(Data("Nutation.dat"), 1000);
    ExpectDamageReported(Run("ephemeris" + DataOption()), "Nutation.dat");
}

// A manifest that cannot be read is an error naming it and its line, never a
// reason to check nothing.
TEST_F(DataIntegrity, AnUnreadableManifestIsAnErrorNamingIt)
{
    ConvertEphemeris();
    const std::string listed = ReadText(Data("manifest.txt"));
    const struct {
        const char* what;
        std::string text;
        const char* line;
    } cases[] = {
        {"random bytes", std::string("\x8f\x02\xff\xfe\x00\x13garbage\n", 14), "line 1"},
        {"a checksum of letters", listed + "Elp2000.dat 1569672 zzzzzzzz\n", "line 4"},
        {"a negative size", listed + "Elp2000.dat -5 0000001e\n", "line 4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteText(Data("manifest.txt"), c.text);
        const Outcome outcome = Run("ephemeris" + DataOption());
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(Contains(outcome.err, Data("manifest.txt").string() + ": " + c.line + ": not an entry")) << outcome.err;
    }
}
