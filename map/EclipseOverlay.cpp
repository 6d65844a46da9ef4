#include "map/EclipseOverlay.h"

#include "eclipse/path/EclipsePath.h"
#include "eclipse/path/MagnitudeCurves.h"

std::vector<MagnitudeCurve> MapMagnitudeCurves(const FittedElements& elements, const std::stop_token& stop)
{
    return TraceMagnitudeCurves(elements, ShownMagnitudeLevels(), stop);
}

EclipseOverlay ComposeEclipseOverlay(const FittedElements& elements, EclipseType type, std::optional<double> deltaTSigma)
{
    EclipseOverlay overlay{type, ComputeEclipsePath(elements), MapMagnitudeCurves(elements), {}, std::nullopt};
    if (deltaTSigma) {
        overlay.band = ComputeUncertainBand(elements, overlay.path, *deltaTSigma, kMapUncertainSigmas);
    }
    return overlay;
}
