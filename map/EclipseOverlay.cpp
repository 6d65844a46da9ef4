#include "map/EclipseOverlay.h"

#include "eclipse/path/EclipsePath.h"

#include <vector>

namespace {

const std::vector<double> kCurveLevels = {0.2, 0.4, 0.6, 0.8};

} // namespace

std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements, const std::stop_token& stop)
{
    return TraceMagnitudeCurves(elements, kCurveLevels, stop);
}

EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements, EclipseType type, std::optional<double> deltaTSigma)
{
    EclipseOverlay overlay{type, ComputeEclipsePath(elements), MapMagnitudeCurves(elements), {}, std::nullopt};
    if (deltaTSigma) {
        overlay.band = ComputeUncertainBand(elements, overlay.path, *deltaTSigma, kMapUncertainSigmas);
    }
    return overlay;
}
