#include "eclipse/PrintedElements.h"

#include "core/Units.h"
#include "eclipse/ElementFitting.h"

#include <cmath>
#include <cstdio>

namespace {

std::array<double, PrintedElements::kTerms> Terms(const Polynomial& polynomial, double factor)
{
    std::array<double, PrintedElements::kTerms> terms = {};
    for (std::size_t n = 0; n < PrintedElements::kTerms; ++n) {
        terms[n] = polynomial.coefficients[n] * factor;
    }
    return terms;
}

// -0.0000000 reads as a sign that is not there.
double WithoutNegativeZero(double value, double resolution)
{
    return std::abs(value) < 0.5 * resolution ? 0.0 : value;
}

} // namespace

PrintedElements PrintedElementsOf(const FittedElements& e)
{
    PrintedElements printed;
    printed.x = Terms(e.x, 1.0);
    printed.y = Terms(e.y, 1.0);
    printed.d = Terms(e.d, kRadiansToDegrees);
    printed.l1 = Terms(e.l1, 1.0);
    printed.l2 = Terms(e.l2, 1.0);
    printed.mu = Terms(EphemerisHourAngle(e), kRadiansToDegrees);
    printed.tanF1 = e.tanF1;
    printed.tanF2 = e.tanF2;
    return printed;
}

std::string ElementsTableText(const PrintedElements& p)
{
    std::string text = "  n          x            y             d           l1            l2             mu\n";
    char line[160];
    for (std::size_t n = 0; n < PrintedElements::kTerms; ++n) {
        std::snprintf(line, sizeof line, "  %zu  %11.7f  %11.7f  %12.7f  %11.7f  %12.7f  %13.6f\n", n,
                      WithoutNegativeZero(p.x[n], 1e-7), WithoutNegativeZero(p.y[n], 1e-7), WithoutNegativeZero(p.d[n], 1e-7),
                      WithoutNegativeZero(p.l1[n], 1e-7), WithoutNegativeZero(p.l2[n], 1e-7),
                      WithoutNegativeZero(p.mu[n], 1e-6));
        text += line;
    }
    std::snprintf(line, sizeof line, "\n  tan f1 = %.7f      tan f2 = %.7f\n", p.tanF1, p.tanF2);
    text += line;
    return text;
}
