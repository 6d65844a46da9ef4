#pragma once

#include "eclipse/plane/GeographicPlace.h"
#include "eclipse/search/EclipseSearch.h"
#include "eclipse/uncertainty/CentralChance.h"

#include <vector>

class Ephemeris;

// One eclipse and the chance that a place saw its central phase.
struct EclipseChance {
    EclipseSummary eclipse;
    CentralChance chance;
};

// Of the eclipses given, those whose central phase the place saw with at
// least the probability given, in their order. Delta T is taken as normal
// about each eclipse's own, with the standard error the model states (as
// exact where it states none). A partial eclipse has no central phase
// anywhere whatever Delta T, and is passed over; every other is fitted
// (FitElements) and weighed (ChanceOfCentral), on every core.
std::vector<EclipseChance> CentralAtPlace(const Ephemeris& ephemeris, const std::vector<EclipseSummary>& eclipses,
                                          const GeographicPlace& place, double minimumProbability);
