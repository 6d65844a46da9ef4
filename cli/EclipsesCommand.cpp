#include "cli/CommandRegistry.h"
#include "cli/Options.h"
#include "core/CalendarText.h"
#include "ephemeris/Ephemeris.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/search/EclipseSearch.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct EclipsesRequest {
    CivilDate from;
    CivilDate to;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

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
            throw std::runtime_error("the computation gave no finite figure for an eclipse (is Delta T sensible?)");
        }
    }
}

EclipseRow RowOf(const EclipseSummary& e)
{
    RequireFinite({e.gamma, e.magnitude, e.latitude, e.longitude, e.sunAltitude, e.deltaT, e.durationSeconds.value_or(0.0),
                   e.widthKm.value_or(0.0)});
    EclipseRow row{IsoUniversalTime(e.greatest, e.deltaT, 0), IsoUniversalTime(e.greatest, 0.0, 0), TypeName(e.type),
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

std::vector<EclipseSummary> Search(const EclipsesRequest& request, const TimeModel& model)
{
    const Ephemeris ephemeris = Ephemeris::Load(request.data.ReadDirectory(), model);
    const IDeltaTModel& deltaT = ephemeris.DeltaT();
    const auto midnight = [](const CivilDate& date) { return JulianDateAtMidnight(date.year, date.month, date.day); };
    const Instant from = InstantFromUniversal(UniversalDate{midnight(request.from), 0.0}, deltaT);
    const Instant to = InstantFromUniversal(UniversalDate{midnight(request.to) + 1.0, 0.0}, deltaT);
    try {
        return FindEclipses(ephemeris, from, to);
    } catch (const std::out_of_range&) {
        throw std::runtime_error("Delta T moves the range outside the years -1999 to 3000 that the search covers");
    }
}

void RunEclipses(const EclipsesRequest& request)
{
    if (JulianDateAtMidnight(request.to.year, request.to.month, request.to.day) <
        JulianDateAtMidnight(request.from.year, request.from.month, request.from.day)) {
        throw std::runtime_error("the range ends (" + IsoDateText(request.to) + ") before it begins (" +
                                 IsoDateText(request.from) + ")");
    }
    const TimeModel model = request.model.Model();
    std::vector<EclipseRow> rows;
    for (const EclipseSummary& eclipse : Search(request, model)) {
        rows.push_back(RowOf(eclipse));
    }
    if (request.format == "csv") {
        PrintCsv(rows, model);
    } else if (request.format == "json") {
        PrintJson(rows, model);
    } else {
        PrintText(rows, model);
    }
}

void DefineEclipses(CLI::App& command)
{
    auto request = std::make_shared<EclipsesRequest>();
    AddEclipseDate(command, request->from, "--from", "the first day of the range, Universal Time");
    AddEclipseDate(command, request->to, "--to", "the last day of the range, Universal Time");
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "csv", "json"});
    AddDataOption(command, request->data);
    command.callback([request] { RunEclipses(*request); });
}

const CommandRegistration kEclipses("eclipses", "the solar eclipses between two dates (UT)", DefineEclipses);

} // namespace
