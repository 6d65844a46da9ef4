#include "eclipse/PolynomialFit.h"

#include "core/Units.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

namespace {

constexpr std::size_t kCoefficients = Polynomial::kMaximumDegree + 1;
using Matrix = std::array<std::array<double, kCoefficients + 1>, kCoefficients>;

// Solves the first n rows of an augmented system in place, by Gaussian
// elimination with partial pivoting; the solution is left in the last column.
void Solve(Matrix& system, std::size_t n)
{
    for (std::size_t column = 0; column < n; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < n; ++row) {
            if (std::abs(system[row][column]) > std::abs(system[pivot][column])) {
                pivot = row;
            }
        }
        std::swap(system[column], system[pivot]);
        for (std::size_t row = 0; row < n; ++row) {
            if (row == column) {
                continue;
            }
            const double factor = system[row][column] / system[column][column];
            for (std::size_t k = column; k <= n; ++k) {
                system[row][k] -= factor * system[column][k];
            }
        }
    }
    for (std::size_t row = 0; row < n; ++row) {
        system[row][n] /= system[row][row];
    }
}

} // namespace

Polynomial FitPolynomial(std::span<const double> abscissae, std::span<const double> values, std::size_t degree)
{
    const std::size_t n = degree + 1;
    if (degree > Polynomial::kMaximumDegree || abscissae.size() != values.size() || abscissae.size() < n) {
        throw std::invalid_argument("FitPolynomial: too few points for the degree");
    }
    double scale = 0.0;
    for (const double t : abscissae) {
        scale = std::max(scale, std::abs(t));
    }
    scale = scale > 0.0 ? scale : 1.0;

    // Normal equations in s = t / scale.
    Matrix system = {};
    for (std::size_t point = 0; point < abscissae.size(); ++point) {
        const double s = abscissae[point] / scale;
        std::array<double, kCoefficients> powers = {};
        powers[0] = 1.0;
        for (std::size_t j = 1; j < n; ++j) {
            powers[j] = powers[j - 1] * s;
        }
        for (std::size_t row = 0; row < n; ++row) {
            for (std::size_t column = 0; column < n; ++column) {
                system[row][column] += powers[row] * powers[column];
            }
            system[row][n] += powers[row] * values[point];
        }
    }
    Solve(system, n);

    Polynomial polynomial;
    double scalePower = 1.0;
    for (std::size_t j = 0; j < n; ++j) {
        polynomial.coefficients[j] = system[j][n] / scalePower;
        scalePower *= scale;
    }
    return polynomial;
}

void UnwrapAngles(std::span<double> angles)
{
    for (std::size_t i = 1; i < angles.size(); ++i) {
        const double step = std::remainder(angles[i] - angles[i - 1], kTwoPi);
        angles[i] = angles[i - 1] + step;
    }
}

namespace {

double SecondDerivativeAt(const Polynomial& p, double t)
{
    double value = 0.0;
    for (std::size_t power = p.coefficients.size(); power-- > 2;) {
        value = value * t + static_cast<double>(power * (power - 1)) * p.coefficients[power];
    }
    return value;
}

constexpr int kNewtonIterations = 20;
constexpr double kHoursTolerance = 1e-10;
// The axis moves about half an Earth radius an hour: a root farther than
// this from the start is not the eclipse's.
constexpr double kLongestStepHours = 6.0;

} // namespace

double LeastAxisDistanceHours(const Polynomial& x, const Polynomial& y, double startHours)
{
    double t = startHours;
    for (int iteration = 0; iteration < kNewtonIterations; ++iteration) {
        const double xd = x.DerivativeAt(t);
        const double yd = y.DerivativeAt(t);
        const double slope = xd * xd + yd * yd + x.At(t) * SecondDerivativeAt(x, t) + y.At(t) * SecondDerivativeAt(y, t);
        const double step = (x.At(t) * xd + y.At(t) * yd) / slope;
        if (!std::isfinite(step)) {
            break;
        }
        t = std::clamp(t - step, startHours - kLongestStepHours, startHours + kLongestStepHours);
        if (std::abs(step) < kHoursTolerance) {
            break;
        }
    }
    return t;
}
