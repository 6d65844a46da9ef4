#include "map/layers/EclipsePathLayer.h"

#include "core/Calendar.h"
#include "core/Units.h"
#include "map/EclipseOverlay.h"
#include "map/GeoProjection.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr RgbColour kBandColour{96, 0, 128};
constexpr RgbColour kCentralColour{150, 0, 24};
constexpr RgbColour kPenumbraColour{214, 120, 0};
constexpr RgbColour kHorizonColour{0, 112, 40};
constexpr RgbColour kMagnitudeColour{70, 70, 70};
constexpr RgbColour kGreatestColour{255, 214, 0};
constexpr RgbColour kOutlineColour{0, 0, 0};
constexpr RgbColour kUncertainColour{150, 60, 200};

constexpr double kBandOpacity = 0.30;
constexpr double kUncertainOpacity = 0.12;
// The uncertain band is drawn only where it widens the path visibly.
constexpr double kVisibleShiftPixels = 1.0;
constexpr double kTickHalfLength = 5.0;       // pixels, across the central line
constexpr double kTickMinutes = 10.0;
constexpr double kLabelPointSize = 8.0;

void StrokeLine(IDrawingSurface& surface, const GeoProjector& projector, const PathLine& line, const LineStyle& style)
{
    projector.ForEachVisibleRun(std::span<const PathVertex>(line),
                                [&](std::span<const MapPoint> run) { surface.StrokePolyline(run, style); });
}

void StrokeLines(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<PathLine>& lines,
                 const LineStyle& style)
{
    for (const PathLine& line : lines) {
        StrokeLine(surface, projector, line, style);
    }
}

// The band between the umbral limits, from the limits the central vertices
// carry: one polygon a stretch where both are known and in sight.
void FillBand(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<CentralVertex>& line)
{
    std::vector<MapPoint> north;
    std::vector<MapPoint> south;
    const auto flush = [&] {
        if (north.size() >= 2) {
            std::vector<MapPoint> polygon = north;
            polygon.insert(polygon.end(), south.rbegin(), south.rend());
            surface.FillArea(polygon, {kBandColour, kBandOpacity});
        }
        north.clear();
        south.clear();
    };
    for (const CentralVertex& vertex : line) {
        const std::optional<MapPoint> n =
            vertex.northLimit ? projector.Project(vertex.northLimit->latitude, vertex.northLimit->longitude) : std::nullopt;
        const std::optional<MapPoint> s =
            vertex.southLimit ? projector.Project(vertex.southLimit->latitude, vertex.southLimit->longitude) : std::nullopt;
        if (!n || !s) {
            flush();
            continue;
        }
        north.push_back(*n);
        south.push_back(*s);
    }
    flush();
}

// Where Delta T's uncertainty may put the central phase, hatched under the
// path: each outer ring by its visible runs, those that pass behind the globe
// closed along the chord between the limb points (holes, rare, are not cut).
void FillUncertainBand(IDrawingSurface& surface, const GeoProjector& projector, const UncertainBand& band)
{
    for (const GeoPolygon& polygon : band.region) {
        std::vector<MapPoint> area;
        projector.ForEachVisibleRun(std::span<const GeoPoint>(polygon.outer), [&](std::span<const MapPoint> run) {
            area.insert(area.end(), run.begin(), run.end());
        });
        surface.FillArea(area, {kUncertainColour, kUncertainOpacity, true});
    }
}

bool ShowsUncertainBand(const MapFrame& frame, const EclipseOverlay& eclipse)
{
    return frame.layers.uncertainty && eclipse.band &&
           frame.viewport.m_scale * eclipse.band->ShiftDegrees() * kDegreesToRadians > kVisibleShiftPixels;
}

// Minutes of Universal Time into the day.
double UniversalMinutes(const Instant& instant, double deltaT)
{
    const CivilDateTime civil = CivilFromJulianDate(instant.WholeDays(), instant.DayFraction() - deltaT / kSecondsPerDay);
    return civil.hour * 60.0 + civil.minute + civil.second / 60.0;
}

std::string ClockText(double minutes)
{
    const int whole = static_cast<int>(std::lround(minutes)) % (24 * 60);
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", whole / 60, whole % 60);
    return text;
}

// A tick across the line at every whole 10 minutes of UT, with the time
// beside every third one.
void DrawTimeTicks(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<CentralVertex>& line,
                   double deltaT, bool labelled)
{
    for (std::size_t i = 0; i < line.size(); ++i) {
        const CentralVertex& vertex = line[i];
        if (!vertex.onStep) {
            continue;
        }
        const double minutes = UniversalMinutes(vertex.place.time, deltaT);
        const double nearest = std::round(minutes / kTickMinutes) * kTickMinutes;
        if (std::abs(minutes - nearest) > 1.0 / 120.0) {
            continue;
        }
        const std::optional<MapPoint> at = projector.Project(vertex.place.latitude, vertex.place.longitude);
        const std::size_t other = i + 1 < line.size() ? i + 1 : i - (i > 0 ? 1 : 0);
        const std::optional<MapPoint> next = projector.Project(line[other].place.latitude, line[other].place.longitude);
        if (!at || !next || other == i) {
            continue;
        }
        const double dx = next->x - at->x;
        const double dy = next->y - at->y;
        const double length = std::hypot(dx, dy);
        if (!(length > 0.0)) {
            continue;
        }
        const double nx = -dy / length * kTickHalfLength;
        const double ny = dx / length * kTickHalfLength;
        const MapPoint tick[] = {{at->x - nx, at->y - ny}, {at->x + nx, at->y + ny}};
        surface.StrokePolyline(tick, {kCentralColour, 1.5});
        if (labelled && std::fmod(nearest, 3.0 * kTickMinutes) == 0.0) {
            surface.DrawLabel(ClockText(nearest), {at->x + nx + 2.0, at->y + ny + 3.0}, kLabelPointSize, kCentralColour);
        }
    }
}

void DrawGreatest(IDrawingSurface& surface, const GeoProjector& projector, const GreatestEclipse& greatest)
{
    const std::optional<MapPoint> at = projector.Project(greatest.latitude, greatest.longitude);
    if (!at) {
        return;
    }
    // A five-pointed star, outlined so that it reads on land and sea.
    std::vector<MapPoint> star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 8.0 : 3.5;
        const double angle = kPi / 2.0 + i * kPi / 5.0;
        star.push_back({at->x + radius * std::cos(angle), at->y - radius * std::sin(angle)});
    }
    surface.FillArea(star, {kGreatestColour, 1.0});
    star.push_back(star.front());
    surface.StrokePolyline(star, {kOutlineColour, 1.0});
}

void DrawMagnitudeCurves(IDrawingSurface& surface, const GeoProjector& projector, const EclipseOverlay& eclipse,
                         bool labelled)
{
    for (const MagnitudeCurve& curve : eclipse.magnitudeCurves) {
        char label[8];
        std::snprintf(label, sizeof label, "%.1f", curve.magnitude);
        for (const std::vector<GeoPoint>& line : curve.lines) {
            bool labelDrawn = !labelled;
            projector.ForEachVisibleRun(std::span<const GeoPoint>(line), [&](std::span<const MapPoint> run) {
                surface.StrokePolyline(run, {kMagnitudeColour, 1.0, 0.8, true});
                if (!labelDrawn && run.size() > 8) {
                    const MapPoint at = run[run.size() / 2];
                    surface.DrawLabel(label, {at.x + 3.0, at.y - 3.0}, kLabelPointSize, kMagnitudeColour);
                    labelDrawn = true;
                }
            });
        }
    }
}

} // namespace

void CEclipsePathLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.eclipse == nullptr) {
        return;
    }
    const EclipseOverlay& eclipse = *frame.eclipse;
    const EclipsePath& path = eclipse.path;
    const MapLayerChoice& layers = frame.layers;
    const GeoProjector projector(frame);
    if (layers.magnitudeCurves) {
        DrawMagnitudeCurves(surface, projector, eclipse, layers.labels);
    }
    if (layers.penumbraLimits) {
        StrokeLines(surface, projector, path.penumbraNorth, {kPenumbraColour, 1.6, 1.0, true});
        StrokeLines(surface, projector, path.penumbraSouth, {kPenumbraColour, 1.6, 1.0, true});
    }
    if (layers.riseSet) {
        StrokeLines(surface, projector, path.riseSetContacts, {kHorizonColour, 1.4});
        StrokeLines(surface, projector, path.riseSetMaximum, {kHorizonColour, 1.2, 1.0, true});
    }
    if (layers.path) {
        if (ShowsUncertainBand(frame, eclipse)) {
            FillUncertainBand(surface, projector, *eclipse.band);
        }
        for (const std::vector<CentralVertex>& line : path.centralLine) {
            FillBand(surface, projector, line);
        }
    }
    if (layers.umbraLimits) {
        StrokeLines(surface, projector, path.umbraNorth, {kBandColour, 1.4});
        StrokeLines(surface, projector, path.umbraSouth, {kBandColour, 1.4});
    }
    if (layers.path) {
        for (const std::vector<CentralVertex>& line : path.centralLine) {
            PathLine places;
            places.reserve(line.size());
            for (const CentralVertex& vertex : line) {
                places.push_back(vertex.place);
            }
            StrokeLine(surface, projector, places, {kCentralColour, 2.0});
            DrawTimeTicks(surface, projector, line, path.deltaT, layers.labels);
        }
    }
    if (layers.greatest) {
        DrawGreatest(surface, projector, path.circumstances.greatest);
    }
}
