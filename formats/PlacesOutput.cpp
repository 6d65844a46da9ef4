#include "formats/PlacesOutput.h"

#include "core/CalendarText.h"
#include "formats/LocalOutput.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;
using ContactField = std::optional<LocalContact> LocalCircumstances::*;

constexpr std::array<std::pair<const char*, ContactField>, 5> kContacts = {{
    {"c1", &LocalCircumstances::c1},
    {"c2", &LocalCircumstances::c2},
    {"max", &LocalCircumstances::maximum},
    {"c3", &LocalCircumstances::c3},
    {"c4", &LocalCircumstances::c4},
}};

double Rounded(double value, double scale)
{
    return std::round(value * scale) / scale;
}

double SunAltitudeAtMaximum(const LocalCircumstances& seen)
{
    return seen.maximum ? seen.maximum->sunAltitude : 0.0;
}

// The text padded with spaces, or cut, to a width in characters (UTF-8 code
// points, which is what a terminal shows of the Latin names).
std::string Column(const std::string& text, std::size_t width)
{
    std::string column;
    std::size_t characters = 0;
    for (const char c : text) {
        const bool starts = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (starts && ++characters > width) {
            break;
        }
        column += c;
    }
    return column + std::string(width - std::min(width, characters), ' ');
}

std::string DurationText(double seconds)
{
    if (seconds <= 0.0) {
        return "-";
    }
    char text[32];
    const long whole = std::lround(seconds);
    std::snprintf(text, sizeof text, "%ldm%02lds", whole / 60, whole % 60);
    return text;
}

std::string UniversalClock(const std::optional<LocalContact>& contact, double deltaT)
{
    return contact ? ClockText(contact->time.PlusSeconds(-deltaT)) : "-";
}

std::string LocalClock(const std::optional<LocalContact>& contact, double deltaT, const TimeZone* zone)
{
    return contact && zone != nullptr ? ClockText(LocalTimeOf(contact->time, deltaT, *zone).clock) : "-";
}

std::string TextHeader(const std::vector<TownCircumstances>& towns, const CivilDate& date, double deltaT,
                       const TimeModel& model)
{
    char line[256];
    std::snprintf(line, sizeof line, "Towns that see the solar eclipse of %s: %zu; Delta T %.1f s (%s model)\n",
                  IsoDateText(date).c_str(), towns.size(), deltaT, model.Name());
    std::string text = line;
    if (towns.empty()) {
        return text;
    }
    text += Column("Town", 28) + Column("State", 24) + "CC  Population  Type      Magnitude  Obscuration  Duration  " +
            "C1 UT     C2 UT     Max UT    C3 UT     C4 UT     C1        C2        Max       C3        C4        Zone    "
            "Date        Sun altitude\n";
    return text;
}

std::string TextRow(const TownCircumstances& town, const TimeZone* zone)
{
    const LocalCircumstances& seen = town.seen;
    char figures[160];
    std::snprintf(figures, sizeof figures, "%-4s%10u  %-10s%9.4f%11.2f %%  %-10s", town.place.countryCode.c_str(),
                  town.place.population, LocalTypeName(seen.type).c_str(), seen.magnitude, 100.0 * seen.obscuration,
                  DurationText(seen.durationSeconds).c_str());
    std::string row = Column(town.place.name, 27) + " " + Column(town.place.state, 23) + " " + figures;
    for (const auto& [name, contact] : kContacts) {
        row += Column(UniversalClock(seen.*contact, seen.deltaT), 10);
    }
    for (const auto& [name, contact] : kContacts) {
        row += Column(LocalClock(seen.*contact, seen.deltaT, zone), 10);
    }
    std::string abbreviation = "-";
    std::string localDate = "-";
    if (zone != nullptr && seen.maximum) {
        const LocalTime local = LocalTimeOf(seen.maximum->time, seen.deltaT, *zone);
        abbreviation = local.offset.abbreviation;
        const CivilDateTime civil = RoundedCivilTime(local.clock, 0);
        localDate = IsoDateText(civil.year, civil.month, civil.day);
    }
    char altitude[32];
    std::snprintf(altitude, sizeof altitude, "%6.1f\n", SunAltitudeAtMaximum(seen));
    return row + Column(abbreviation, 8) + Column(localDate, 12) + altitude;
}

// A field as RFC 4180 has it: quoted when it holds a comma, a quote or a
// line break, its quotes doubled.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

std::string CsvRow(const TownCircumstances& town, const TimeZone* zone)
{
    const Place& place = town.place;
    const LocalCircumstances& seen = town.seen;
    char figures[256];
    std::snprintf(figures, sizeof figures, "%u,%.4f,%.4f,%s,%.4f,%.4f,%.1f,%.2f", place.population, place.longitude,
                  place.latitude, LocalTypeName(seen.type).c_str(), seen.magnitude, seen.obscuration,
                  seen.durationSeconds, SunAltitudeAtMaximum(seen));
    std::string row = CsvField(place.name) + "," + CsvField(place.state) + "," + CsvField(place.country) + "," +
                      CsvField(place.countryCode) + "," + figures + "," + CsvField(zone != nullptr ? zone->Name() : "");
    for (const auto& [name, contact] : kContacts) {
        row += ',';
        if (seen.*contact) {
            row += IsoUniversalTime((seen.*contact)->time, seen.deltaT);
        }
    }
    for (const auto& [name, contact] : kContacts) {
        row += ',';
        if (seen.*contact) {
            row += IsoLocalTimeOf((seen.*contact)->time, seen.deltaT, zone);
        }
    }
    return row + "\n";
}

Json ContactsJson(const LocalCircumstances& seen, const TimeZone* zone)
{
    Json contacts = Json::object();
    for (const auto& [name, contact] : kContacts) {
        const std::optional<LocalContact>& value = seen.*contact;
        if (!value) {
            contacts[name] = nullptr;
            continue;
        }
        const std::string local = IsoLocalTimeOf(value->time, seen.deltaT, zone);
        contacts[name] = Json{{"ut", IsoUniversalTime(value->time, seen.deltaT)},
                              {"local", local.empty() ? Json(nullptr) : Json(local)}};
    }
    return contacts;
}

Json TownJson(const TownCircumstances& town, const TimeZone* zone)
{
    const Place& place = town.place;
    const LocalCircumstances& seen = town.seen;
    return Json{{"name", place.name},
                {"state", place.state},
                {"country", place.country},
                {"country_code", place.countryCode},
                {"population", place.population},
                {"longitude", Rounded(place.longitude, 1e4)},
                {"latitude", Rounded(place.latitude, 1e4)},
                {"time_zone", zone != nullptr ? Json(zone->Name()) : Json(nullptr)},
                {"type", LocalTypeName(seen.type)},
                {"magnitude", Rounded(seen.magnitude, 1e4)},
                {"obscuration", Rounded(seen.obscuration, 1e4)},
                {"duration_s", Rounded(seen.durationSeconds, 10.0)},
                {"sun_altitude", Rounded(SunAltitudeAtMaximum(seen), 100.0)},
                {"contacts", ContactsJson(seen, zone)}};
}

} // namespace

std::string PlacesText(const std::vector<TownCircumstances>& towns, const CivilDate& date, double deltaT,
                       const TimeModel& model, TimeZoneCache& zones)
{
    std::string text = TextHeader(towns, date, deltaT, model);
    for (const TownCircumstances& town : towns) {
        text += TextRow(town, zones.Find(town.place.timeZone));
    }
    return text;
}

std::string PlacesCsv(const std::vector<TownCircumstances>& towns, TimeZoneCache& zones)
{
    std::string text = "name,state,country,country_code,population,longitude,latitude,type,magnitude,obscuration,"
                       "duration_s,sun_altitude,time_zone,c1_ut,c2_ut,max_ut,c3_ut,c4_ut,c1_local,c2_local,max_local,"
                       "c3_local,c4_local\n";
    for (const TownCircumstances& town : towns) {
        text += CsvRow(town, zones.Find(town.place.timeZone));
    }
    return text;
}

std::string PlacesJson(const std::vector<TownCircumstances>& towns, const CivilDate& date, double deltaT,
                       const TimeModel& model, TimeZoneCache& zones)
{
    Json places = Json::array();
    for (const TownCircumstances& town : towns) {
        places.push_back(TownJson(town, zones.Find(town.place.timeZone)));
    }
    return Json{{"date", IsoDateText(date)},
                {"delta_t", Rounded(deltaT, 10.0)},
                {"model", model.Name()},
                {"count", towns.size()},
                {"places", std::move(places)}}
               .dump(2) +
           "\n";
}
