#include "map/layers/AnnotationLayers.h"

#include "core/Units.h"
#include "map/GeoProjection.h"

#include <cmath>
#include <vector>

namespace {

constexpr RgbColour kGraticuleColour{90, 110, 140};
constexpr RgbColour kTerminatorColour{20, 20, 70};
constexpr RgbColour kObserverColour{0, 90, 220};
constexpr RgbColour kObserverInner{255, 255, 255};

constexpr double kGraticuleSpacing = 15.0;  // degrees
constexpr double kSampleSpacing = 2.0;      // degrees along a graticule line or a circle
constexpr double kObserverRadius = 6.0;     // pixels
constexpr RgbColour kInstantColour{255, 255, 255};
constexpr RgbColour kInstantBand{0, 0, 0};
constexpr double kInstantPointSize = 14.0;
constexpr double kInstantMargin = 8.0;      // pixels from the corner
// A band wide enough for the label in the default font (its digits are
// about 0.6 em wide), so that it reads on land and sea alike.
constexpr double kInstantCharacterEms = 0.62;
constexpr double kInstantBandOpacity = 0.55;

void StrokePlaces(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<double>& latitudes,
                  const std::vector<double>& longitudes, const LineStyle& style)
{
    projector.ForEachVisibleRun(latitudes, longitudes, [&](std::span<const MapPoint> run) { surface.StrokePolyline(run, style); });
}

std::vector<MapPoint> Circle(MapPoint centre, double radius)
{
    std::vector<MapPoint> points;
    for (int i = 0; i <= 24; ++i) {
        const double angle = i * kTwoPi / 24.0;
        points.push_back({centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return points;
}

} // namespace

void CGraticuleLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (!frame.layers.graticule) {
        return;
    }
    const GeoProjector projector(frame);
    const LineStyle style{kGraticuleColour, 0.8, 0.6};
    for (double longitude = -180.0; longitude < 180.0; longitude += kGraticuleSpacing) {
        std::vector<double> latitudes;
        std::vector<double> longitudes;
        for (double latitude = -90.0; latitude <= 90.0; latitude += kSampleSpacing) {
            latitudes.push_back(latitude);
            longitudes.push_back(longitude);
        }
        StrokePlaces(surface, projector, latitudes, longitudes, style);
    }
    for (double latitude = -75.0; latitude <= 75.0; latitude += kGraticuleSpacing) {
        std::vector<double> latitudes;
        std::vector<double> longitudes;
        for (double longitude = -180.0; longitude <= 180.0; longitude += kSampleSpacing) {
            latitudes.push_back(latitude);
            longitudes.push_back(longitude);
        }
        StrokePlaces(surface, projector, latitudes, longitudes, style);
    }
}

void CTerminatorLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (!frame.layers.terminator || !frame.subsolarPoint) {
        return;
    }
    // The circle of places 90 degrees from the subsolar point, walked by
    // its azimuth from there.
    const double phi0 = frame.subsolarPoint->m_latitude * kDegreesToRadians;
    const double lambda0 = frame.subsolarPoint->m_longitude * kDegreesToRadians;
    std::vector<double> latitudes;
    std::vector<double> longitudes;
    for (double azimuth = 0.0; azimuth <= 360.0; azimuth += kSampleSpacing) {
        const double a = azimuth * kDegreesToRadians;
        const double latitude = std::asin(std::cos(phi0) * std::cos(a));
        const double longitude = lambda0 + std::atan2(std::sin(a), -std::sin(phi0) * std::cos(a));
        latitudes.push_back(latitude * kRadiansToDegrees);
        longitudes.push_back(longitude * kRadiansToDegrees);
    }
    StrokePlaces(surface, GeoProjector(frame), latitudes, longitudes, {kTerminatorColour, 1.6, 0.8});
}

void CObserverLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (!frame.layers.observer || !frame.observer) {
        return;
    }
    const std::optional<MapPoint> at = GeoProjector(frame).Project(frame.observer->m_latitude, frame.observer->m_longitude);
    if (!at) {
        return;
    }
    surface.FillArea(Circle(*at, kObserverRadius), {kObserverColour, 1.0});
    surface.FillArea(Circle(*at, kObserverRadius / 2.5), {kObserverInner, 1.0});
    surface.StrokePolyline(Circle(*at, kObserverRadius), {RgbColour{0, 0, 0}, 1.0});
}

void CInstantLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.instantLabel.empty()) {
        return;
    }
    // Points at the raster's 96 dots per inch.
    const double em = kInstantPointSize * 96.0 / 72.0;
    const double width = static_cast<double>(frame.instantLabel.size()) * em * kInstantCharacterEms + 2.0 * kInstantMargin;
    const double height = em + kInstantMargin;
    const MapPoint band[] = {{0.0, 0.0}, {width + kInstantMargin, 0.0}, {width + kInstantMargin, height + kInstantMargin},
                             {0.0, height + kInstantMargin}};
    surface.FillArea(band, {kInstantBand, kInstantBandOpacity});
    surface.DrawLabel(frame.instantLabel, {2.0 * kInstantMargin, height}, kInstantPointSize, kInstantColour);
}
