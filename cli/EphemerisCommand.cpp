#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "cli/OutputCheck.h"
#include "core/Units.h"
#include "eclipse/EpochSky.h"
#include "ephemeris/Ephemeris.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
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

struct EphemerisRequest {
    std::optional<CivilDateTime> date;
    TimeModelOptions model;
    DataOption data;
};

void RunEphemeris(const EphemerisRequest& request)
{
    CObservation observation;
    ApplyEpoch(request.date, request.model, observation);
    const EpochSky sky = SkyAtEpoch(Ephemeris::Load(request.data.ReadDirectory(), request.model.Model()), observation);
    RequireFinite({sky.sun.x, sky.sun.y, sky.sun.z}, "position of the Sun");
    RequireFinite({sky.moon.x, sky.moon.y, sky.moon.z}, "position of the Moon");
    RequireFinite({sky.nutation.longitude, sky.nutation.obliquity}, "nutation");
    RequireFinite({sky.instant.JulianDate(), sky.deltaT, sky.siderealTime}, "time");

    const CivilDateTime shown = DisplayedTime(observation, 3);
    std::printf("Epoch %04d-%02d-%02d %02d:%02d:%06.3f UT, Delta T %.3f s (%s), JD %.8f TT\n", shown.year, shown.month,
                shown.day, shown.hour, shown.minute, shown.second, sky.deltaT,
                observation.m_deltaTAuto ? "automatic" : "given", sky.instant.JulianDate());
    std::printf("Geocentric, true equator and equinox of date, light time applied\n");
    const double sun[3] = {sky.sun.x, sky.sun.y, sky.sun.z};
    const double moon[3] = {sky.moon.x, sky.moon.y, sky.moon.z};
    PrintBody("Sun", "au", "%.10f", sun);
    PrintBody("Moon", "km", "%.3f", moon);
    std::printf("Nutation  longitude %.4f\"  obliquity %.4f\"\n", sky.nutation.longitude * kRadiansToArcseconds,
                sky.nutation.obliquity * kRadiansToArcseconds);
    const Sexagesimal sidereal = SplitSexagesimal(sky.siderealTime / kRadiansPerHour, 4);
    std::printf("Sidereal time used %02dh %02dm %07.4fs\n", sidereal.units % 24, sidereal.minutes, sidereal.seconds);
    std::printf("Model %s\n", ModelDescription(sky.model).c_str());
}

void DefineEphemeris(CLI::App& command)
{
    auto request = std::make_shared<EphemerisRequest>();
    AddEpochDate(command, request->date);
    AddTimeModelOptions(command, request->model);
    AddDataOption(command, request->data);
    command.callback([request] { RunEphemeris(*request); });
}

const CommandRegistration kEphemeris("ephemeris", "the Sun, the Moon and the nutation of an instant", DefineEphemeris);

} // namespace
