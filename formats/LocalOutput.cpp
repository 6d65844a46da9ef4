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
                      const TimeModel& model, const ObserverContext& observer)
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
        return text;
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
    return text + line;
}

std::string LocalJson(const LocalCircumstances& seen, const TimeModel& model, const ObserverContext& observer)
{
    const TimeZone* zone = observer.zone;
    return Json{{"type", LocalTypeName(seen.type)},
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
                {"time_zone", zone != nullptr ? Json(zone->Name()) : Json(nullptr)}}
               .dump(2) +
           "\n";
}

// Contacts as rows, so that a spreadsheet takes them as they come; the
// figures of the whole eclipse repeat on each row.
std::string LocalCsv(const LocalCircumstances& seen, const ObserverContext& observer)
{
    std::string text = "event,ut,local,sun_altitude,sun_azimuth,position_angle,sun_above_horizon,type,magnitude,moon_sun_ratio,obscuration,"
                       "duration_s,delta_t\n";
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
        text += row;
    }
    return text;
}
