#include "cli/ObserverPlace.h"

#include "datafiles/ProgramDirectory.h"
#include "places/PlaceChoice.h"
#include "places/PlaceImage.h"

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

// How far the nearest town may lie and still lend its zone to coordinates.
constexpr double kZoneReachKilometres = 100.0;
// Of a name given, the part repeated in a message.
constexpr std::size_t kLongestNameShown = 60;
// The towns of the same name the standard error mentions.
constexpr std::size_t kOthersShown = 3;

std::string ShownName(const std::string& text)
{
    return text.size() <= kLongestNameShown ? text : text.substr(0, kLongestNameShown) + "...";
}

std::string ShortTitle(const Place& place)
{
    std::string title = place.name;
    for (const std::string* part : {&place.state, &place.countryCode}) {
        if (!part->empty()) {
            title += ", " + *part;
        }
    }
    return title;
}

std::string Distance(double kilometres)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f km", kilometres);
    return text;
}

std::string UnknownNameMessage(const std::string& text, const PlaceChoice& choice)
{
    std::string message = "no town named \"" + ShownName(text) + "\" in the gazetteer";
    if (choice.closest.empty()) {
        return message + " (give LON,LAT in degrees for a place it does not list)";
    }
    message += " (closest: ";
    for (std::size_t i = 0; i < choice.closest.size(); ++i) {
        message += (i == 0 ? "" : "; ") + ShortTitle(choice.closest[i]);
    }
    return message + ")";
}

void SayWhichTown(const std::string& text, const PlaceChoice& choice)
{
    std::string note = "umbrant-cli: \"" + ShownName(text) + "\" taken as " + PlaceTitle(*choice.chosen) + " (" +
                       std::to_string(choice.chosen->population) + " people); also ";
    for (std::size_t i = 0; i < choice.others.size() && i < kOthersShown; ++i) {
        note += (i == 0 ? "" : "; ") + PlaceTitle(choice.others[i]) + " (" +
                std::to_string(choice.others[i].population) + ")";
    }
    if (choice.others.size() > kOthersShown) {
        note += " and " + std::to_string(choice.others.size() - kOthersShown) + " more";
    }
    std::cerr << note << "\n";
}

Place NamedTown(const Gazetteer& gazetteer, const std::string& text)
{
    const PlaceChoice choice = ChoosePlace(gazetteer, text);
    if (!choice.chosen) {
        throw std::runtime_error(UnknownNameMessage(text, choice));
    }
    if (!choice.others.empty()) {
        SayWhichTown(text, choice);
    }
    return *choice.chosen;
}

void SetZone(ObserverPlace& observer, std::shared_ptr<const TimeZone> zone, std::string origin)
{
    observer.zone = std::move(zone);
    observer.context.zone = observer.zone.get();
    observer.context.zoneOrigin = observer.zone ? std::move(origin) : std::string();
}

} // namespace

std::shared_ptr<const Gazetteer> LoadGazetteer(const std::string& dataDirectory)
{
    return PlaceImage::Load(JoinPath(dataDirectory, kPlacesFileName));
}

ObserverPlace FindObserverIn(const Gazetteer* gazetteer, const PlaceOption& option, const std::optional<std::string>& zone)
{
    ObserverPlace observer;
    if (option.coordinates) {
        observer.place = *option.coordinates;
    } else {
        const Place town = NamedTown(*gazetteer, option.text);
        observer.place = {town.longitude, town.latitude, 0.0};
        observer.context.placeName = PlaceTitle(town);
        SetZone(observer, SystemTimeZone(town.timeZone), "the zone of " + town.name);
    }
    if (zone) {
        SetZone(observer, SystemTimeZone(*zone), "given with --tz");
    } else if (option.coordinates && gazetteer != nullptr) {
        const std::optional<NearbyPlace> nearest =
            gazetteer->Nearest(observer.place.longitude, observer.place.latitude, kZoneReachKilometres);
        if (nearest) {
            SetZone(observer, SystemTimeZone(nearest->place.timeZone),
                    "the zone of " + PlaceTitle(nearest->place) + ", " + Distance(nearest->distanceKilometres) + " away");
        }
    }
    return observer;
}

// The gazetteer is read only when something needs it: a name, or the zone
// of coordinates given without --tz.
ObserverPlace FindObserver(const PlaceOption& option, const std::optional<std::string>& zone,
                           const std::string& dataDirectory)
{
    const bool needed = !option.coordinates || !zone;
    const std::string path = JoinPath(dataDirectory, kPlacesFileName);
    std::error_code missing;
    const bool optional = option.coordinates.has_value();
    if (!needed || (optional && !std::filesystem::exists(path, missing))) {
        return FindObserverIn(nullptr, option, zone);
    }
    const std::shared_ptr<const Gazetteer> gazetteer = LoadGazetteer(dataDirectory);
    return FindObserverIn(gazetteer.get(), option, zone);
}
