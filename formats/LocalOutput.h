#pragma once

#include "core/Calendar.h"
#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "ephemeris/TimeModel.h"
#include "places/TimeZone.h"

#include <string>

// Who the observer is beyond their coordinates: the town's name when one
// was named, and the time zone of their clocks (none: the outputs give UT
// only), with where that zone comes from, for the text.
struct ObserverContext {
    std::string placeName;          // "Dallas, Texas, United States of America"; may be empty
    const TimeZone* zone = nullptr;
    std::string zoneOrigin;         // "the zone of Dallas, 1.2 km away"; may be empty
};

// "total", "annular", "partial" or "none".
std::string LocalTypeName(LocalEclipseType type);

// The circumstances as a table for people; with a zone, each contact also
// in local time ("13:40:43.0 CDT, UTC-05:00", with "+1 d" or "-1 d" when
// the local date is not UT's). With Delta T's uncertainty, Delta T is
// followed by its sigma, and lines for the central phase's probability and
// the contacts' spread close the table.
std::string LocalText(const LocalCircumstances& seen, const GeographicPlace& place, const CivilDate& date,
                      const TimeModel& model, const ObserverContext& observer = {},
                      const LocalUncertainty* uncertainty = nullptr);

// {"type", "magnitude", "moon_sun_ratio", "obscuration", "duration_s", "contacts":
// {"c1", "c2", "max", "c3", "c4"}, "sunrise", "sunset", "visible", "delta_t",
// "model", "place", "time_zone", "delta_t_sigma", "probability_central",
// "delta_t_range_central", "delta_t_ranges_central"}; a contact is null or
// {"ut", "local", "altitude", "azimuth", "position_angle", "visible",
// "ut_sigma_s"}, "local" being ISO 8601 with the offset
// ("2024-04-08T13:40:43.0-05:00"), null without a zone; "place" and
// "time_zone" (the IANA name) are null when unknown. Without Delta T's
// uncertainty the figures of it are null (the ranges empty).
std::string LocalJson(const LocalCircumstances& seen, const TimeModel& model, const ObserverContext& observer = {},
                      const LocalUncertainty* uncertainty = nullptr);

// One row per contact that happens (c1, c2, max, c3, c4) under a header:
// UT, local time (as in the JSON; empty without a zone), the Sun's altitude
// and azimuth, the position angle, whether the Sun is up, then the type,
// magnitude, Moon/Sun ratio, obscuration, duration and Delta T; with Delta
// T's uncertainty, its sigma, the central phase's probability and the
// contact's spread in seconds.
std::string LocalCsv(const LocalCircumstances& seen, const ObserverContext& observer = {},
                     const LocalUncertainty* uncertainty = nullptr);

// A contact's local time as ISO 8601 with the offset, one decimal; empty
// without a zone.
std::string IsoLocalTimeOf(const Instant& instant, double deltaT, const TimeZone* zone);
