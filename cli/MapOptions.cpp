#include "cli/MapOptions.h"

#include "cli/FieldRanges.h"
#include "cli/Options.h"
#include "core/CalendarText.h"

#include <charconv>
#include <cmath>
#include <string_view>
#include <vector>

namespace {

struct LayerName {
    const char* name;
    bool MapLayerChoice::*member;
    const char* meaning;
};

constexpr LayerName kLayerNames[] = {
    {"shadow", &MapLayerChoice::shadow, "the Moon's shadow at the instant: umbra, penumbra, axis cross"},
    {"path", &MapLayerChoice::path, "the band of totality or annularity and its central line, ticked every 10 minutes"},
    {"uncertainty", &MapLayerChoice::uncertainty,
     "with the path, the hatched band where Delta T's uncertainty (2 sigma) may put the central phase"},
    {"limits", &MapLayerChoice::umbraLimits, "the northern and southern limits of that band"},
    {"penumbra-limits", &MapLayerChoice::penumbraLimits, "the limits of the partial eclipse"},
    {"rise-set", &MapLayerChoice::riseSet, "where the eclipse begins, ends or is greatest at sunrise or sunset"},
    {"magnitude-curves", &MapLayerChoice::magnitudeCurves, "curves of equal maximum magnitude 0.2 to 0.8"},
    {"graticule", &MapLayerChoice::graticule, "meridians and parallels every 15 degrees"},
    {"terminator", &MapLayerChoice::terminator, "the day/night line of the instant"},
    {"observer", &MapLayerChoice::observer, "the document's observer"},
    {"greatest", &MapLayerChoice::greatest, "a star at the place of greatest eclipse"},
    {"labels", &MapLayerChoice::labels, "the times along the central line, the magnitudes of the curves"},
};

MapLayerChoice AllOrNone(bool shown)
{
    MapLayerChoice layers;
    for (const LayerName& layer : kLayerNames) {
        layers.*layer.member = shown;
    }
    return layers;
}

// Numbers separated by one character, all of them, nothing else.
template <typename Number>
bool ParseList(const std::string& text, char separator, std::vector<Number>& numbers, std::size_t expected)
{
    numbers.clear();
    const char* position = text.data();
    const char* const end = text.data() + text.size();
    while (numbers.size() < expected) {
        Number value{};
        const auto [next, error] = std::from_chars(position, end, value);
        if (error != std::errc()) {
            return false;
        }
        numbers.push_back(value);
        position = next;
        if (numbers.size() < expected) {
            if (position == end || *position != separator) {
                return false;
            }
            ++position;
        }
    }
    return position == end;
}

std::string LayerList()
{
    std::string names;
    for (const LayerName& layer : kLayerNames) {
        names += (names.empty() ? "" : ", ") + std::string(layer.name);
    }
    return names;
}

} // namespace

std::pair<int, int> ParseMapSize(const std::string& text, int largest)
{
    std::vector<int> size;
    if (!ParseList(text, 'x', size, 2) || size[0] < 1 || size[1] < 1 || size[0] > largest || size[1] > largest) {
        throw CLI::ValidationError("--size wants WIDTHxHEIGHT in pixels, 1 to " + std::to_string(largest) +
                                   " each, not " + text);
    }
    return {size[0], size[1]};
}

CentreOption ParseCentre(const std::string& text)
{
    if (text == "auto") {
        return {std::nullopt, true};
    }
    std::vector<double> position;
    if (!ParseList(text, ',', position, 2) || !std::isfinite(position[0]) || !std::isfinite(position[1])) {
        throw CLI::ValidationError("--centre wants LONGITUDE,LATITUDE in degrees or auto, not " + text);
    }
    // A centre from the command line is refused where a document's is only
    // warned of: the user can give another.
    CObservation observation;
    observation.m_centre = CGeoPosition(position[0], position[1]);
    if (const std::vector<std::string> notes = FieldRangeNotes(observation); !notes.empty()) {
        throw CLI::ValidationError("--centre: " + notes.front() + " degrees");
    }
    return {observation.m_centre, false};
}

MapLayerChoice ParseLayers(const std::string& text)
{
    MapLayerChoice layers = AllOrNone(false);
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (name == "all" || name == "none") {
            layers = AllOrNone(name == "all");
        } else {
            const LayerName* found = nullptr;
            for (const LayerName& layer : kLayerNames) {
                found = name == layer.name ? &layer : found;
            }
            if (found == nullptr) {
                throw CLI::ValidationError("unknown layer \"" + name + "\" (expected all, none or a list of " +
                                           LayerList() + ")");
            }
            layers.*found->member = true;
        }
        if (comma == std::string::npos) {
            return layers;
        }
        start = comma + 1;
    }
}

std::string LayersHelp()
{
    std::string help = "the layers drawn over the base map, separated by commas, or all or none:";
    for (const LayerName& layer : kLayerNames) {
        help += "\n  " + std::string(layer.name) + ": " + layer.meaning;
    }
    return help;
}

void AddLayersOption(CLI::App& command, std::optional<MapLayerChoice>& layers, const std::string& defaultText)
{
    command
        .add_option_function<std::string>(
            "--layers", [&layers](const std::string& text) { layers = ParseLayers(text); },
            LayersHelp() + "\n(default: " + defaultText + ")")
        ->type_name("NAME[,NAME...]");
}

bool DrawsPath(const MapLayerChoice& layers)
{
    return layers.path || layers.umbraLimits || layers.penumbraLimits || layers.riseSet || layers.magnitudeCurves ||
           layers.greatest;
}

MapDateOption ParseMapDate(const std::string& name, const std::string& text, bool timeRequired)
{
    const ParsedDateTime parsed = ParseIsoDateTime(text);
    const char* expected = timeRequired ? "YYYY-MM-DDTHH:MM:SS.ss, Universal Time"
                                        : "YYYY-MM-DD, or YYYY-MM-DDTHH:MM:SS.ss of Universal Time";
    if (parsed.error == DateTextError::GregorianGap) {
        throw CLI::ValidationError(name + " " + text + " is none of the calendar's days: 1582-10-05 to 1582-10-14 were "
                                   "left out at the Gregorian reform");
    }
    if (parsed.error == DateTextError::NoSuchDay) {
        throw CLI::ValidationError(name + " " + text + " is no day of the calendar");
    }
    if (parsed.error || (timeRequired && !parsed.hasTime)) {
        throw CLI::ValidationError("malformed " + name + " \"" + text + "\" (expected " + expected + ")");
    }
    if (parsed.value.year < kEarliestYear || parsed.value.year > kLatestYear) {
        throw CLI::ValidationError(name + ": year " + std::to_string(parsed.value.year) + " outside " +
                                   std::to_string(kEarliestYear) + ".." + std::to_string(kLatestYear) +
                                   ", the years where the series and the Delta T models hold");
    }
    MapDateOption date;
    if (parsed.hasTime) {
        date.epoch = parsed.value;
    } else {
        date.eclipseDay = CivilDate{parsed.value.year, parsed.value.month, parsed.value.day};
    }
    return date;
}
