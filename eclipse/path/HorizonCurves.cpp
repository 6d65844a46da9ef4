#include "eclipse/path/HorizonCurves.h"

#include "core/Units.h"
#include "eclipse/path/LimbFunction.h"
#include "eclipse/path/RootFinding.h"

#include <cmath>

namespace {

constexpr double kAngleTolerance = 1e-12;  // radians along the limb

// The limb's point at theta is (sin theta, rho cos theta, f rho cos theta).

// Its squared distance from the axis less the square of the penumbra's
// radius there, L1 = l1 - zeta tan f1: negative inside the penumbra.
LimbFunction OutsidePenumbra(const EarthOnPlane& earth)
{
    const BesselianElements& shadow = earth.Plane().elements;
    const double rho = earth.LimbNorthRadius();
    const double narrowing = -earth.LimbZetaPerEta() * rho * shadow.tanF1;  // L1 = l1 + narrowing cos theta
    LimbFunction function;
    function.a0 = 0.5 * (1.0 + rho * rho) + shadow.x * shadow.x + shadow.y * shadow.y - shadow.l1 * shadow.l1 -
                  0.5 * narrowing * narrowing;
    function.a1 = -2.0 * rho * shadow.y - 2.0 * shadow.l1 * narrowing;
    function.b1 = -2.0 * shadow.x;
    function.a2 = 0.5 * (rho * rho - 1.0) - 0.5 * narrowing * narrowing;
    return function;
}

// (axis - point) . (velocity of the axis relative to the point): positive
// while the axis moves away from the limb's point. The ground's velocity at
// the point is (p cos theta, q sin theta + r cos theta).
LimbFunction Receding(const EarthOnPlane& earth)
{
    const PlaneInstant& plane = earth.Plane();
    const BesselianElements& shadow = plane.elements;
    const BesselianElements& rates = plane.rates;
    const double rho = earth.LimbNorthRadius();
    const double zetaPerEta = earth.LimbZetaPerEta();
    const double p = rates.mu * rho * (zetaPerEta * plane.cosD - plane.sinD);
    const double q = rates.mu * plane.sinD;
    const double r = -zetaPerEta * rho * rates.d;
    LimbFunction function;
    function.a0 = shadow.x * rates.x + shadow.y * rates.y + 0.5 * rho * r;
    function.a1 = -shadow.x * p - shadow.y * r - rho * rates.y;
    function.b1 = -rates.x - shadow.y * q;
    function.a2 = 0.5 * rho * r;
    function.b2 = 0.5 * (p + rho * q);
    return function;
}

// The root of f on the arc counterclockwise (First) or clockwise (Second)
// from its minimum near startOfMinimum to its maximum, if they straddle 0.
std::optional<double> RootOnArc(const LimbFunction& f, double startOfMinimum, LimbBranch branch)
{
    const double low = f.ExtremumNear(startOfMinimum);
    const double high = f.ExtremumNear(low + kPi);
    const auto value = [&f](double theta) { return f.At(theta); };
    const double lowValue = f.At(low);
    const double highValue = f.At(high);
    if (!(lowValue <= 0.0 && highValue >= 0.0)) {
        return std::nullopt;
    }
    double span = std::fmod(high - low, kTwoPi);
    if (span < 0.0) {
        span += kTwoPi;
    }
    if (branch == LimbBranch::First) {
        return FindRoot(value, low, lowValue, low + span, highValue, kAngleTolerance);
    }
    return FindRoot(value, low + span, highValue, low + kTwoPi, lowValue, kAngleTolerance);
}

} // namespace

std::optional<PlanePoint> ContactOnLimb(const EarthOnPlane& earth, LimbBranch branch)
{
    const BesselianElements& shadow = earth.Plane().elements;
    const double nearest = std::atan2(shadow.x, shadow.y / earth.LimbNorthRadius());
    const std::optional<double> theta = RootOnArc(OutsidePenumbra(earth), nearest, branch);
    if (!theta) {
        return std::nullopt;
    }
    return earth.LimbPoint(*theta);
}

std::optional<PlanePoint> MaximumOnLimb(const EarthOnPlane& earth, LimbBranch branch)
{
    const BesselianElements& rates = earth.Plane().rates;
    // The axis comes nearest soonest to the places it heads for.
    const double ahead = std::atan2(rates.x, earth.LimbNorthRadius() * rates.y);
    const std::optional<double> theta = RootOnArc(Receding(earth), ahead, branch);
    if (!theta || !(OutsidePenumbra(earth).At(*theta) <= 0.0)) {
        return std::nullopt;
    }
    return earth.LimbPoint(*theta);
}
