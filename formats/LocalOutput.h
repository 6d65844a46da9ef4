#pragma once

#include "core/Calendar.h"
#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/uncertainty/CentralChance.h"
#include "ephemeris/TimeModel.h"

#include <string>

// "total", "annular", "partial" or "none".
std::string LocalTypeName(LocalEclipseType type);

// The circumstances as a table for people. With Delta T's uncertainty,
// Delta T is followed by its sigma, and lines for the central phase's
// probability and the contacts' spread close the table.
std::string LocalText(const LocalCircumstances& seen, const GeographicPlace& place, const CivilDate& date,
                      const TimeModel& model, const LocalUncertainty* uncertainty = nullptr);

// {"type", "magnitude", "moon_sun_ratio", "obscuration", "duration_s", "contacts":
// {"c1", "c2", "max", "c3", "c4"}, "sunrise", "sunset", "visible", "delta_t",
// "model", "delta_t_sigma", "probability_central", "delta_t_range_central",
// "delta_t_ranges_central"}; a contact is null or {"ut", "altitude",
// "azimuth", "position_angle", "visible", "ut_sigma_s"}. Without Delta T's
// uncertainty the figures of it are null (the ranges empty).
std::string LocalJson(const LocalCircumstances& seen, const TimeModel& model, const LocalUncertainty* uncertainty = nullptr);

// One row per contact that happens (c1, c2, max, c3, c4) under a header:
// UT, the Sun's altitude and azimuth, the position angle, whether the Sun is
// up, then the type, magnitude, Moon/Sun ratio, obscuration, duration and
// Delta T; with Delta T's uncertainty, its sigma, the central phase's
// probability and the contact's spread in seconds.
std::string LocalCsv(const LocalCircumstances& seen, const LocalUncertainty* uncertainty = nullptr);
