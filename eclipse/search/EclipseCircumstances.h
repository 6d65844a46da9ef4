#pragma once

#include "eclipse/FittedElements.h"
#include "eclipse/search/EclipseSearch.h"

#include <optional>

// The circumstances of greatest eclipse, the instant when the shadow axis
// passes nearest the Earth's centre, from elements that span it:
// - gamma, that least distance, signed as y;
// - where the axis meets the Earth (a central eclipse) or, when it misses,
//   the point of the Earth's outline nearest it, where the Sun is on the
//   horizon; the Sun's altitude there;
// - the magnitude there: the ratio of the apparent diameters of the Moon and
//   the Sun on the central line, (L1 - L2) / (L1 + L2); the fraction of the
//   Sun's diameter covered off it, (L1 - Delta) / (L1 + L2);
// - the type: partial when neither umbra nor antumbra touches the Earth;
//   total or annular by the sign of L2 = l2 - zeta tan f2 along the central
//   line, hybrid when it takes both signs there (for an axis that misses the
//   Earth, by the sign of l2);
// - on the central line, the duration of totality or annularity at the
//   place of greatest eclipse and the width of the path there.
// None when the penumbra misses the Earth. The Saros series is left at 0.
// The margin says how near the type lies to a boundary: the smallest
// distance, Earth radii, of the quantities that decide it from their limits
// (L2 along the central line from 0; off it, the distance of the axis from
// the outline from |L2| and L1), so that elements of little accuracy far
// from greatest eclipse can be refined when it is small.
// Reference: Explanatory Supplement to the Astronomical Almanac (1992), 8.33
//            to 8.36; Meeus, Elements of Solar Eclipses 1951-2200 (1989);
//            Espenak & Meeus, Five Millennium Canon of Solar Eclipses (NASA
//            TP-2006-214141), sections 1.4 to 1.6, for the conventions.
struct EclipseAtGreatest {
    EclipseSummary summary;
    double typeMargin = 0.0;  // Earth radii
};

std::optional<EclipseAtGreatest> CircumstancesAtGreatestEclipse(const FittedElements& elements, double greatestHours);
