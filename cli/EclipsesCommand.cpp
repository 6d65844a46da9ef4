#include "cli/CommandRegistry.h"
#include "cli/EclipseOptions.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/search/EclipseSearch.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char* TypeName(EclipseType type)
{
    switch (type) {
    case EclipseType::Annular:
        return "annular";
    case EclipseType::Total:
        return "total";
    case EclipseType::Hybrid:
        return "hybrid";
    case EclipseType::Partial:
        break;
    }
    return "partial";
}

// A figure rounded to the decimals printed, without a negative zero.
double Rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale + 0.0;
}

// One eclipse as every format prints it.
struct EclipseRow {
    std::string greatestUt;
    std::string greatestTt;
    std::string type;
    double gamma, magnitude, latitude, longitude, sunAltitude, deltaT;
    std::optional<double> durationSeconds, widthKm;
    int saros;
};

void RequireFinite(std::initializer_list<double> values)
{
    for (const double value : values) {
        if (!std::isfinite(value)) {
            throw CommandFailure("the computation gave no finite figure for an eclipse (is Delta T sensible?)");
        }
    }
}

EclipseRow RowOf(const EclipseSummary& e)
{
    RequireFinite({e.gamma, e.magnitude, e.latitude, e.longitude, e.sunAltitude, e.deltaT, e.durationSeconds.value_or(0.0),
                   e.widthKm.value_or(0.0)});
    EclipseRow row{IsoTime(e.greatest, e.deltaT), IsoTime(e.greatest, 0.0), TypeName(e.type),
                   Rounded(e.gamma, 4), Rounded(e.magnitude, 4), Rounded(e.latitude, 4), Rounded(e.longitude, 4),
                   Rounded(e.sunAltitude, 1), Rounded(e.deltaT, 1), std::nullopt, std::nullopt, e.saros};
    if (e.durationSeconds) {
        row.durationSeconds = Rounded(*e.durationSeconds, 1);
    }
    if (e.widthKm) {
        row.widthKm = Rounded(*e.widthKm, 1);
    }
    return row;
}

std::string Optional(const std::optional<double>& value, const char* format)
{
    if (!value) {
        return "";
    }
    char text[32];
    std::snprintf(text, sizeof text, format, *value);
    return text;
}

void PrintCsv(const std::vector<EclipseRow>& rows, const TimeModel& model)
{
    std::printf("greatest_ut,greatest_tt,type,gamma,magnitude,latitude,longitude,sun_altitude,duration_s,width_km,saros,delta_t,model\n");
    for (const EclipseRow& r : rows) {
        std::printf("%s,%s,%s,%.4f,%.4f,%.4f,%.4f,%.1f,%s,%s,%d,%.1f,%s\n", r.greatestUt.c_str(), r.greatestTt.c_str(),
                    r.type.c_str(), r.gamma, r.magnitude, r.latitude, r.longitude, r.sunAltitude,
                    Optional(r.durationSeconds, "%.1f").c_str(), Optional(r.widthKm, "%.1f").c_str(), r.saros, r.deltaT,
                    model.Name());
    }
}

void PrintJson(const std::vector<EclipseRow>& rows, const TimeModel& model)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const EclipseRow& r : rows) {
        nlohmann::ordered_json row;
        row["greatest_ut"] = r.greatestUt;
        row["greatest_tt"] = r.greatestTt;
        row["type"] = r.type;
        row["gamma"] = r.gamma;
        row["magnitude"] = r.magnitude;
        row["latitude"] = r.latitude;
        row["longitude"] = r.longitude;
        row["sun_altitude"] = r.sunAltitude;
        row["duration_s"] = r.durationSeconds ? nlohmann::ordered_json(*r.durationSeconds) : nlohmann::ordered_json(nullptr);
        row["width_km"] = r.widthKm ? nlohmann::ordered_json(*r.widthKm) : nlohmann::ordered_json(nullptr);
        row["saros"] = r.saros;
        row["delta_t"] = r.deltaT;
        row["model"] = model.Name();
        list.push_back(std::move(row));
    }
    std::printf("%s\n", list.dump(1).c_str());
}

std::string Duration(const std::optional<double>& seconds)
{
    if (!seconds) {
        return "-";
    }
    const long whole = std::lround(*seconds);
    char text[32];
    std::snprintf(text, sizeof text, "%ldm%02lds", whole / 60, whole % 60);
    return text;
}

void PrintText(const std::vector<EclipseRow>& rows, const TimeModel& model)
{
    std::printf("%-20s  %-7s  %7s  %6s  %8s  %9s  %7s  %8s  %8s  %5s  %8s\n", "Greatest eclipse UT", "Type", "Gamma",
                "Mag.", "Latitude", "Longitude", "Sun alt", "Duration", "Width km", "Saros", "Delta T");
    for (const EclipseRow& r : rows) {
        std::printf("%-20s  %-7s  %7.4f  %6.4f  %8.2f  %9.2f  %7.0f  %8s  %8s  %5d  %6.1f s\n", r.greatestUt.c_str(),
                    r.type.c_str(), r.gamma, r.magnitude, r.latitude, r.longitude, r.sunAltitude,
                    Duration(r.durationSeconds).c_str(), r.widthKm ? Optional(r.widthKm, "%.0f").c_str() : "-", r.saros,
                    r.deltaT);
    }
    std::printf("%zu eclipses; latitudes north and longitudes east positive, degrees; Delta T of the %s model\n",
                rows.size(), model.Name());
}

std::vector<EclipseSummary> Search(const EclipsesRequest& request)
{
    const Ephemeris ephemeris = Ephemeris::Load(request.dataDirectory, request.model);
    const IDeltaTModel& deltaT = ephemeris.DeltaT();
    const Instant from = InstantFromUniversal(UniversalDate{JulianDateOf(request.from), 0.0}, deltaT);
    const Instant to = InstantFromUniversal(UniversalDate{JulianDateOf(request.to) + 1.0, 0.0}, deltaT);
    try {
        return FindEclipses(ephemeris, from, to);
    } catch (const std::out_of_range&) {
        throw CommandFailure("Delta T moves the range outside the years -1999 to 3000 that the search covers");
    }
}

int RunEclipses(const CommandArguments& arguments)
{
    const EclipsesRequest request = ParseEclipsesArguments(arguments);
    std::vector<EclipseRow> rows;
    for (const EclipseSummary& eclipse : Search(request)) {
        rows.push_back(RowOf(eclipse));
    }
    if (request.format == "csv") {
        PrintCsv(rows, request.model);
    } else if (request.format == "json") {
        PrintJson(rows, request.model);
    } else {
        PrintText(rows, request.model);
    }
    return 0;
}

const CommandRegistration kEclipses("eclipses",
                                    "eclipses --from YYYY-MM-DD --to YYYY-MM-DD [--delta-t SECONDS|auto] [--model classic|modern] "
                                    "[--format text|csv|json] [--data DIR]   the solar eclipses between two dates (UT)",
                                    RunEclipses);

} // namespace
