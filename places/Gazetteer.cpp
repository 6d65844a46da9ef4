#include "places/Gazetteer.h"

#include "places/PlaceNames.h"

std::vector<Place> Gazetteer::FindByName(std::string_view name) const
{
    std::vector<Place> found;
    const std::optional<std::string> key = FoldedName(name);
    if (!key || key->empty()) {
        return found;
    }
    ForEach([&](const Place& place) {
        if (FoldsTo(place.name, *key)) {
            found.push_back(place);
        }
    });
    return found;
}

std::optional<NearbyPlace> Gazetteer::Nearest(double longitude, double latitude, double maximumKilometres) const
{
    std::optional<NearbyPlace> nearest;
    ForEach([&](const Place& place) {
        const double distance = GreatCircleKilometres(longitude, latitude, place.longitude, place.latitude);
        if (distance <= maximumKilometres && (!nearest || distance < nearest->distanceKilometres)) {
            nearest = NearbyPlace{place, distance};
        }
    });
    return nearest;
}
