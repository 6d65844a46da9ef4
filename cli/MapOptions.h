#pragma once

#include "cli/CommandRegistry.h"
#include "core/Calendar.h"
#include "map/MapFrame.h"

#include <optional>
#include <string>
#include <utility>

// The options of the commands that draw maps (render, animate), each read
// and checked by the parser: a malformed or out-of-range value is one line
// naming the option and what it wants.

// --size WxH: each side 1 to largest pixels.
std::pair<int, int> ParseMapSize(const std::string& text, int largest);

// --centre LON,LAT in degrees, or auto (none): the centre that keeps the
// eclipse's whole path in view.
struct CentreOption {
    std::optional<CGeoPosition> given;
    bool automatic = false;
};
CentreOption ParseCentre(const std::string& text);

// --layers NAME[,NAME...]: the layers by name (shadow, path, uncertainty, limits,
// penumbra-limits, rise-set, magnitude-curves, graticule, terminator,
// observer, greatest, labels), all or none; later names add to earlier ones
// ("none,shadow" is the shadow alone).
MapLayerChoice ParseLayers(const std::string& text);
// The names and what each draws, for the options' help.
std::string LayersHelp();
void AddLayersOption(CLI::App& command, std::optional<MapLayerChoice>& layers, const std::string& defaultText);
// Whether the choice draws anything of the eclipse's path, which is then
// computed for it.
bool DrawsPath(const MapLayerChoice& layers);

// --date of a map: YYYY-MM-DD alone, the eclipse of that day of Universal
// Time at its greatest, or with THH:MM[:SS[.ss]] the epoch itself; within
// the years -1999 to 3000.
struct MapDateOption {
    std::optional<CivilDateTime> epoch;
    std::optional<CivilDate> eclipseDay;
};
MapDateOption ParseMapDate(const std::string& name, const std::string& text, bool timeRequired);
