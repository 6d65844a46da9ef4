#include "EphemerisTestData.h"

#include "datafiles/FileIo.h"
#include "datafiles/NutationImage.h"
#include "datafiles/NutationTable.h"
#include "ephemeris/Nutation.h"

namespace {

struct NutationCheck {
    double julianDayTT;
    double longitude; // radians
    double obliquity; // radians
};

class NutationFromTheTable : public SyntheticImageTest {};

} // namespace

// The series the program writes from its own table, converted and summed,
// against the IAU 1980 nutation of the IAU SOFA routine NUT80: its published
// test value (JD 2453736.5), and J2000 as the existing nutation tests take it.
// Single-precision sums keep about 1e-10 radian.
TEST_F(NutationFromTheTable, MatchesTheSofaRoutine)
{
    WriteNutationText(DataDirectory());
    ASSERT_EQ(ConvertNutation(DataDirectory()), ConversionStatus::Completed);
    const std::vector<std::uint8_t> image = ReadFileImage(PathOf(kNutationImageName), kNutationImageSize);
    const std::vector<NutationCheck> checks = {
        {2453736.5, -0.9643658353226563966e-5, 0.4060051006879713322e-4},
        {2451545.0, -6.7502476e-05, -2.7992212e-05},
    };
    for (const NutationCheck& check : checks) {
        const NutationAngles nutation = SumNutation(image, (check.julianDayTT - 2451545.0) / 36525.0);
        EXPECT_NEAR(nutation.longitude, check.longitude, 2e-10) << "JD " << check.julianDayTT;
        EXPECT_NEAR(nutation.obliquity, check.obliquity, 2e-10) << "JD " << check.julianDayTT;
    }
}
