#include "places/EclipseTowns.h"

#include <algorithm>
#include <cctype>

namespace {

bool SameCountryCode(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

bool KeptBeforeComputing(const Place& place, const TownFilter& filter)
{
    return place.population >= filter.minimumPopulation &&
           (filter.countryCode.empty() || SameCountryCode(place.countryCode, filter.countryCode));
}

bool SeesCentralPhase(const LocalCircumstances& seen)
{
    return (seen.type == LocalEclipseType::Total || seen.type == LocalEclipseType::Annular) && seen.maximum &&
           seen.maximum->sunAboveHorizon;
}

bool Kept(const LocalCircumstances& seen, const TownFilter& filter)
{
    return seen.type != LocalEclipseType::None && seen.Visible() && seen.magnitude >= filter.minimumMagnitude &&
           (!filter.centralOnly || SeesCentralPhase(seen));
}

bool ComesFirst(const TownCircumstances& a, const TownCircumstances& b)
{
    if (a.seen.durationSeconds != b.seen.durationSeconds) {
        return a.seen.durationSeconds > b.seen.durationSeconds;
    }
    if (a.seen.magnitude != b.seen.magnitude) {
        return a.seen.magnitude > b.seen.magnitude;
    }
    return a.place.population > b.place.population;
}

} // namespace

std::vector<TownCircumstances> TownsSeeingEclipse(const Gazetteer& gazetteer, const FittedElements& elements,
                                                  const TownFilter& filter)
{
    std::vector<TownCircumstances> towns;
    gazetteer.ForEach([&](const Place& place) {
        if (!KeptBeforeComputing(place, filter)) {
            return;
        }
        const LocalCircumstances seen = LocalCircumstancesAt(elements, {place.longitude, place.latitude, 0.0});
        if (Kept(seen, filter)) {
            towns.push_back({place, seen});
        }
    });
    std::sort(towns.begin(), towns.end(), ComesFirst);
    return towns;
}
