#pragma once

#include "core/Instant.h"
#include "eclipse/FittedElements.h"

class Ephemeris;

// The largest difference between each fitted polynomial and ElementsAt over
// the validity window (Earth radii; radians for d and mu).
struct FitResiduals {
    double x = 0.0;
    double y = 0.0;
    double d = 0.0;
    double l1 = 0.0;
    double l2 = 0.0;
    double mu = 0.0;
    double tanF1 = 0.0;
    double tanF2 = 0.0;
};

struct FittedElementsReport {
    FittedElements elements;
    FitResiduals residuals;
};

// The Besselian elements of the eclipse whose greatest eclipse lies near
// the given instant (TT): ElementsAt sampled from before P1 to after P4,
// fitted by least squares in hours from T0, the whole TT hour nearest
// greatest eclipse.
FittedElementsReport FitElements(const Ephemeris& ephemeris, const Instant& nearGreatestEclipse);
