#include "cli/CommandRegistry.h"
#include "cli/EclipseOfDate.h"
#include "cli/ObserverPlace.h"
#include "cli/Options.h"
#include "formats/PlacesOutput.h"
#include "places/EclipseTowns.h"

#include <charconv>
#include <cmath>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

namespace {

struct PlacesRequest {
    CivilDate date;
    TownFilter filter;
    TimeModelOptions model;
    std::string format;
    DataOption data;
};

double ParseMagnitude(const std::string& text)
{
    double magnitude = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(magnitude) || magnitude < 0.0) {
        throw CLI::ValidationError("malformed --min-magnitude \"" + text + "\" (expected a number of 0 or more)");
    }
    return magnitude;
}

std::uint32_t ParsePopulation(const std::string& text)
{
    std::uint32_t population = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, population);
    if (text.empty() || error != std::errc() || stop != end) {
        throw CLI::ValidationError("malformed --min-population \"" + text + "\" (expected a whole number from 0 to " +
                                   std::to_string(std::numeric_limits<std::uint32_t>::max()) + ")");
    }
    return population;
}

std::string ParseCountry(const std::string& text)
{
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (text.size() != 2 || !letter(text[0]) || !letter(text[1])) {
        throw CLI::ValidationError("malformed --country \"" + text + "\" (expected a two-letter ISO 3166 code, such as US)");
    }
    return text;
}

void RunPlaces(const PlacesRequest& request)
{
    const TimeModel model = request.model.Model();
    const std::string directory = request.data.ReadDirectory();
    const std::shared_ptr<const Gazetteer> gazetteer = LoadGazetteer(directory);
    const EclipseOfDate eclipse = FindEclipseOfDate(directory, model, request.date);
    const std::vector<TownCircumstances> towns = TownsSeeingEclipse(*gazetteer, eclipse.fit.elements, request.filter);
    TimeZoneCache zones;
    const double deltaT = eclipse.fit.elements.deltaT;
    std::cout << (request.format == "json"  ? PlacesJson(towns, request.date, deltaT, model, zones)
                  : request.format == "csv" ? PlacesCsv(towns, zones)
                                            : PlacesText(towns, request.date, deltaT, model, zones));
}

void DefinePlaces(CLI::App& command)
{
    auto request = std::make_shared<PlacesRequest>();
    AddEclipseDate(command, request->date);
    command.add_flag_callback(
        "--central", [request] { request->filter.centralOnly = true; },
        "only the towns inside the path, where the total or annular phase is seen");
    command
        .add_option_function<std::string>(
            "--min-magnitude", [request](const std::string& text) { request->filter.minimumMagnitude = ParseMagnitude(text); },
            "only the towns where the magnitude reaches M (default: 0)")
        ->type_name("M");
    command
        .add_option_function<std::string>(
            "--min-population",
            [request](const std::string& text) { request->filter.minimumPopulation = ParsePopulation(text); },
            "only the towns of N people or more (default: all, the gazetteer's towns having 15 000 or more)")
        ->type_name("N");
    command
        .add_option_function<std::string>(
            "--country", [request](const std::string& text) { request->filter.countryCode = ParseCountry(text); },
            "only the towns of one country, by its ISO 3166 code (US, ES...)")
        ->type_name("CODE");
    AddTimeModelOptions(command, request->model);
    AddFormat(command, request->format, {"text", "csv", "json"});
    AddDataOption(command, request->data);
    command.callback([request] { RunPlaces(*request); });
}

const CommandRegistration kPlaces("places",
                                  "every town of the gazetteer that sees the eclipse of a date, with its circumstances, "
                                  "the longest central phase first",
                                  DefinePlaces);

} // namespace
