#include "formats/LocalOutput.h"

#include "core/CalendarText.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>

namespace {

using Json = nlohmann::ordered_json;

double Rounded(double value, double scale)
{
    return std::round(value * scale) / scale;
}

Json OptionalText(const std::string& text)
{
    return text.empty() ? Json(nullptr) : Json(text);
}

Json ContactJson(const std::optional<LocalContact>& contact, double deltaT, const TimeZone* zone)
{
    if (!contact) {
        return nullptr;
    }
    return Json{{"ut", IsoUniversalTime(contact->time, deltaT)},
                {"local", OptionalText(IsoLocalTimeOf(contact->time, deltaT, zone))},
                {"altitude", Rounded(contact->sunAltitude, 100.0)},
                {"azimuth", Rounded(contact->sunAzimuth, 100.0)},
                {"position_angle", Rounded(contact->positionAngle, 100.0)},
                {"visible", contact->sunAboveHorizon}};
}

Json HorizonJson(const std::optional<HorizonEvent>& event, double deltaT)
{
    if (!event) {
        return nullptr;
    }
    return Json{{"ut", IsoUniversalTime(event->time, deltaT)}, {"magnitude", Rounded(event->magnitude, 1e4)}};
}

std::string Degrees(double value, char positive, char negative)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f\xC2\xB0%c", std::abs(value), value < 0.0 ? negative : positive);
    return text;
}

constexpr int kLocalColumnWidth = 31;

// "13:40:43.0 CDT, UTC-05:00", and "+1 d" or "-1 d" when the local date is
// not UT's.
std::string LocalColumn(const Instant& instant, double deltaT, const TimeZone& zone)
{
    const LocalTime local = LocalTimeOf(instant, deltaT, zone);
    const CivilDateTime localDate = RoundedCivilTime(local.clock, 1);
    const CivilDateTime universalDate = RoundedCivilTime(instant.PlusSeconds(-deltaT), 1);
    const double days = JulianDateAtMidnight(localDate.year, localDate.month, localDate.day) -
                        JulianDateAtMidnight(universalDate.year, universalDate.month, universalDate.day);
    std::string text = ClockText(local.clock, 1) + " " + local.offset.abbreviation + ", " +
                       UtcOffsetText(local.offset.seconds);
    if (days != 0.0) {
        text += days > 0.0 ? " +1 d" : " -1 d";
    }
    return text;
}

std::string ContactRow(const char* name, const std::optional<LocalContact>& contact, double deltaT, const TimeZone* zone)
{
    if (!contact) {
        return std::string(name) + "\n";
    }
    const std::string local = zone != nullptr ? LocalColumn(contact->time, deltaT, *zone) : std::string();
    char row[256];
    std::snprintf(row, sizeof row, "%-9s%-24s%-*s%8.2f%9.2f%9.2f%s\n", name, IsoUniversalTime(contact->time, deltaT).c_str(),
                  zone != nullptr ? kLocalColumnWidth : 0, local.c_str(), contact->sunAltitude, contact->sunAzimuth,
                  contact->positionAngle, contact->sunAboveHorizon ? "" : "  (Sun below the horizon)");
    return row;
}

std::string ZoneLine(const ObserverContext& observer)
{
    if (observer.zone == nullptr) {
        return {};
    }
    std::string line = "Time zone       " + observer.zone->Name();
    if (!observer.zoneOrigin.empty()) {
        line += " (" + observer.zoneOrigin + ")";
    }
    return line + "\n";
}

std::string TableHeader(const ObserverContext& observer)
{
    if (observer.zone == nullptr) {
        return "         UT                      Altitude  Azimuth  Position angle (degrees)\n";
    }
    char header[160];
    std::snprintf(header, sizeof header, "         %-24s%-*sAltitude  Azimuth  Position angle (degrees)\n", "UT",
                  kLocalColumnWidth, "Local time");
    return header;
}

std::string DurationText(double seconds)
{
    char text[48];
    const int minutes = static_cast<int>(seconds / 60.0);
    std::snprintf(text, sizeof text, "%d min %04.1f s", minutes, seconds - 60.0 * minutes);
    return text;
}

Json OptionalJson(const std::optional<double>& value, double scale)
{
    return value ? Json(Rounded(*value, scale)) : Json(nullptr);
}

Json RangeJson(const DeltaTRange& range)
{
    return Json::array({Rounded(range.from, 10.0), Rounded(range.to, 10.0)});
}

// Delta T's sigma, the central phase's chance and each contact's spread.
void AddUncertainty(Json& json, const LocalUncertainty* uncertainty)
{
    const CentralChance* chance = uncertainty ? &uncertainty->chance : nullptr;
    json["delta_t_sigma"] = chance ? Json(Rounded(chance->sigma, 10.0)) : Json(nullptr);
    json["probability_central"] = chance ? Json(Rounded(chance->probability, 1e4)) : Json(nullptr);
    json["delta_t_range_central"] = chance && chance->likeliest ? RangeJson(*chance->likeliest) : Json(nullptr);
    Json ranges = Json::array();
    if (chance) {
        for (const DeltaTRange& range : chance->ranges) {
            ranges.push_back(RangeJson(range));
        }
    }
    json["delta_t_ranges_central"] = ranges;
    const ContactSigmas none;
    const ContactSigmas& contacts = uncertainty ? uncertainty->contacts : none;
    const std::pair<const char*, const std::optional<double>*> spreads[] = {
        {"c1", &contacts.c1}, {"c2", &contacts.c2}, {"max", &contacts.maximum}, {"c3", &contacts.c3}, {"c4", &contacts.c4}};
    for (const auto& [name, spread] : spreads) {
        if (!json["contacts"][name].is_null()) {
            json["contacts"][name]["ut_sigma_s"] = OptionalJson(*spread, 10.0);
        }
    }
}

std::string SpreadText(const std::optional<double>& seconds)
{
    if (!seconds) {
        return "-";
    }
    char text[48];
    std::snprintf(text, sizeof text, "\xC2\xB1%.0f s", *seconds);
    return text;
}

// The closing lines on Delta T's uncertainty.
std::string UncertaintyText(const LocalUncertainty& uncertainty)
{
    const CentralChance& chance = uncertainty.chance;
    char line[200];
    if (chance.likeliest) {
        std::snprintf(line, sizeof line, "Central phase   %s, probability %.1f %% (Delta T from %.1f to %.1f s)\n",
                      LocalTypeName(chance.centralType).c_str(), 100.0 * chance.probability, chance.likeliest->from,
                      chance.likeliest->to);
    } else {
        std::snprintf(line, sizeof line, "Central phase   not seen for any Delta T\n");
    }
    const ContactSigmas& c = uncertainty.contacts;
    return std::string(line) + "Delta T \xC2\xB1 sigma moves C1 " + SpreadText(c.c1) + ", C2 " + SpreadText(c.c2) +
           ", maximum " + SpreadText(c.maximum) + ", C3 " + SpreadText(c.c3) + ", C4 " + SpreadText(c.c4) + "\n";
}

std::string SpreadOfContact(const char* name, const ContactSigmas& contacts)
{
    const std::string event = name;
    const std::optional<double>& spread = event == "c1"   ? contacts.c1
                                          : event == "c2" ? contacts.c2
                                          : event == "c3" ? contacts.c3
                                          : event == "c4" ? contacts.c4
                                                          : contacts.maximum;
    if (!spread) {
        return "";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *spread);
    return text;
}

// The row's closing columns on Delta T's uncertainty (the row ends with a
// line feed, kept last).
void AppendUncertaintyColumns(std::string& row, const char* name, const LocalUncertainty& uncertainty)
{
    char columns[96];
    std::snprintf(columns, sizeof columns, ",%.1f,%.4f,%s", uncertainty.chance.sigma, uncertainty.chance.probability,
                  SpreadOfContact(name, uncertainty.contacts).c_str());
    row.insert(row.size() - 1, columns);
}

} // namespace

std::string LocalTypeName(LocalEclipseType type)
{
    switch (type) {
    case LocalEclipseType::Total: return "total";
    case LocalEclipseType::Annular: return "annular";
    case LocalEclipseType::Partial: return "partial";
    case LocalEclipseType::None: break;
    }
    return "none";
}

std::string IsoLocalTimeOf(const Instant& instant, double deltaT, const TimeZone* zone)
{
    if (zone == nullptr) {
        return {};
    }
    const LocalTime local = LocalTimeOf(instant, deltaT, *zone);
    return IsoLocalTime(local.clock, local.offset.seconds);
}

std::string LocalText(const LocalCircumstances& seen, const GeographicPlace& place, const CivilDate& date,
                      const TimeModel& model, const ObserverContext& observer, const LocalUncertainty* uncertainty)
{
    char line[160];
    std::string text = "Solar eclipse of " + IsoDateText(date) + " seen from " + Degrees(place.longitude, 'E', 'W') + " " +
                       Degrees(place.latitude, 'N', 'S');
    std::snprintf(line, sizeof line, ", %.0f m\n", place.height);
    text += line;
    if (!observer.placeName.empty()) {
        text += "Place           " + observer.placeName + "\n";
    }
    text += "Type            " + LocalTypeName(seen.type) +
            (seen.type != LocalEclipseType::None && !seen.Visible() ? " (below the horizon)" : "") + "\n";
    if (seen.type == LocalEclipseType::None) {
        return uncertainty ? text + UncertaintyText(*uncertainty) : text;
    }
    std::snprintf(line, sizeof line, "Magnitude       %.4f\nMoon/Sun ratio  %.4f\nObscuration     %.2f %%\n", seen.magnitude,
                  seen.moonSunRatio, 100.0 * seen.obscuration);
    text += line;
    if (seen.durationSeconds > 0.0) {
        text += "Duration        " + DurationText(seen.durationSeconds) + "\n";
    }
    text += ZoneLine(observer);
    text += TableHeader(observer);
    text += ContactRow("C1", seen.c1, seen.deltaT, observer.zone);
    text += ContactRow("C2", seen.c2, seen.deltaT, observer.zone);
    text += ContactRow("Maximum", seen.maximum, seen.deltaT, observer.zone);
    text += ContactRow("C3", seen.c3, seen.deltaT, observer.zone);
    text += ContactRow("C4", seen.c4, seen.deltaT, observer.zone);
    if (seen.sunrise) {
        std::snprintf(line, sizeof line, "The Sun rises eclipsed at %s, magnitude %.4f\n",
                      IsoUniversalTime(seen.sunrise->time, seen.deltaT).c_str(), seen.sunrise->magnitude);
        text += line;
    }
    if (seen.sunset) {
        std::snprintf(line, sizeof line, "The Sun sets eclipsed at %s, magnitude %.4f\n",
                      IsoUniversalTime(seen.sunset->time, seen.deltaT).c_str(), seen.sunset->magnitude);
        text += line;
    }
    std::snprintf(line, sizeof line, "Delta T         %.1f s (%s model)\n", seen.deltaT, model.Name());
    if (uncertainty) {
        std::snprintf(line, sizeof line, "Delta T         %.1f \xC2\xB1 %.1f s (%s model)\n", seen.deltaT,
                      uncertainty->chance.sigma, model.Name());
        return text + line + UncertaintyText(*uncertainty);
    }
    return text + line;
}

std::string LocalJson(const LocalCircumstances& seen, const TimeModel& model, const ObserverContext& observer,
                      const LocalUncertainty* uncertainty)
{
    const TimeZone* zone = observer.zone;
    Json json{{"type", LocalTypeName(seen.type)},
                {"magnitude", Rounded(seen.magnitude, 1e4)},
                {"moon_sun_ratio", Rounded(seen.moonSunRatio, 1e4)},
                {"obscuration", Rounded(seen.obscuration, 1e4)},
                {"duration_s", Rounded(seen.durationSeconds, 10.0)},
                {"contacts",
                 {{"c1", ContactJson(seen.c1, seen.deltaT, zone)},
                  {"c2", ContactJson(seen.c2, seen.deltaT, zone)},
                  {"max", ContactJson(seen.maximum, seen.deltaT, zone)},
                  {"c3", ContactJson(seen.c3, seen.deltaT, zone)},
                  {"c4", ContactJson(seen.c4, seen.deltaT, zone)}}},
                {"sunrise", HorizonJson(seen.sunrise, seen.deltaT)},
                {"sunset", HorizonJson(seen.sunset, seen.deltaT)},
                {"visible", seen.Visible()},
                {"delta_t", Rounded(seen.deltaT, 10.0)},
                {"model", model.Name()},
                {"place", OptionalText(observer.placeName)},
                {"time_zone", zone != nullptr ? Json(zone->Name()) : Json(nullptr)}};
    AddUncertainty(json, uncertainty);
    return json.dump(2) + "\n";
}

// Contacts as rows, so that a spreadsheet takes them as they come; the
// figures of the whole eclipse repeat on each row.
std::string LocalCsv(const LocalCircumstances& seen, const ObserverContext& observer, const LocalUncertainty* uncertainty)
{
    std::string text = "event,ut,local,sun_altitude,sun_azimuth,position_angle,sun_above_horizon,type,magnitude,moon_sun_ratio,obscuration,"
                       "duration_s,delta_t\n";
    if (uncertainty) {
        text.insert(text.size() - 1, ",delta_t_sigma,probability_central,ut_sigma_s");
    }
    const std::pair<const char*, const std::optional<LocalContact>*> events[] = {
        {"c1", &seen.c1}, {"c2", &seen.c2}, {"max", &seen.maximum}, {"c3", &seen.c3}, {"c4", &seen.c4}};
    for (const auto& [name, contact] : events) {
        if (!*contact) {
            continue;
        }
        const LocalContact& c = **contact;
        char row[256];
        std::snprintf(row, sizeof row, "%s,%s,%s,%.2f,%.2f,%.2f,%s,%s,%.4f,%.4f,%.4f,%.1f,%.1f\n", name,
                      IsoUniversalTime(c.time, seen.deltaT).c_str(),
                      IsoLocalTimeOf(c.time, seen.deltaT, observer.zone).c_str(), c.sunAltitude, c.sunAzimuth, c.positionAngle,
                      c.sunAboveHorizon ? "true" : "false", LocalTypeName(seen.type).c_str(), seen.magnitude,
                      seen.moonSunRatio, seen.obscuration, seen.durationSeconds, seen.deltaT);
        std::string line = row;
        if (uncertainty) {
            AppendUncertaintyColumns(line, name, *uncertainty);
        }
        text += line;
    }
    return text;
}
