#include "eclipse/path/LimbFunction.h"

#include <cmath>

namespace {

constexpr int kExtremumIterations = 12;
constexpr double kAngleTolerance = 1e-13;
// Newton's step is trusted a few tenths of a radian at most.
constexpr double kLargestStep = 0.3;

} // namespace

double LimbFunction::At(double theta) const
{
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    return a0 + a1 * c + b1 * s + a2 * (c * c - s * s) + b2 * 2.0 * s * c;
}

double LimbFunction::Slope(double theta) const
{
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    return -a1 * s + b1 * c - 2.0 * a2 * 2.0 * s * c + 2.0 * b2 * (c * c - s * s);
}

double LimbFunction::ExtremumNear(double theta) const
{
    for (int iteration = 0; iteration < kExtremumIterations; ++iteration) {
        const double s = std::sin(theta);
        const double c = std::cos(theta);
        const double sin2 = 2.0 * s * c;
        const double cos2 = c * c - s * s;
        const double slope = -a1 * s + b1 * c - 2.0 * a2 * sin2 + 2.0 * b2 * cos2;
        const double curvature = -a1 * c - b1 * s - 4.0 * a2 * cos2 - 4.0 * b2 * sin2;
        if (curvature == 0.0) {
            break;
        }
        const double step = std::fmax(-kLargestStep, std::fmin(kLargestStep, slope / curvature));
        theta -= step;
        if (std::abs(step) < kAngleTolerance) {
            break;
        }
    }
    return theta;
}
