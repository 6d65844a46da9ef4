#pragma once

#include "core/Calendar.h"
#include "ephemeris/TimeModel.h"
#include "places/EclipseTowns.h"
#include "places/TimeZone.h"

#include <string>
#include <vector>

// The towns that see an eclipse, as "umbrant-cli places" writes them, each
// with its name, state, country, population, the type of the eclipse there,
// its magnitude and obscuration, the duration of the central phase, the
// contacts C1 to C4 and the maximum in UT and in the town's civil time,
// and the Sun's altitude at the maximum. zones finds each town's zone by
// its name (a town whose zone is unknown gets UT only).

// A table for people: one line a town, times to the second; the local
// times carry the zone's abbreviation, and the local date of the maximum
// closes the line.
std::string PlacesText(const std::vector<TownCircumstances>& towns, const CivilDate& date, double deltaT,
                       const TimeModel& model, TimeZoneCache& zones);

// A header line, then one row a town: name, state, country, country_code,
// population, longitude, latitude, type, magnitude, obscuration,
// duration_s, sun_altitude (at the maximum), time_zone, c1_ut, c2_ut,
// max_ut, c3_ut, c4_ut, c1_local, c2_local, max_local, c3_local, c4_local
// (ISO 8601, the local ones with their offset; empty when the town has no
// such contact or no zone).
std::string PlacesCsv(const std::vector<TownCircumstances>& towns, TimeZoneCache& zones);

// {"date", "delta_t", "model", "count", "places": [{"name", "state",
// "country", "country_code", "population", "longitude", "latitude",
// "time_zone", "type", "magnitude", "obscuration", "duration_s",
// "sun_altitude", "contacts": {"c1", "c2", "max", "c3", "c4"}}]}; a contact
// is null or {"ut", "local"}, "local" null without a zone.
std::string PlacesJson(const std::vector<TownCircumstances>& towns, const CivilDate& date, double deltaT,
                       const TimeModel& model, TimeZoneCache& zones);
