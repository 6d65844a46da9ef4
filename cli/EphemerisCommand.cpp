#include "cli/CommandRegistry.h"
#include "cli/DataOption.h"
#include "cli/EpochOption.h"
#include "cli/ModelOption.h"
#include "cli/OutputCheck.h"
#include "core/ModernDeltaT.h"
#include "core/Units.h"
#include "ephemeris/Ephemeris.h"
#include "ephemeris/EphemerisSeries.h"
#include "ephemeris/EpochPositions.h"
#include "ephemeris/PositionOptions.h"
#include "ephemeris/TimeScales.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <stdexcept>
#include <string>

namespace {

constexpr double kRadiansToArcseconds = kRadiansToDegrees * 3600.0;

// A quantity in units, sixtieths and 3600ths, the last rounded to some
// decimals so that it never prints as 60.
struct Sexagesimal {
    int units = 0;
    int minutes = 0;
    double seconds = 0.0;
};

// value: finite, from 0 to 360 (hours of right ascension or degrees).
Sexagesimal SplitSexagesimal(double value, int decimals)
{
    if (!(value >= 0.0 && value <= 360.0)) {
        throw std::domain_error("no sexagesimal form for " + std::to_string(value));
    }
    const double scale = std::pow(10.0, decimals);
    const double total = std::round(value * 3600.0 * scale) / scale;
    const double units = std::floor(total / 3600.0);
    const double minutes = std::floor((total - units * 3600.0) / 60.0);
    return {static_cast<int>(units), static_cast<int>(minutes), total - units * 3600.0 - minutes * 60.0};
}

void PrintBody(const char* name, const char* unit, const char* format, const double position[3])
{
    const double distance = std::sqrt(position[0] * position[0] + position[1] * position[1] + position[2] * position[2]);
    double rightAscension = std::atan2(position[1], position[0]) * kRadiansToDegrees / 15.0;
    if (rightAscension < 0.0) {
        rightAscension += 24.0;
    }
    const double declination = std::asin(position[2] / distance) * kRadiansToDegrees;
    Sexagesimal ra = SplitSexagesimal(rightAscension, 3);
    if (ra.units == 24) {
        ra.units = 0;  // 23h 59m 59.9996s rounds to the start of the circle
    }
    const Sexagesimal dec = SplitSexagesimal(std::fabs(declination), 2);

    const std::string vectorFormat = std::string("%-5s x ") + format + "  y " + format + "  z " + format + " %s\n";
    std::printf(vectorFormat.c_str(), name, position[0], position[1], position[2], unit);
    std::printf("      RA %02dh %02dm %06.3fs  Dec %c%02d\xC2\xB0 %02d' %05.2f\"  distance ", ra.units, ra.minutes, ra.seconds,
                declination < 0.0 ? '-' : '+', dec.units, dec.minutes, dec.seconds);
    std::printf(format, distance);
    std::printf(" %s\n", unit);
}

// What the command prints, computed by either model.
struct EphemerisReport {
    double deltaTUsed = 0.0;   // seconds
    double julianDateTT = 0.0;
    double sun[3] = {};        // au
    double moon[3] = {};       // km
    float nutationInLongitude = 0.0f;
    float nutationInObliquity = 0.0f;
    double siderealTime = 0.0; // radians; printed by the modern model only
};

// The document's arithmetic, as its maps were drawn.
EphemerisReport ClassicReport(const CObservation& observation, const std::string& dataDirectory)
{
    CTimeTerms terms;
    ComputeTimeTerms(observation, terms);

    const std::shared_ptr<const EphemerisSeries> series = LoadEphemerisSeries(dataDirectory);
    EphemerisReport report;
    ToArray(SunAtEpoch(*series, observation, kAllPositionOptions), report.sun);
    ToArray(MoonAtEpoch(*series, observation, kAllPositionOptions), report.moon);
    const NutationAngles nutation = SumNutation(*series->nutation, kCenturiesPerMillennium * terms.m_millennia2000TT);
    report.nutationInLongitude = nutation.longitude;
    report.nutationInObliquity = nutation.obliquity;
    report.deltaTUsed = static_cast<double>(terms.m_deltaTUsed);
    report.julianDateTT = 2451545.0 + terms.m_millennia2000TT * 365250.0;
    return report;
}

// The evaluators at the epoch's instant under the ephemeris model.
EphemerisReport ModelReport(const CObservation& observation, const std::string& dataDirectory, ModelChoice model)
{
    const Ephemeris ephemeris = Ephemeris::Load(dataDirectory, EphemerisModelFor(model, observation));
    const Instant instant = InstantOfObservation(ephemeris, observation);
    EphemerisReport report;
    ToArray(SunAt(ephemeris, instant, kAllPositionOptions), report.sun);
    ToArray(MoonAt(ephemeris, instant, kAllPositionOptions), report.moon);
    const NutationAngles nutation = NutationAt(ephemeris, instant);
    report.nutationInLongitude = nutation.longitude;
    report.nutationInObliquity = nutation.obliquity;
    report.deltaTUsed = DeltaTAt(instant, ephemeris.DeltaT());
    report.julianDateTT = instant.JulianDate();
    report.siderealTime = GreenwichSiderealTime(ephemeris, instant, report.deltaTUsed);
    return report;
}

int RunEphemeris(const CommandArguments& arguments)
{
    OptionReader options(arguments);
    const std::string dataDirectory = TakeDataDirectory(options);
    const CObservation observation = TakeEpoch(options);
    const ModelChoice model = TakeModel(options);
    if (!options.Positionals().empty()) {
        throw UsageError{"unexpected argument " + options.Positionals().front()};
    }
    const EphemerisReport report =
        model == ModelChoice::Classic ? ClassicReport(observation, dataDirectory) : ModelReport(observation, dataDirectory, model);
    RequireFinite({report.sun[0], report.sun[1], report.sun[2]}, "position of the Sun");
    RequireFinite({report.moon[0], report.moon[1], report.moon[2]}, "position of the Moon");
    RequireFinite({report.nutationInLongitude, report.nutationInObliquity}, "nutation");
    RequireFinite({report.julianDateTT, report.deltaTUsed, report.siderealTime}, "time");

    const CivilDateTime shown = DisplayedTime(observation, 3);
    std::printf("Epoch %04d-%02d-%02d %02d:%02d:%06.3f UT, Delta T %.3f s (%s), JD %.8f TT\n", shown.year, shown.month,
                shown.day, shown.hour, shown.minute, shown.second, report.deltaTUsed,
                observation.m_deltaTAuto ? "automatic" : "given", report.julianDateTT);
    std::printf("Geocentric, true equator and equinox of date, light time applied\n");
    PrintBody("Sun", "au", "%.10f", report.sun);
    PrintBody("Moon", "km", "%.3f", report.moon);
    std::printf("Nutation  longitude %.4f\"  obliquity %.4f\"\n", report.nutationInLongitude * kRadiansToArcseconds,
                report.nutationInObliquity * kRadiansToArcseconds);
    if (model == ModelChoice::Modern) {
        const Sexagesimal sidereal = SplitSexagesimal(report.siderealTime / kRadiansPerHour, 4);
        std::printf("Model modern: observed Delta T, Moon at %.1f\"/cy^2, Greenwich apparent sidereal time %02dh %02dm %07.4fs\n",
                    kModernLunarAcceleration, sidereal.units % 24, sidereal.minutes, sidereal.seconds);
    }
    return 0;
}

const CommandRegistration kEphemeris(
    "ephemeris",
    "ephemeris [--date YYYY-MM-DDTHH:MM:SS.ss] [--delta-t SECONDS|auto] [--model classic|modern] [--data DIR]   "
    "print the Sun, the Moon and the nutation",
    RunEphemeris);

} // namespace
