#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "cli/OutputCheck.h"
#include "core/ModernDeltaT.h"
#include "core/Units.h"
#include "eclipse/EpochSky.h"
#include "eclipse/ShadowPlacement.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace {

// Everything the command prints, computed once for all three formats.
struct ShadowReport {
    CObservation observation;
    TimeModel model;
    float deltaTUsed = 0.0f;        // seconds
    float rotationSeconds = 0.0f;   // the outlines' turning back (ShadowPlacement.h)
    bool axisHit = false;
    ShadowPoint axisPoint;
    CGeoPointArray umbra;
    CGeoPointArray penumbra;
    double axisDeclination = 0.0;  // degrees
    double axisHourAngle = 0.0;    // degrees, reduced to [0, 360)
    double moonX = 0.0, moonY = 0.0, moonZ = 0.0;
};

double ReducedDegrees(double radians)
{
    const double degrees = std::fmod(radians * kRadiansToDegrees, 360.0);
    return degrees < 0.0 ? degrees + 360.0 : degrees;
}

void RequireFiniteOutline(const CGeoPointArray& outline, const char* what)
{
    for (const ShadowPoint& point : outline) {
        RequireFinite({point.m_latitude, point.m_longitude}, what);
    }
}

void RequireFiniteReport(const ShadowReport& report)
{
    RequireFinite({report.deltaTUsed, report.rotationSeconds}, "time");
    RequireFinite({report.axisDeclination, report.axisHourAngle}, "direction of the shadow axis");
    RequireFinite({report.moonX, report.moonY, report.moonZ}, "position of the Moon");
    if (report.axisHit) {
        RequireFinite({report.axisPoint.m_latitude, report.axisPoint.m_longitude}, "axis point");
    }
    RequireFiniteOutline(report.umbra, "umbra outline");
    RequireFiniteOutline(report.penumbra, "penumbra outline");
}

ShadowReport ComputeReport(const CObservation& observation, const std::string& dataDirectory, const TimeModel& model)
{
    const EpochSky sky = SkyAtEpoch(Ephemeris::Load(dataDirectory, model), observation);
    ShadowReport report;
    report.observation = observation;
    report.model = sky.model;
    report.deltaTUsed = static_cast<float>(sky.deltaT);
    report.rotationSeconds = sky.outlines.rotationSeconds;
    report.axisHit = sky.outlines.axisHit;
    report.axisPoint = sky.outlines.axisPoint;
    report.umbra = sky.outlines.umbra;
    report.penumbra = sky.outlines.penumbra;
    report.axisDeclination = sky.axisDeclination * kRadiansToDegrees;
    report.axisHourAngle = ReducedDegrees(sky.axisHourAngle);
    report.moonX = sky.moonOnPlane.x;
    report.moonY = sky.moonOnPlane.y;
    report.moonZ = sky.moonOnPlane.z;
    RequireFiniteReport(report);
    return report;
}

double Latitude(const ShadowPoint& point)
{
    return point.m_latitude * kRadiansToDegrees;
}

double Longitude(const ShadowPoint& point, const ShadowReport& report)
{
    return PlacedEastLongitudeDegrees(point.m_longitude, report.rotationSeconds);
}

std::string JsonNumber(double value)
{
    if (!std::isfinite(value)) {
        return "null";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

bool IsFinite(const ShadowPoint& point, const ShadowReport& report)
{
    return std::isfinite(Latitude(point)) && std::isfinite(Longitude(point, report));
}

void PrintInstant(const ShadowReport& report)
{
    const CivilDateTime shown = DisplayedTime(report.observation, 2);
    std::printf("Instant            %04d-%02d-%02d %02d:%02d:%05.2f UT\n", shown.year, shown.month, shown.day, shown.hour,
                shown.minute, shown.second);
    std::printf("Delta T used       %.3f s (%s)\n", static_cast<double>(report.deltaTUsed),
                report.observation.m_deltaTAuto ? "automatic" : "given");
    std::printf("Model              %s\n", ModelDescription(report.model).c_str());
}

void PrintOutline(const char* name, const CGeoPointArray& outline, const ShadowReport& report)
{
    std::printf("%-18s %zu points (latitude, longitude in degrees, east positive)\n", name, outline.size());
    for (const ShadowPoint& point : outline) {
        std::printf("  %10.5f %11.5f\n", Latitude(point), Longitude(point, report));
    }
}

void PrintText(const ShadowReport& report)
{
    PrintInstant(report);
    std::printf("Axis meets Earth   %s\n", report.axisHit ? "yes" : "no");
    if (report.axisHit) {
        std::printf("Axis point         latitude %.5f, longitude %.5f\n", Latitude(report.axisPoint),
                    Longitude(report.axisPoint, report));
    }
    std::printf("Axis direction     declination %.6f deg, Greenwich hour angle %.6f deg\n", report.axisDeclination,
                report.axisHourAngle);
    std::printf("Moon, fundamental plane (Earth radii)  x %.6f  y %.6f  z %.6f\n", report.moonX, report.moonY,
                report.moonZ);
    PrintOutline("Umbra", report.umbra, report);
    PrintOutline("Penumbra", report.penumbra, report);
}

void PrintCsvRows(const char* kind, const CGeoPointArray& outline, const ShadowReport& report)
{
    for (std::size_t i = 0; i < outline.size(); ++i) {
        std::printf("%s,%zu,%.6f,%.6f\n", kind, i, Latitude(outline[i]), Longitude(outline[i], report));
    }
}

void PrintCsv(const ShadowReport& report)
{
    std::printf("kind,index,latitude_deg,longitude_deg\n");
    if (report.axisHit) {
        std::printf("axis,0,%.6f,%.6f\n", Latitude(report.axisPoint), Longitude(report.axisPoint, report));
    }
    PrintCsvRows("umbra", report.umbra, report);
    PrintCsvRows("penumbra", report.penumbra, report);
}

void PrintGeoJsonOutline(const char* kind, const CGeoPointArray& outline, const ShadowReport& report)
{
    std::printf(",\n{\"type\":\"Feature\",\"properties\":{\"kind\":\"%s\",\"points\":%zu},"
                "\"geometry\":{\"type\":\"MultiPoint\",\"coordinates\":[",
                kind, outline.size());
    const char* separator = "";
    for (const ShadowPoint& point : outline) {
        // JSON has no NaN: a point that hostile input made undefined is left out.
        if (IsFinite(point, report)) {
            std::printf("%s[%.6f,%.6f]", separator, Longitude(point, report), Latitude(point));
            separator = ",";
        }
    }
    std::printf("]}}");
}

void PrintGeoJson(const ShadowReport& report)
{
    const CivilDateTime o = DisplayedTime(report.observation, 2);
    std::printf("{\"type\":\"FeatureCollection\",\"features\":[\n");
    // The axis feature carries the instant; its geometry is null when the axis misses the Earth.
    std::printf("{\"type\":\"Feature\",\"properties\":{\"kind\":\"axis\",\"instant\":\"%04d-%02d-%02dT%02d:%02d:%05.2fZ\","
                "\"deltaT\":%s,\"model\":\"%s\",\"axisDeclination\":%s,\"axisHourAngle\":%s,\"moonX\":%s,\"moonY\":%s,\"moonZ\":%s},"
                "\"geometry\":",
                o.year, o.month, o.day, o.hour, o.minute, o.second,
                JsonNumber(report.deltaTUsed).c_str(), report.model.Name(), JsonNumber(report.axisDeclination).c_str(),
                JsonNumber(report.axisHourAngle).c_str(), JsonNumber(report.moonX).c_str(),
                JsonNumber(report.moonY).c_str(), JsonNumber(report.moonZ).c_str());
    if (report.axisHit && IsFinite(report.axisPoint, report)) {
        std::printf("{\"type\":\"Point\",\"coordinates\":[%.6f,%.6f]}}", Longitude(report.axisPoint, report),
                    Latitude(report.axisPoint));
    } else {
        std::printf("null}");
    }
    PrintGeoJsonOutline("umbra", report.umbra, report);
    PrintGeoJsonOutline("penumbra", report.penumbra, report);
    std::printf("\n]}\n");
}

struct ShadowRequest {
    std::optional<CivilDateTime> date;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

void RunShadow(const ShadowRequest& request)
{
    CObservation observation;
    ApplyEpoch(request.date, request.model, observation);
    const ShadowReport report = ComputeReport(observation, request.data.ReadDirectory(), request.model.Model());
    if (request.format == "csv") {
        PrintCsv(report);
    } else if (request.format == "geojson") {
        PrintGeoJson(report);
    } else {
        PrintText(report);
    }
}

void DefineShadow(CLI::App& command)
{
    auto request = std::make_shared<ShadowRequest>();
    AddEpochDate(command, request->date);
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "csv", "geojson"});
    AddDataOption(command, request->data);
    command.callback([request] { RunShadow(*request); });
}

const CommandRegistration kShadow("shadow", "the shadow axis and the umbra and penumbra outlines on the Earth",
                                  DefineShadow);

} // namespace
