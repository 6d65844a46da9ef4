// Checks a data directory's ephemeris series by what they contain, so that a
// download from any mirror (whatever its line endings) is known good or named
// as bad: the term lines of each published text against the counts of the
// image layouts, then the converted images against published figures.
#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "core/Units.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ImageCache.h"
#include "datafiles/NutationImage.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/Nutation.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/SolarSeries.h"

#include <array>
#include <memory>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the front end prints for a series that fails; name is a file of the
// data directory, or "ELP1..ELP36" when the lunar series fail together.
struct Failure {
    std::string name;
    std::string reason;
};

using Failures = std::vector<Failure>;

constexpr const char* kAllElpFiles = "ELP1..ELP36";

template <typename... Values>
std::string Format(const char* format, Values... values)
{
    char text[160];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// Lines that hold something other than blanks.
bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

// The term lines of a text: the lines that are neither blank nor headers; a
// header is the first line, or any line holding headerMarker when one is given.
std::size_t CountTermLines(const std::string& path, const char* headerMarker)
{
    CTextFile text(path);
    std::string line;
    text.ReadString(line);
    std::size_t count = 0;
    while (text.ReadString(line)) {
        if (!IsBlank(line) && (headerMarker == nullptr || line.find(headerMarker) == std::string::npos)) {
            ++count;
        }
    }
    return count;
}

// A failure when the text holds another number of terms than the layout;
// nothing when the text is absent (an installed data directory holds only
// the images). Returns whether the text is good or absent.
bool CheckTermCount(const std::string& directory, const std::string& name, const char* headerMarker,
                    std::size_t expected, Failures& failures)
{
    if (!std::filesystem::exists(directory + name)) {
        return true;
    }
    try {
        const std::size_t found = CountTermLines(directory + name, headerMarker);
        if (found != expected) {
            failures.push_back({name, std::to_string(found) + " term lines, expected " + std::to_string(expected)});
            return false;
        }
    } catch (const CFileException& error) {
        failures.push_back({name, error.Cause()});
        return false;
    }
    return true;
}

std::optional<DataImage> LoadImage(const std::string& directory, const char* imageName, std::size_t size,
                                   const std::string& blamed, Failures& failures)
{
    try {
        return LoadCachedImage(directory + imageName, size);
    } catch (const CFileException& error) {
        failures.push_back({blamed, "not converted (" + std::string(error.what()) + ")"});
        return std::nullopt;
    }
}

// The check positions of the VSOP87 distribution for version C, Earth: JD
// (TDB) and heliocentric X, Y, Z (au, ecliptic and equinox of date).
// Reference: Bretagnon & Francou (1988), VSOP87, the file vsop87.chk of the
//            distribution (CDS VI/81).
struct VsopCheckPosition {
    double julianDay;
    double x;
    double y;
    double z;
};

constexpr std::array<VsopCheckPosition, 10> kVsopCheckPositions = {{
    {2451545.0, -0.1771354615, 0.9672416229, -0.0000039000},
    {2415020.0, -0.1647294827, 0.9693720024, -0.0000005579},
    {2378495.0, -0.1522449491, 0.9713689619, 0.0000002038},
    {2341970.0, -0.1397668624, 0.9731643443, 0.0000024631},
    {2305445.0, -0.1272616591, 0.9748538870, -0.0000016090},
    {2268920.0, -0.1147252848, 0.9763645265, -0.0000020004},
    {2232395.0, -0.1022656436, 0.9777418151, 0.0000037246},
    {2195870.0, -0.0897381298, 0.9789899623, 0.0000014875},
    {2159345.0, -0.0773033683, 0.9799998884, -0.0000012777},
    {2122820.0, -0.0647576071, 0.9808979021, -0.0000030761},
}};

// The check file prints ten decimals.
constexpr double kVsopCheckToleranceAu = 1e-10;

// Whether the image loaded, good or not: the Moon's check needs it there.
bool CheckVsop(const std::string& directory, Failures& failures)
{
    if (!CheckTermCount(directory, kVsopTextName, "VSOP87", kVsopTermCount, failures)) {
        return false;
    }
    const std::optional<DataImage> image = LoadImage(directory, kVsopImageName, kVsopImageSize, kVsopTextName, failures);
    if (!image) {
        return false;
    }
    for (const VsopCheckPosition& check : kVsopCheckPositions) {
        const Vector3 earth = HeliocentricEarth(**image, (check.julianDay - kJulianDateJ2000) / kDaysPerJulianMillennium);
        const double error = std::fmax(std::fabs(earth.x - check.x),
                                       std::fmax(std::fabs(earth.y - check.y), std::fabs(earth.z - check.z)));
        if (error > kVsopCheckToleranceAu) {
            failures.push_back({kVsopTextName, Format("the Earth of JD %.1f is %.3g au from the published check position",
                                                      check.julianDay, error)});
            return true;
        }
    }
    return true;
}

// The nutation of JD 2453736.5 TT, radians, as the IAU SOFA routine NUT80
// gives it in its published test.
constexpr double kNutationCheckCenturies = (2453736.5 - kJulianDateJ2000) / kDaysPerJulianCentury;
constexpr double kNutationCheckLongitude = -0.9643658353226563966e-5;
constexpr double kNutationCheckObliquity = 0.4060051006879713322e-4;
// The program sums in single precision: 1e-9 radian is 0.0002 arcsecond.
constexpr double kNutationCheckTolerance = 1e-9;

bool CheckNutation(const std::string& directory, Failures& failures)
{
    if (!CheckTermCount(directory, kNutationTextName, nullptr, kNutationTermCount, failures)) {
        return false;
    }
    const std::optional<DataImage> image =
        LoadImage(directory, kNutationImageName, kNutationImageSize, kNutationTextName, failures);
    if (!image) {
        return false;
    }
    const NutationAngles nutation = SumNutation(**image, kNutationCheckCenturies);
    const double error = std::fmax(std::fabs(nutation.longitude - kNutationCheckLongitude),
                                   std::fabs(nutation.obliquity - kNutationCheckObliquity));
    if (error > kNutationCheckTolerance) {
        failures.push_back({kNutationTextName, Format("the nutation of JD %.1f is %.3g radian from the published value",
                                                      2453736.5, error)});
        return false;
    }
    return true;
}

// The Moon of 29 March 2006, 10:11:17.9 UT with Delta T 64.9 s: geocentric,
// true equator and equinox of date, light time applied, km; the figures
// printed for the eclipse of that day.
CObservation MoonCheckEpoch()
{
    CObservation observation;
    observation.m_day = 29;
    observation.m_month = 3;
    observation.m_year = 2006;
    observation.m_hour = 10;
    observation.m_minute = 11;
    observation.m_second = 17.9f;
    observation.m_deltaTAuto = false;
    observation.m_deltaT = 64.9f;
    return observation;
}

constexpr Vector3 kMoonCheckPosition = {356308.785, 48138.013, 23524.440};
// Printed to the metre.
constexpr double kMoonCheckToleranceKm = 0.001;

std::size_t ElpTermTotal()
{
    std::size_t total = 0;
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        total += ElpTermCount(series);
    }
    return total;
}

// The text a failure names for an image that the series loading refused.
std::string BlamedText(const CFileException& error)
{
    const std::string image = std::filesystem::path(error.FileName()).filename().string();
    return image == kVsopImageName ? kVsopTextName : image == kNutationImageName ? kNutationTextName : kAllElpFiles;
}

void CheckMoon(const std::string& directory, Failures& failures)
{
    try {
        const std::shared_ptr<const EphemerisSeries> series = LoadEphemerisSeries(directory);
        const Vector3 moon = MoonAtEpoch(*series, MoonCheckEpoch(), kAllPositionOptions);
        const double error = Length(moon - kMoonCheckPosition);
        if (error > kMoonCheckToleranceKm) {
            failures.push_back({kAllElpFiles, Format("the Moon of 2006-03-29 10:11:17.9 UT is %.3f km from its published "
                                                     "place (%.0f km away)",
                                                     error, Length(kMoonCheckPosition))});
        }
    } catch (const CFileException& error) {
        failures.push_back({BlamedText(error), error.what()});
    }
}

void CheckElp(const std::string& directory, bool othersGood, Failures& failures)
{
    // A file with the wrong count is named; the Moon would only blame them all.
    bool countsGood = true;
    for (int series = 1; series <= kElpSeriesCount; ++series) {
        const std::string name = kElpTextPrefix + std::to_string(series);
        countsGood = CheckTermCount(directory, name, nullptr, ElpTermCount(series), failures) && countsGood;
    }
    if (!countsGood) {
        return;
    }
    const std::optional<DataImage> image = LoadImage(directory, kElpImageName, kElpImageSize, kAllElpFiles, failures);
    if (image && othersGood) {
        CheckMoon(directory, failures);
    }
}

// The term count is printed only when the text was there to be counted.
void PrintGood(const char* name, bool counted, std::size_t terms, const std::string& check)
{
    const std::string count = counted ? std::to_string(terms) + " terms; " : std::string();
    std::printf("%-13s %s%s\n", name, count.c_str(), check.c_str());
}

int RunVerifySeries(const DataOption& data)
{
    const std::string directory = data.ReadDirectory();
    Failures failures;
    const bool vsopLoaded = CheckVsop(directory, failures);
    const bool nutationGood = CheckNutation(directory, failures);
    CheckElp(directory, vsopLoaded && nutationGood, failures);
    for (const Failure& failure : failures) {
        std::fprintf(stderr, "umbrant-cli: %s: %s\n", failure.name.c_str(), failure.reason.c_str());
    }
    if (!failures.empty()) {
        return 1;
    }
    PrintGood(kVsopTextName, std::filesystem::exists(directory + kVsopTextName), kVsopTermCount,
              Format("the Earth at the 10 check dates of the distribution within %.0e au", kVsopCheckToleranceAu));
    PrintGood(kNutationTextName, std::filesystem::exists(directory + kNutationTextName), kNutationTermCount,
              Format("the nutation of JD %.1f within %.0e radian", 2453736.5, kNutationCheckTolerance));
    PrintGood(kAllElpFiles, std::filesystem::exists(directory + kElpTextPrefix + "1"), ElpTermTotal(),
              Format("the Moon of 2006-03-29 10:11:17.9 UT within %.0f m", kMoonCheckToleranceKm * kMetresPerKilometre));
    std::printf("The ephemeris series in %s are good\n", directory.c_str());
    return 0;
}

void DefineVerifySeries(CLI::App& command)
{
    auto data = std::make_shared<DataOption>();
    AddDataOption(command, *data);
    command.callback([data] { SetExitStatus(RunVerifySeries(*data)); });
}

const CommandRegistration kVerifySeries("verify-series",
                                        "check the ephemeris series: term counts and published check values",
                                        DefineVerifySeries);

} // namespace
