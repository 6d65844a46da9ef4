// The manifest of the conversions: the checksum is the standard CRC-32, the
// text reads back what was written, and a loaded image that differs from its
// entry is refused, naming it, while an image without an entry loads.
#include "datafiles/Converters.h"
#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"
#include "datafiles/ImageCache.h"

#include "tests/TestDirectory.h"
#include "tests/datafiles/SeriesTextMaker.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using DataManifestTest = TemporaryDirectoryTest;

std::span<const std::uint8_t> BytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

const std::vector<std::uint8_t> kImage(2544, 0x42);

constexpr const char* kManifestHeaderForTests = "# Umbrant data images: name, size in bytes, CRC-32 (zlib)\n";

} // namespace

TEST(ImageChecksum, IsTheStandardCrc32)
{
    // The check values of the CRC-32/ISO-HDLC catalogue entry (zlib, PNG, gzip).
    EXPECT_EQ(ImageChecksum(BytesOf("123456789")), 0xcbf43926u);
    EXPECT_EQ(ImageChecksum(BytesOf("")), 0x00000000u);
    EXPECT_EQ(ImageChecksum(BytesOf("The quick brown fox jumps over the lazy dog")), 0x414fa339u);
}

TEST(ManifestText, ReadsBackWhatItWrites)
{
    const std::vector<ManifestEntry> entries{{"VSOP87.dat", 100656, 0x7bf813ab}, {"Nutation.dat", 2544, 0x0000001e}};
    const std::string text = FormatManifest(entries);
    EXPECT_EQ(text, "# Umbrant data images: name, size in bytes, CRC-32 (zlib)\n"
                    "Nutation.dat 2544 0000001e\n"
                    "VSOP87.dat 100656 7bf813ab\n");
    EXPECT_EQ(ParseManifest(text, "manifest.txt"), (std::vector<ManifestEntry>{entries[1], entries[0]}));
    // Blank lines and comments are no entries; the last line may lack its end.
    EXPECT_EQ(ParseManifest("# comment\n\nElp2000.dat 1569672 b8941446", "manifest.txt"),
              (std::vector<ManifestEntry>{{"Elp2000.dat", 1569672, 0xb8941446}}));
}

// A manifest that cannot be read would turn every check off: each line that
// is not an entry is an error naming the file and the line.
TEST(ManifestText, RefusesALineThatIsNotAnEntryNamingIt)
{
    const struct {
        const char* line;
        const char* why;
    } cases[] = {
        {"Nutation.dat 2544 zzzzzzzz", "checksum not hexadecimal"},
        {"Nutation.dat -5 0000001e", "negative size"},
        {"Nutation.dat 2544 1e", "checksum not of 8 digits"},
        {"VSOP87.dat 100656 7bf813ab trail", "something after"},
        {" 100656 7bf813ab", "no name"},
        {"Nutation.dat", "name alone"},
        {"\x93\xff\x01\x7f binary", "random bytes"},
        {"Nutation.dat 2544 0000001e\r", "a DOS line end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        try {
            ParseManifest(std::string(kManifestHeaderForTests) + "VSOP87.dat 100656 7bf813ab\n" + c.line + "\n", "data/manifest.txt");
            ADD_FAILURE() << "read";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), "data/manifest.txt");
            EXPECT_NE(std::string(error.what()).find("line 3: not an entry"), std::string::npos) << error.what();
        }
    }
}

TEST_F(DataManifestTest, AWrittenImageIsListedAndLoads)
{
    WriteDataImage(DataDirectory(), "Nutation.dat", kImage);
    const std::vector<std::uint8_t> text = ReadBytes("manifest.txt");
    EXPECT_EQ(ParseManifest(std::string(text.begin(), text.end()), "manifest.txt"),
              (std::vector<ManifestEntry>{{"Nutation.dat", 2544, ImageChecksum(kImage)}}));
    ClearImageCache();
    EXPECT_EQ(LoadCachedImage(PathOf("Nutation.dat"), kImage.size())->size(), kImage.size());
}

TEST_F(DataManifestTest, AnImageChangedSinceItsConversionIsRefusedNamingIt)
{
    WriteDataImage(DataDirectory(), "Nutation.dat", kImage);
    std::vector<std::uint8_t> flipped = kImage;
    flipped[1000] ^= 0x01;
    const std::vector<std::uint8_t> longer(kImage.size() + 4, 0x42);
    for (const auto& [bytes, actualSize] : {std::pair(flipped, std::size_t{2544}), std::pair(longer, std::size_t{2548})}) {
        WriteBytes("Nutation.dat", bytes);
        ClearImageCache();
        try {
            LoadCachedImage(PathOf("Nutation.dat"), kImage.size());
            ADD_FAILURE() << "loaded";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.Kind(), FileErrorKind::Damaged);
            EXPECT_EQ(error.FileName(), PathOf("Nutation.dat"));
            EXPECT_EQ(error.ActualSize(), actualSize);
            EXPECT_EQ(error.ExpectedSize(), 2544u);
            EXPECT_NE(std::string(error.what()).find("run the conversion again"), std::string::npos);
        }
    }
}

TEST_F(DataManifestTest, AnImageTheManifestDoesNotListLoadsUnchecked)
{
    WriteDataImage(DataDirectory(), "VSOP87.dat", kImage);
    WriteBytes("Nutation.dat", kImage);
    ClearImageCache();
    EXPECT_NO_THROW(LoadCachedImage(PathOf("Nutation.dat"), kImage.size()));
}

TEST_F(DataManifestTest, AConversionReplacesOnlyItsOwnEntry)
{
    WriteDataImage(DataDirectory(), "VSOP87.dat", kImage);
    WriteText("Nutation.txt", series_text::NutationText());
    BuildNutationImage(DataDirectory());
    BuildNutationImage(DataDirectory());
    const std::vector<std::uint8_t> text = ReadBytes("manifest.txt");
    const std::vector<ManifestEntry> entries = ParseManifest(std::string(text.begin(), text.end()), "manifest.txt");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "Nutation.dat");
    EXPECT_EQ(entries[0].checksum, ImageChecksum(ReadBytes("Nutation.dat")));
    EXPECT_EQ(entries[1], (ManifestEntry{"VSOP87.dat", kImage.size(), ImageChecksum(kImage)}));
}

TEST_F(DataManifestTest, AFailedConversionKeepsThePreviousImageAndItsEntry)
{
    WriteText("Nutation.txt", series_text::NutationText());
    BuildNutationImage(DataDirectory());
    std::filesystem::remove(PathOf("Nutation.txt"));
    EXPECT_THROW(BuildNutationImage(DataDirectory()), CFileException);
    const std::vector<std::uint8_t> text = ReadBytes("manifest.txt");
    EXPECT_EQ(ParseManifest(std::string(text.begin(), text.end()), "manifest.txt").size(), 1u);
    ClearImageCache();
    EXPECT_NO_THROW(LoadCachedImage(PathOf("Nutation.dat"), 2544));
}

TEST_F(DataManifestTest, AnUnreadableManifestRefusesEveryImageAndEveryConversionNamingIt)
{
    WriteDataImage(DataDirectory(), "Nutation.dat", kImage);
    WriteText("manifest.txt", "Nutation.dat 2544 zzzzzzzz\n");
    ClearImageCache();
    try {
        LoadCachedImage(PathOf("Nutation.dat"), kImage.size());
        ADD_FAILURE() << "loaded";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.FileName(), PathOf("manifest.txt"));
    }
    WriteText("Nutation.txt", series_text::NutationText());
    EXPECT_THROW(BuildNutationImage(DataDirectory()), CFileException);
    EXPECT_EQ(ReadBytes("Nutation.dat"), kImage);
}
