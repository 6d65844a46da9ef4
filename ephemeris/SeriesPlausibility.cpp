#include "ephemeris/SeriesPlausibility.h"

#include "core/Units.h"
#include "datafiles/ElpImage.h"
#include "datafiles/FileException.h"
#include "datafiles/NutationImage.h"
#include "datafiles/ProgramDirectory.h"
#include "datafiles/VsopImage.h"
#include "ephemeris/LunarSeries.h"
#include "ephemeris/Nutation.h"
#include "ephemeris/SolarSeries.h"

#include <cmath>
#include <cstdio>

namespace {

// Julian centuries from J2000 (TT) of 1000, 2024 and 3000.
constexpr double kCheckCenturies[] = {-10.0, 0.24, 10.0};
constexpr const char* kCheckYears[] = {"1000", "2024", "3000"};

constexpr double kLeastNutationArcseconds = 5.0;
constexpr double kMostNutationArcseconds = 25.0;
constexpr double kNearestSunAu = 0.97;
constexpr double kFarthestSunAu = 1.03;
constexpr double kNearestMoonKm = 350000.0;
constexpr double kFarthestMoonKm = 410000.0;
constexpr double kMostMoonLatitudeDegrees = 6.0;

std::string Figure(double value, const char* format)
{
    if (!std::isfinite(value)) {
        return "not a finite number";
    }
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// "QUANTITY in YEAR is VALUE, where EXPECTED is expected", raised against image.
[[noreturn]] void Refuse(const std::string& dataDirectory, const char* image, const std::string& quantity,
                         const std::string& value, const char* expected, std::size_t instant)
{
    throw CFileException(JoinPath(dataDirectory, image),
                         quantity + " in " + kCheckYears[instant] + " is " + value + ", where " + expected +
                             " is expected: not a sound conversion of the published series (convert it again)");
}

void CheckNutation(const EphemerisSeries& series, const std::string& dataDirectory, std::size_t instant)
{
    const NutationAngles nutation = SumNutation(*series.nutation, kCheckCenturies[instant]);
    const double arcseconds = std::hypot(static_cast<double>(nutation.longitude), static_cast<double>(nutation.obliquity)) *
                              kArcsecondsPerRadian;
    if (!(arcseconds >= kLeastNutationArcseconds && arcseconds <= kMostNutationArcseconds)) {
        Refuse(dataDirectory, kNutationImageName, "the nutation", Figure(arcseconds, "%.3g\""), "5\" to 25\"", instant);
    }
}

void CheckSun(const EphemerisSeries& series, const std::string& dataDirectory, std::size_t instant)
{
    const double distance = Length(HeliocentricEarth(*series.vsop, kCheckCenturies[instant] / kCenturiesPerMillennium));
    if (!(distance >= kNearestSunAu && distance <= kFarthestSunAu)) {
        Refuse(dataDirectory, kVsopImageName, "the Sun's distance", Figure(distance, "%.6g au"), "0.97 to 1.03 au", instant);
    }
}

void CheckMoon(const EphemerisSeries& series, const std::string& dataDirectory, std::size_t instant)
{
    const LunarSpherical moon = SumLunarSeries(*series.elpTerms, ComputeLunarArguments(kCheckCenturies[instant]));
    if (!(moon.distance >= kNearestMoonKm && moon.distance <= kFarthestMoonKm)) {
        Refuse(dataDirectory, kElpImageName, "the Moon's distance", Figure(moon.distance, "%.0f km"), "350000 to 410000 km",
               instant);
    }
    if (!(std::abs(moon.latitude) <= kMostMoonLatitudeDegrees * kDegreesToRadians)) {
        Refuse(dataDirectory, kElpImageName, "the Moon's latitude", Figure(moon.latitude * kRadiansToDegrees, "%.3g degrees"),
               "-6 to 6 degrees", instant);
    }
    if (!std::isfinite(moon.longitude)) {
        Refuse(dataDirectory, kElpImageName, "the Moon's longitude", "not a finite number", "a number", instant);
    }
}

} // namespace

void CheckSeriesPlausible(const EphemerisSeries& series, const std::string& dataDirectory)
{
    for (std::size_t instant = 0; instant < std::size(kCheckCenturies); ++instant) {
        CheckNutation(series, dataDirectory, instant);
        CheckSun(series, dataDirectory, instant);
        CheckMoon(series, dataDirectory, instant);
    }
}
