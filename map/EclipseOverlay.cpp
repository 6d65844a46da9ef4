#include "map/EclipseOverlay.h"

#include "eclipse/path/EclipsePath.h"

#include <vector>

namespace {

constexpr double kCurveSpacingDegrees = 0.5;
const std::vector<double> kCurveLevels = {0.2, 0.4, 0.6, 0.8};

} // namespace

std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements)
{
    return MagnitudeCurvesOf(ComputeMagnitudeGrid(elements, kCurveSpacingDegrees), kCurveLevels);
}

EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements, std::optional<double> deltaTSigma)
{
    EclipseOverlay overlay{ComputeEclipsePath(elements), MapMagnitudeCurves(elements), std::nullopt};
    if (deltaTSigma) {
        overlay.band = ComputeUncertainBand(elements, overlay.path, *deltaTSigma, kMapUncertainSigmas);
    }
    return overlay;
}
