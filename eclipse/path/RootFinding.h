#pragma once

#include <cmath>

// Small one-dimensional solvers for the curves of the path, written as
// templates so that the function evaluated thousands of times per path is
// inlined.

// A root of f between a and b, where f(a) = fa and f(b) = fb have opposite
// signs (or one is zero): regula falsi with the Illinois modification, which
// keeps the bracket and converges superlinearly.
// Reference: Dowell & Jarratt, BIT 11, 168 (1971).
template <typename Function>
double FindRoot(const Function& f, double a, double fa, double b, double fb, double tolerance)
{
    if (fa == 0.0) {
        return a;
    }
    if (fb == 0.0) {
        return b;
    }
    int side = 0;
    for (int iteration = 0; iteration < 100 && std::abs(b - a) > tolerance; ++iteration) {
        const double c = (a * fb - b * fa) / (fb - fa);
        const double fc = f(c);
        if (fc == 0.0 || !std::isfinite(fc)) {
            return c;
        }
        if ((fc > 0.0) == (fb > 0.0)) {
            b = c;
            fb = fc;
            if (side == -1) {
                fa *= 0.5;
            }
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == +1) {
                fb *= 0.5;
            }
            side = +1;
        }
    }
    return std::abs(fa) < std::abs(fb) ? a : b;
}

// The boundary between where exists(t) is false (at outside) and true (at
// inside), by bisection to within tolerance; the returned instant is on the
// true side.
template <typename Predicate>
double FindBoundary(const Predicate& exists, double outside, double inside, double tolerance)
{
    while (std::abs(inside - outside) > tolerance) {
        const double middle = 0.5 * (inside + outside);
        (exists(middle) ? inside : outside) = middle;
    }
    return inside;
}

// A stationary point of f near start (a minimum or maximum), by Newton's
// method on central differences.
template <typename Function>
double FindExtremum(const Function& f, double start, double step, int iterations)
{
    // Newton's step is trusted a few tenths of the variable at most.
    constexpr double kLargestMove = 0.3;
    double x = start;
    for (int iteration = 0; iteration < iterations; ++iteration) {
        const double lower = f(x - step);
        const double middle = f(x);
        const double upper = f(x + step);
        const double second = lower - 2.0 * middle + upper;
        if (second == 0.0 || !std::isfinite(second)) {
            break;
        }
        const double move = 0.5 * step * (lower - upper) / second;
        x += std::fmax(-kLargestMove, std::fmin(kLargestMove, move));
        if (std::abs(move) < 1e-6 * step) {
            break;
        }
    }
    return x;
}
