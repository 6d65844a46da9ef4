#pragma once

#include "app/DesktopSettings.h"
#include "ephemeris/Ephemeris.h"

#include <string>

class CObservation;

// The ephemeris of a data directory under the chosen model, with the
// epoch's given Delta T when it has one. Raises CFileException for a missing
// or short series file.
Ephemeris LoadDesktopEphemeris(const std::string& dataDirectory, const CObservation& epoch, CDesktopSettings::Model model);

// The place under the Sun at an instant (TT), degrees, longitude in
// [-180, 180): the Sun's apparent right ascension less the model's
// Greenwich sidereal time, and its declination.
CGeoPosition SubsolarPoint(const Ephemeris& ephemeris, const Instant& instant);
