#include "ConverterTestDirectory.h"

#include "datafiles/Converters.h"
#include "datafiles/NutationImage.h"
#include "datafiles/NutationTable.h"
#include "datafiles/RecordImage.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

class NutationTableTest : public ConverterTest {
protected:
    std::vector<std::uint8_t> ConvertedTable() const
    {
        WriteNutationText(DataDirectory());
        EXPECT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
        return ReadBytes(kNutationImageName);
    }
};

struct PublishedRow {
    std::size_t index;
    std::vector<int> multipliers; // l, l', F, D, Omega
    float longitude;              // arcseconds
    float longitudeRate;          // 0.00001 arcsecond per century
    float obliquity;
    float obliquityRate;
};

} // namespace

// Rows of the printed table (Explanatory Supplement 1992, table 3.222.1): the
// largest term, the largest of each period group, one with a rate in both
// coordinates, and the last.
TEST_F(NutationTableTest, CarriesThePrintedCoefficientsThroughTheConverter)
{
    const std::vector<PublishedRow> rows = {
        {0, {0, 0, 0, 0, 1}, -17.1996f, -1742.0f, 9.2025f, 89.0f},
        {8, {0, 0, 2, -2, 2}, -1.3187f, -16.0f, 0.5736f, -31.0f},
        {9, {0, 1, 0, 0, 0}, 0.1426f, -34.0f, 0.0054f, -1.0f},
        {30, {0, 0, 2, 0, 2}, -0.2274f, -2.0f, 0.0977f, -5.0f},
        {81, {-1, 0, 2, 4, 2}, -0.0002f, 0.0f, 0.0001f, 0.0f},
        {105, {0, 1, 0, 1, 0}, 0.0001f, 0.0f, 0.0f, 0.0f},
    };
    const std::vector<std::uint8_t> image = ConvertedTable();
    ASSERT_EQ(image.size(), kNutationImageSize);
    for (const PublishedRow& row : rows) {
        const NutationTerm term = RecordAt<NutationTerm>(image, row.index * sizeof(NutationTerm));
        EXPECT_EQ(std::vector<int>(term.multipliers, term.multipliers + 5), row.multipliers) << "row " << row.index + 1;
        EXPECT_EQ(term.longitudeCoefficient, row.longitude) << "row " << row.index + 1;
        EXPECT_EQ(term.longitudeRate, row.longitudeRate) << "row " << row.index + 1;
        EXPECT_EQ(term.obliquityCoefficient, row.obliquity) << "row " << row.index + 1;
        EXPECT_EQ(term.obliquityRate, row.obliquityRate) << "row " << row.index + 1;
    }
}

TEST_F(NutationTableTest, WritesTheTextOfThePublishedInputsAndTheSameImage)
{
    if (!PublishedSourcesPresent()) {
        GTEST_SKIP() << "no published inputs in " UMBRANT_SOURCES_DIR;
    }
    const std::filesystem::path published = std::filesystem::path(UMBRANT_SOURCES_DIR) / kNutationTextName;
    std::ifstream publishedText(published, std::ios::binary);
    const std::string expected((std::istreambuf_iterator<char>(publishedText)), std::istreambuf_iterator<char>());
    EXPECT_EQ(NutationText(), expected);

    const std::vector<std::uint8_t> fromTable = ConvertedTable();
    std::filesystem::copy_file(published, m_directory / kNutationTextName,
                               std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    EXPECT_EQ(fromTable, ReadBytes(kNutationImageName));
}
