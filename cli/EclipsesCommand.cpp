#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/ObserverPlace.h"
#include "cli/Options.h"
#include "core/CalendarText.h"
#include "ephemeris/Ephemeris.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/ChancesAtPlace.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The least probability asked for by default: more likely than not.
constexpr double kDefaultMinimumProbability = 0.5;

struct EclipsesRequest {
    CivilDate from;
    CivilDate to;
    TimeModelOptions model;
    std::string format;
    DataOption data;
    PlaceOption place;
    bool atPlace = false;
    double minimumProbability = kDefaultMinimumProbability;
};

// A probability from 0 to 1.
double ParseProbability(const std::string& text)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || text.front() == '+' || error != std::errc() || stop != end || !std::isfinite(value)) {
        throw CLI::ValidationError("malformed probability \"" + text + "\" (expected a number from 0 to 1)");
    }
    if (value < 0.0 || value > 1.0) {
        throw CLI::ValidationError("probability \"" + text + "\" out of range (0 to 1)");
    }
    return value;
}

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
    std::optional<double> deltaTSigma;
    // At a place: the probability of its central phase and the likeliest
    // range of Delta T for it.
    std::optional<double> probability;
    std::optional<DeltaTRange> range;
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
                   Rounded(e.sunAltitude, 1), Rounded(e.deltaT, 1), std::nullopt, std::nullopt, e.saros, std::nullopt,
                   std::nullopt, std::nullopt};
    if (e.durationSeconds) {
        row.durationSeconds = Rounded(*e.durationSeconds, 1);
    }
    if (e.widthKm) {
        row.widthKm = Rounded(*e.widthKm, 1);
    }
    if (e.deltaTSigma) {
        row.deltaTSigma = Rounded(*e.deltaTSigma, 1);
    }
    return row;
}

EclipseRow RowOf(const EclipseChance& e)
{
    EclipseRow row = RowOf(e.eclipse);
    row.probability = Rounded(e.chance.probability, 4);
    if (e.chance.likeliest) {
        row.range = DeltaTRange{Rounded(e.chance.likeliest->from, 1), Rounded(e.chance.likeliest->to, 1)};
    }
    return row;
}

nlohmann::ordered_json OptionalJson(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
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

void PrintCsv(const std::vector<EclipseRow>& rows, const TimeModel& model, bool atPlace)
{
    std::printf("greatest_ut,greatest_tt,type,gamma,magnitude,latitude,longitude,sun_altitude,duration_s,width_km,saros,delta_t,model,"
                "delta_t_sigma%s\n",
                atPlace ? ",probability_central,delta_t_from,delta_t_to" : "");
    for (const EclipseRow& r : rows) {
        std::printf("%s,%s,%s,%.4f,%.4f,%.4f,%.4f,%.1f,%s,%s,%d,%.1f,%s,%s", r.greatestUt.c_str(), r.greatestTt.c_str(),
                    r.type.c_str(), r.gamma, r.magnitude, r.latitude, r.longitude, r.sunAltitude,
                    Optional(r.durationSeconds, "%.1f").c_str(), Optional(r.widthKm, "%.1f").c_str(), r.saros, r.deltaT,
                    model.Name(), Optional(r.deltaTSigma, "%.1f").c_str());
        if (atPlace) {
            const std::optional<double> from = r.range ? std::optional<double>(r.range->from) : std::nullopt;
            const std::optional<double> to = r.range ? std::optional<double>(r.range->to) : std::nullopt;
            std::printf(",%s,%s,%s", Optional(r.probability, "%.4f").c_str(), Optional(from, "%.1f").c_str(),
                        Optional(to, "%.1f").c_str());
        }
        std::printf("\n");
    }
}

void PrintJson(const std::vector<EclipseRow>& rows, const TimeModel& model, bool atPlace)
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
        row["delta_t_sigma"] = OptionalJson(r.deltaTSigma);
        if (atPlace) {
            row["probability_central"] = OptionalJson(r.probability);
            row["delta_t_range_central"] = r.range ? nlohmann::ordered_json::array({r.range->from, r.range->to})
                                                   : nlohmann::ordered_json(nullptr);
        }
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

// "37.2 %  10310..10841 s" for an eclipse weighed at a place.
std::string ChanceText(const EclipseRow& r)
{
    char text[64];
    std::snprintf(text, sizeof text, "  %5.1f %%  %s", 100.0 * r.probability.value_or(0.0),
                  r.range ? (Optional(r.range->from, "%.0f") + ".." + Optional(r.range->to, "%.0f") + " s").c_str() : "-");
    return text;
}

void PrintText(const std::vector<EclipseRow>& rows, const TimeModel& model, bool atPlace)
{
    std::printf("%-20s  %-7s  %7s  %6s  %8s  %9s  %7s  %8s  %8s  %5s  %8s  %7s%s\n", "Greatest eclipse UT", "Type", "Gamma",
                "Mag.", "Latitude", "Longitude", "Sun alt", "Duration", "Width km", "Saros", "Delta T", "Sigma",
                atPlace ? "  Central  Delta T range" : "");
    for (const EclipseRow& r : rows) {
        std::printf("%-20s  %-7s  %7.4f  %6.4f  %8.2f  %9.2f  %7.0f  %8s  %8s  %5d  %6.1f s  %5s s%s\n", r.greatestUt.c_str(),
                    r.type.c_str(), r.gamma, r.magnitude, r.latitude, r.longitude, r.sunAltitude,
                    Duration(r.durationSeconds).c_str(), r.widthKm ? Optional(r.widthKm, "%.0f").c_str() : "-", r.saros,
                    r.deltaT, r.deltaTSigma ? Optional(r.deltaTSigma, "%.1f").c_str() : "-",
                    atPlace ? ChanceText(r).c_str() : "");
    }
    std::printf("%zu eclipses; latitudes north and longitudes east positive, degrees; Delta T of the %s model\n",
                rows.size(), model.Name());
}

std::vector<EclipseSummary> Search(const EclipsesRequest& request, const Ephemeris& ephemeris)
{
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
    const std::string directory = request.data.ReadDirectory();
    std::vector<EclipseRow> rows;
    if (request.atPlace) {
        const Ephemeris ephemeris = Ephemeris::Load(directory, model);
        const std::vector<EclipseSummary> eclipses = Search(request, ephemeris);
        const GeographicPlace place = FindObserver(request.place, std::nullopt, directory).place;
        for (const EclipseChance& eclipse : CentralAtPlace(ephemeris, eclipses, place, request.minimumProbability)) {
            rows.push_back(RowOf(eclipse));
        }
    } else {
        std::optional<std::vector<EclipseSummary>> eclipses = StoredEclipsesBetween(directory, model, request.from, request.to);
        if (!eclipses) {
            eclipses = Search(request, Ephemeris::Load(directory, model));
        }
        for (const EclipseSummary& eclipse : *eclipses) {
            rows.push_back(RowOf(eclipse));
        }
    }
    if (request.format == "csv") {
        PrintCsv(rows, model, request.atPlace);
    } else if (request.format == "json") {
        PrintJson(rows, model, request.atPlace);
    } else {
        PrintText(rows, model, request.atPlace);
    }
}

// --place, optional here: only the eclipses whose central phase the place
// saw, with --min-probability P (0.5 by default).
void AddPlaceFilter(CLI::App& command, EclipsesRequest& request)
{
    AddPlace(command, request.place);
    CLI::Option* place = command.get_option("--place");
    place->required(false);
    place->description("only the eclipses whose central phase the place saw (with Delta T uncertain, "
                       "with at least --min-probability)");
    command
        .add_option_function<std::string>(
            "--min-probability",
            [&request](const std::string& text) { request.minimumProbability = ParseProbability(text); },
            "with --place: the least probability of the central phase there (default: 0.5)")
        ->type_name("P")
        ->needs(place);
}

void DefineEclipses(CLI::App& command)
{
    auto request = std::make_shared<EclipsesRequest>();
    AddEclipseDate(command, request->from, "--from", "the first day of the range, Universal Time");
    AddEclipseDate(command, request->to, "--to", "the last day of the range, Universal Time");
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "csv", "json"});
    AddDataOption(command, request->data);
    AddPlaceFilter(command, *request);
    command.callback([request, &command] {
        request->atPlace = command.get_option("--place")->count() > 0;
        RunEclipses(*request);
    });
}

const CommandRegistration kEclipses("eclipses", "the solar eclipses between two dates (UT)", DefineEclipses);

} // namespace
