// Series images of the right size whose content is not a conversion of the
// published series (bytes of 0xFF, NaN, zeros, another image's bytes, a
// series scaled) are refused when they are loaded, naming the file, so that
// no command computes with them and reports "no eclipse".
#include "EphemerisTestData.h"

#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/EphemerisSeries.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {

using Damage = std::function<void(std::vector<std::uint8_t>&)>;

void Fill(std::vector<std::uint8_t>& image, std::uint8_t byte)
{
    std::fill(image.begin(), image.end(), byte);
}

void FillWithNaN(std::vector<std::uint8_t>& image)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (std::size_t offset = 0; offset + sizeof nan <= image.size(); offset += sizeof nan) {
        std::memcpy(image.data() + offset, &nan, sizeof nan);
    }
}

// Every amplitude of the VSOP87 image doubled: the Sun twice as far.
void DoubleVsopAmplitudes(std::vector<std::uint8_t>& image)
{
    for (std::size_t term = 0; term < kVsopTermCount; ++term) {
        VsopTerm record = RecordAt<VsopTerm>(image, term * sizeof(VsopTerm));
        record.amplitude *= 2.0;
        StoreRecord(std::span<std::uint8_t>(image), term * sizeof(VsopTerm), record);
    }
}

struct DamagedImage {
    const char* what;
    const char* image;
    Damage damage;
    const char* cause;  // the start of what the refusal says
};

class SeriesPlausibility : public SyntheticImageTest {
protected:
    void CopyPublished(const std::string& directory) const
    {
        for (const char* name : {kVsopImageName, kElpImageName, kNutationImageName}) {
            std::filesystem::copy_file(directory + name, PathOf(name), std::filesystem::copy_options::overwrite_existing);
        }
    }
};

} // namespace

TEST_F(SeriesPlausibility, ImagesThatAreNotTheSeriesAreRefusedNamingTheFile)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    const std::vector<DamagedImage> cases = {
        {"VSOP87 of 0xFF", kVsopImageName, [](auto& image) { Fill(image, 0xff); }, "the Sun's distance in 1000 is not a finite number"},
        {"VSOP87 of zeros", kVsopImageName, [](auto& image) { Fill(image, 0); }, "the Sun's distance in 1000 is 0 au"},
        {"VSOP87 doubled", kVsopImageName, DoubleVsopAmplitudes, "the Sun's distance in 1000 is 1.9"},
        {"ELP of 0xFF", kElpImageName, [](auto& image) { Fill(image, 0xff); }, "the Moon's distance in 1000 is not a finite number"},
        {"ELP of zeros", kElpImageName, [](auto& image) { Fill(image, 0); }, "the Moon's distance in 1000 is 0 km"},
        {"ELP of NaN", kElpImageName, FillWithNaN, "the Moon's distance in 1000 is not a finite number"},
        {"nutation of NaN", kNutationImageName, FillWithNaN, "the nutation in 1000 is not a finite number"},
        {"nutation of zeros", kNutationImageName, [](auto& image) { Fill(image, 0); }, "the nutation in 1000 is 0\""},
    };
    for (const DamagedImage& c : cases) {
        SCOPED_TRACE(c.what);
        CopyPublished(directory);
        std::vector<std::uint8_t> image = ReadBytes(c.image);
        c.damage(image);
        WriteImage(c.image, image);
        ClearImageCache();
        try {
            LoadEphemerisSeries(DataDirectory());
            ADD_FAILURE() << "loaded";
        } catch (const CFileException& error) {
            EXPECT_EQ(error.FileName(), PathOf(c.image));
            EXPECT_EQ(error.Cause().rfind(c.cause, 0), 0u) << error.Cause();
        }
    }
}

TEST_F(SeriesPlausibility, ThePublishedSeriesLoad)
{
    SKIP_WITHOUT_PUBLISHED_SERIES(directory);
    CopyPublished(directory);
    EXPECT_NO_THROW(LoadEphemerisSeries(DataDirectory()));
}
