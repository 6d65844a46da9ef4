#include "places/geonames/GeonamesGazetteer.h"

#include <geonames.h>

#include <memory>

namespace {

struct CityFree {
    void operator()(GeonamesCity* city) const { geonames_city_free(city); }
};
using CityHandle = std::unique_ptr<GeonamesCity, CityFree>;

std::string TextOf(const gchar* text)
{
    return text != nullptr ? std::string(text) : std::string();
}

void Fill(GeonamesCity* city, Place& place)
{
    place.name = TextOf(geonames_city_get_name(city));
    place.state = TextOf(geonames_city_get_state(city));
    place.country = TextOf(geonames_city_get_country(city));
    place.countryCode = TextOf(geonames_city_get_country_code(city));
    place.timeZone = TextOf(geonames_city_get_timezone(city));
    place.longitude = geonames_city_get_longitude(city);
    place.latitude = geonames_city_get_latitude(city);
    place.population = geonames_city_get_population(city);
}

} // namespace

std::size_t GeonamesGazetteer::Size() const
{
    const gint count = geonames_get_n_cities();
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

void GeonamesGazetteer::ForEach(const std::function<void(const Place&)>& visit) const
{
    const gint count = geonames_get_n_cities();
    Place place;
    for (gint index = 0; index < count; ++index) {
        const CityHandle city(geonames_get_city(index));
        if (city) {
            Fill(city.get(), place);
            visit(place);
        }
    }
}
