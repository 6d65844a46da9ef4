// Stand-in until the library defines the fitting of Besselian elements
// (see README.md).
#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/ElementFitting.h"
#include "ephemeris/Ephemeris.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kDegree = 3;
constexpr double kHalfWindowHours = 4.0;
constexpr double kSampleStepHours = 0.5;

// Least-squares polynomial of kDegree through (t, value), by the normal
// equations on t scaled to [-1, 1].
Polynomial Fit(const std::vector<double>& times, const std::vector<double>& values)
{
    constexpr int n = kDegree + 1;
    std::array<std::array<double, n + 1>, n> system{};
    for (std::size_t k = 0; k < times.size(); ++k) {
        std::array<double, n> powers{};
        double power = 1.0;
        for (int i = 0; i < n; ++i) {
            powers[i] = power;
            power *= times[k] / kHalfWindowHours;
        }
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                system[i][j] += powers[i] * powers[j];
            }
            system[i][n] += powers[i] * values[k];
        }
    }
    for (int column = 0; column < n; ++column) {
        for (int row = column + 1; row < n; ++row) {
            const double factor = system[row][column] / system[column][column];
            for (int j = column; j <= n; ++j) {
                system[row][j] -= factor * system[column][j];
            }
        }
    }
    Polynomial polynomial;
    for (int row = n - 1; row >= 0; --row) {
        double sum = system[row][n];
        for (int j = row + 1; j < n; ++j) {
            sum -= system[row][j] * polynomial.coefficients[j];
        }
        polynomial.coefficients[row] = sum / system[row][row];
    }
    double scale = 1.0;
    for (int i = 0; i < n; ++i) {
        polynomial.coefficients[i] /= scale;
        scale *= kHalfWindowHours;
    }
    return polynomial;
}

} // namespace

FittedElementsReport FitElements(const Ephemeris& ephemeris, const Instant& nearGreatestEclipse)
{
    FittedElementsReport report;
    FittedElements& fitted = report.elements;
    const double t0 = std::round(nearGreatestEclipse.JulianDate() * kHoursPerDay) / kHoursPerDay;
    fitted.t0 = Instant::FromJulianDate(std::floor(t0), t0 - std::floor(t0));
    std::vector<double> times, x, y, d, l1, l2, mu;
    double previousMu = 0.0;
    for (double hours = -kHalfWindowHours; hours <= kHalfWindowHours; hours += kSampleStepHours) {
        const BesselianElements elements = ElementsAt(ephemeris, fitted.t0.PlusSeconds(hours * kSecondsPerHour));
        times.push_back(hours);
        x.push_back(elements.x);
        y.push_back(elements.y);
        d.push_back(elements.d);
        l1.push_back(elements.l1);
        l2.push_back(elements.l2);
        double unwrapped = elements.mu;
        while (!mu.empty() && unwrapped < previousMu) {
            unwrapped += kTwoPi;
        }
        mu.push_back(unwrapped);
        previousMu = unwrapped;
        fitted.tanF1 = elements.tanF1;
        fitted.tanF2 = elements.tanF2;
        fitted.deltaT = elements.deltaT;
    }
    fitted.x = Fit(times, x);
    fitted.y = Fit(times, y);
    fitted.d = Fit(times, d);
    fitted.l1 = Fit(times, l1);
    fitted.l2 = Fit(times, l2);
    fitted.mu = Fit(times, mu);
    fitted.validFrom = -kHalfWindowHours;
    fitted.validTo = kHalfWindowHours;
    return report;
}
