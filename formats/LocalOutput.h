#pragma once

#include "core/Calendar.h"
#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/local/LocalCircumstances.h"
#include "ephemeris/TimeModel.h"

#include <string>

// "total", "annular", "partial" or "none".
std::string LocalTypeName(LocalEclipseType type);

// The circumstances as a table for people.
std::string LocalText(const LocalCircumstances& seen, const GeographicPlace& place, const CivilDate& date,
                      const TimeModel& model);

// {"type", "magnitude", "moon_sun_ratio", "obscuration", "duration_s", "contacts":
// {"c1", "c2", "max", "c3", "c4"}, "sunrise", "sunset", "visible", "delta_t",
// "model"}; a contact
// is null or {"ut", "altitude", "azimuth", "position_angle", "visible"}.
std::string LocalJson(const LocalCircumstances& seen, const TimeModel& model);

// One row per contact that happens (c1, c2, max, c3, c4) under a header:
// UT, the Sun's altitude and azimuth, the position angle, whether the Sun is
// up, then the type, magnitude, Moon/Sun ratio, obscuration, duration and
// Delta T.
std::string LocalCsv(const LocalCircumstances& seen);
