#pragma once

#include "core/Instant.h"
#include "eclipse/BesselianElements.h"

#include <array>
#include <cstddef>

// A polynomial in one variable, coefficients in increasing powers.
struct Polynomial {
    static constexpr std::size_t kMaximumDegree = 4;
    std::array<double, kMaximumDegree + 1> coefficients = {};

    double At(double t) const;
    double DerivativeAt(double t) const;
};

// The Besselian elements of one eclipse as polynomials in hours of TT from
// T0, the whole TT hour nearest greatest eclipse, as the canons publish
// them. Lengths in equatorial Earth radii, angles in radians (d and mu; mu
// unwrapped, so it grows past 2 pi).
// Reference: Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), section 1.4; Meeus, Elements of Solar
//            Eclipses 1951-2200 (1989).
struct FittedElements {
    Instant t0;                 // TT
    double deltaT = 0.0;        // seconds, TT - UT behind mu
    Polynomial x;
    Polynomial y;
    Polynomial d;
    Polynomial l1;
    Polynomial l2;
    Polynomial mu;
    double tanF1 = 0.0;
    double tanF2 = 0.0;
    double validFrom = 0.0;     // hours from T0
    double validTo = 0.0;       // hours from T0

    // The elements at hours from T0 (mu reduced to [0, 2 pi)).
    BesselianElements At(double hours) const;
    // The same with mu unwrapped, as its polynomial gives it.
    BesselianElements UnwrappedAt(double hours) const;
    // Their rates, per hour (tanF1 and tanF2 held constant: 0).
    BesselianElements RatesAt(double hours) const;
    // Hours from T0 of an instant, and the instant of hours from T0.
    double HoursOf(const Instant& instant) const;
    Instant InstantOf(double hours) const;
};
