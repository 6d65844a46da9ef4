#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/local/LocalCircumstances.h"
#include "places/Gazetteer.h"

#include <cstdint>
#include <string>
#include <vector>

// A town and the eclipse as it sees it (from the ground: the gazetteer has
// no heights).
struct TownCircumstances {
    Place place;
    LocalCircumstances seen;
};

// Which towns to keep.
struct TownFilter {
    // Only the towns inside the path: a total or annular phase whose
    // maximum happens with the Sun above the horizon.
    bool centralOnly = false;
    double minimumMagnitude = 0.0;
    std::uint32_t minimumPopulation = 0;
    // ISO 3166-1 alpha-2, any letter case; empty for every country.
    std::string countryCode;
};

// Every town of the gazetteer that the filter keeps and that sees the
// eclipse, some phase of it with the Sun above the horizon; the longest
// central phase first, then the largest magnitude, then the most populous.
std::vector<TownCircumstances> TownsSeeingEclipse(const Gazetteer& gazetteer, const FittedElements& elements,
                                                  const TownFilter& filter);
