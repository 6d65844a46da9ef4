#pragma once

#include "eclipse/FittedElements.h"

#include <cstddef>
#include <span>

// The polynomial of the given degree (at most Polynomial::kMaximumDegree)
// nearest the values in the least-squares sense, in the variable of the
// abscissae. With as many points as coefficients it interpolates them.
// The points should be spread over an interval about the origin of the
// abscissae (within some hours of it); the fit is solved in that interval
// scaled to [-1, 1], so that it stays well conditioned.
// Reference: Press et al., Numerical Recipes (3rd ed., 2007), 15.4.
Polynomial FitPolynomial(std::span<const double> abscissae, std::span<const double> values, std::size_t degree);

// Angles that grow through 2 pi (an hour angle), given reduced to [0, 2 pi)
// in increasing order of time, made continuous: each step is taken as the
// one nearest in angle.
void UnwrapAngles(std::span<double> angles);

// The hours of the least distance of the shadow axis from the Earth's
// centre (greatest eclipse): the root of x x' + y y' nearest startHours, by
// Newton's method, for x and y in hours.
// Reference: Espenak & Meeus, Five Millennium Canon of Solar Eclipses
//            (NASA TP-2006-214141), for the definition of greatest eclipse.
double LeastAxisDistanceHours(const Polynomial& x, const Polynomial& y, double startHours);
