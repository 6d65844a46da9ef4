#pragma once

#include "core/Calendar.h"
#include "ephemeris/Ephemeris.h"
#include "map/EclipseOverlay.h"

#include <optional>

// The eclipse a map of the command line draws: its overlay (path and
// curves, as the desktop draws them), and its greatest eclipse (TT).
struct MapEclipse {
    EclipseOverlay overlay;
    Instant greatest;
};

// The eclipse of a day of Universal Time; none raises std::runtime_error
// with one line (FindEclipseOfDate).
MapEclipse EclipseOfDay(const Ephemeris& ephemeris, const CivilDate& day);

// The eclipse nearest an instant (TT) within a fortnight, as the desktop
// follows its epoch; none when there is none.
std::optional<MapEclipse> EclipseAround(const Ephemeris& ephemeris, const Instant& instant);
