#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/local/LocalCircumstances.h"
#include "eclipse/plane/GeographicPlace.h"

#include <optional>
#include <vector>

// A range of Delta T, seconds (TT - UT), from < to.
struct DeltaTRange {
    double from = 0.0;
    double to = 0.0;
};

// Whether a place saw the central phase of an eclipse, when Delta T is
// known only as a normal distribution about the elements' own value.
struct CentralChance {
    double sigma = 0.0;                  // seconds
    double probability = 0.0;            // that the central phase was seen, 0 to 1
    // Every range of Delta T for which the place sees it, within half a turn
    // of the Earth (43082 s) either side of the elements' Delta T, in order.
    std::vector<DeltaTRange> ranges;
    std::optional<DeltaTRange> likeliest;  // the range that holds most of the probability
    // Total or annular, as seen in the middle of the likeliest range; None
    // without one.
    LocalEclipseType centralType = LocalEclipseType::None;
};

// Seconds of Delta T in one turn of the Earth: a place that Delta T moves
// by a whole turn sees the same eclipse again.
double DeltaTPerTurn();

// The chance that a place saw the central phase: the ranges of Delta T
// follow directly from where its parallel sees it (CentralLongitudesAt),
// each degree east of the place being 1 / 0.004178075 s less Delta T; the
// probability is the normal distribution's mass over them. A sigma that is
// not above zero counts Delta T as exact.
// Given:    the elements (their Delta T the mean), the place (degrees,
//           metres), sigma (seconds)
CentralChance ChanceOfCentral(const FittedElements& elements, const GeographicPlace& place, double sigma);

// How uncertain each contact's Universal Time is: half the difference of
// its time for Delta T - sigma and + sigma, seconds; none for a contact
// that does not happen under both.
struct ContactSigmas {
    std::optional<double> c1, c2, maximum, c3, c4;
};
ContactSigmas ContactTimeSigmas(const FittedElements& elements, const GeographicPlace& place, double sigma);

// What the local circumstances say of Delta T's uncertainty at a place.
struct LocalUncertainty {
    CentralChance chance;
    ContactSigmas contacts;
};
LocalUncertainty LocalUncertaintyAt(const FittedElements& elements, const GeographicPlace& place, double sigma);
