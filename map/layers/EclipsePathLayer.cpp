#include "map/layers/EclipsePathLayer.h"

#include "core/Calendar.h"
#include "core/Units.h"
#include "map/EclipseOverlay.h"
#include "map/GeoProjection.h"
#include "map/MapColours.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr RgbColour kOutlineColour{0, 0, 0};
constexpr RgbColour kUncertainColour{150, 60, 200};
constexpr double kUncertainOpacity = 0.12;
// The uncertain band is drawn only where it widens the path visibly.
constexpr double kVisibleShiftPixels = 1.0;
constexpr double kTickHalfLength = 5.0;       // pixels, across the central line
constexpr double kTickMinutes = 10.0;
constexpr double kLabelPointSize = 8.0;

// A style whose width is given in screen pixels, for the frame's pixel size.
LineStyle Sized(LineStyle style, double pixelSize)
{
    style.width *= pixelSize;
    return style;
}

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

// Where the central vertices carry both umbral limits, one polygon a
// stretch in sight: the band of an eclipse whose limits are not whole lines.
void FillBandByVertices(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<CentralVertex>& line)
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

// The cosine of the angle between two places: larger is nearer.
double Nearness(const PathVertex& a, const PathVertex& b)
{
    const double phiA = a.latitude * kDegreesToRadians;
    const double phiB = b.latitude * kDegreesToRadians;
    return std::sin(phiA) * std::sin(phiB) +
           std::cos(phiA) * std::cos(phiB) * std::cos((a.longitude - b.longitude) * kDegreesToRadians);
}

// Adds the places of a limit to the ring, from the end nearer to start.
void AddLimit(const PathLine& limit, const PathVertex& start, std::vector<double>& latitudes,
              std::vector<double>& longitudes)
{
    const bool forward = Nearness(limit.front(), start) >= Nearness(limit.back(), start);
    for (std::size_t i = 0; i < limit.size(); ++i) {
        const PathVertex& place = limit[forward ? i : limit.size() - 1 - i];
        latitudes.push_back(place.latitude);
        longitudes.push_back(place.longitude);
    }
}

// The band between the umbral limits, whole: along the north limit, across
// the end of the central line, back along the south limit and across its
// start. The limits run on to the curve where greatest eclipse happens at
// sunrise or sunset, beyond the last instants whose limits both lie in
// daylight, and the central line ends on that curve between them. A band
// whose limits are not one line each (one of them misses the Earth) is
// shaded where its central vertices carry both limits.
void FillBand(IDrawingSurface& surface, const GeoProjector& projector, const EclipsePath& path)
{
    const bool whole = path.centralLine.size() == 1 && path.centralLine.front().size() >= 2 &&
                       path.umbraNorth.size() == 1 && path.umbraSouth.size() == 1 &&
                       !path.umbraNorth.front().empty() && !path.umbraSouth.front().empty();
    if (!whole) {
        for (const std::vector<CentralVertex>& line : path.centralLine) {
            FillBandByVertices(surface, projector, line);
        }
        return;
    }
    const std::vector<CentralVertex>& central = path.centralLine.front();
    const PathVertex& first = central.front().place;
    const PathVertex& last = central.back().place;
    std::vector<double> latitudes;
    std::vector<double> longitudes;
    AddLimit(path.umbraNorth.front(), first, latitudes, longitudes);
    latitudes.push_back(last.latitude);
    longitudes.push_back(last.longitude);
    AddLimit(path.umbraSouth.front(), last, latitudes, longitudes);
    latitudes.push_back(first.latitude);
    longitudes.push_back(first.longitude);
    const std::vector<MapPoint> polygon = projector.ProjectArea(latitudes, longitudes);
    surface.FillArea(polygon, {kBandColour, kBandOpacity});
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
    constexpr int kMinutesPerDay = 24 * 60;
    const int whole = (static_cast<int>(std::lround(minutes)) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", whole / 60, whole % 60);
    return text;
}

// A tick across the line at every whole 10 minutes of the map's time (UT
// plus its offset, the local time of the tables), with the time beside
// every third one when the labels are shown.
void DrawTimeTicks(IDrawingSurface& surface, const GeoProjector& projector, const std::vector<CentralVertex>& line,
                   double deltaT, const MapFrame& frame)
{
    const double pixelSize = frame.pixelSize;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const CentralVertex& vertex = line[i];
        if (!vertex.onStep) {
            continue;
        }
        const double minutes = UniversalMinutes(vertex.place.time, deltaT) + frame.timeOffsetHours * 60.0;
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
        const double nx = -dy / length * kTickHalfLength * pixelSize;
        const double ny = dx / length * kTickHalfLength * pixelSize;
        const MapPoint tick[] = {{at->x - nx, at->y - ny}, {at->x + nx, at->y + ny}};
        surface.StrokePolyline(tick, Sized({kCentralColour, 1.5}, pixelSize));
        if (frame.layers.labels && std::fmod(nearest, 3.0 * kTickMinutes) == 0.0) {
            surface.DrawLabel(ClockText(nearest), {at->x + nx + 2.0 * pixelSize, at->y + ny + 3.0 * pixelSize}, kLabelPointSize, kCentralColour);
        }
    }
}

void DrawGreatest(IDrawingSurface& surface, const GeoProjector& projector, const GreatestEclipse& greatest,
                  double pixelSize)
{
    if (const std::optional<MapPoint> at = projector.Project(greatest.latitude, greatest.longitude)) {
        DrawGreatestEclipseMark(surface, *at, pixelSize);
    }
}

void DrawMagnitudeCurves(IDrawingSurface& surface, const GeoProjector& projector, const EclipseOverlay& eclipse,
                         const MapFrame& frame)
{
    const double pixelSize = frame.pixelSize;
    const bool labelled = frame.layers.labels;
    for (const MagnitudeCurve& curve : eclipse.magnitudeCurves) {
        char label[8];
        std::snprintf(label, sizeof label, "%.1f", curve.magnitude);
        for (const std::vector<GeoPoint>& line : curve.lines) {
            bool labelDrawn = !labelled;
            projector.ForEachVisibleRun(std::span<const GeoPoint>(line), [&](std::span<const MapPoint> run) {
                surface.StrokePolyline(run, Sized({kMagnitudeColour, 1.0, 0.8, true}, pixelSize));
                if (!labelDrawn && run.size() > 8) {
                    const MapPoint at = run[run.size() / 2];
                    surface.DrawLabel(label, {at.x + 3.0 * pixelSize, at.y - 3.0 * pixelSize}, kLabelPointSize, kMagnitudeColour);
                    labelDrawn = true;
                }
            });
        }
    }
}

} // namespace

// A five-pointed star, outlined so that it reads on land and sea.
void DrawGreatestEclipseMark(IDrawingSurface& surface, MapPoint at, double pixelSize)
{
    std::vector<MapPoint> star;
    for (int i = 0; i < 10; ++i) {
        const double radius = (i % 2 == 0 ? 8.0 : 3.5) * pixelSize;
        const double angle = kPi / 2.0 + i * kPi / 5.0;
        star.push_back({at.x + radius * std::cos(angle), at.y - radius * std::sin(angle)});
    }
    surface.FillArea(star, {kGreatestColour, 1.0});
    star.push_back(star.front());
    surface.StrokePolyline(star, Sized({kOutlineColour, 1.0}, pixelSize));
}

void CEclipsePathLayer::Draw(IDrawingSurface& surface, const MapFrame& frame) const
{
    if (frame.eclipse == nullptr) {
        return;
    }
    const EclipseOverlay& eclipse = *frame.eclipse;
    const EclipsePath& path = eclipse.path;
    const MapLayerChoice& layers = frame.layers;
    const GeoProjector projector(frame);
    const double px = frame.pixelSize;
    if (layers.magnitudeCurves) {
        DrawMagnitudeCurves(surface, projector, eclipse, frame);
    }
    if (layers.penumbraLimits) {
        StrokeLines(surface, projector, path.penumbraNorth, Sized({kPenumbralLimitColour, 1.6, 1.0, true}, px));
        StrokeLines(surface, projector, path.penumbraSouth, Sized({kPenumbralLimitColour, 1.6, 1.0, true}, px));
    }
    if (layers.riseSet) {
        StrokeLines(surface, projector, path.riseSetContacts, Sized({kHorizonColour, 1.4}, px));
        StrokeLines(surface, projector, path.riseSetMaximum, Sized({kHorizonColour, 1.2, 1.0, true}, px));
    }
    if (layers.path) {
        if (ShowsUncertainBand(frame, eclipse)) {
            FillUncertainBand(surface, projector, *eclipse.band);
        }
        FillBand(surface, projector, path);
    }
    if (layers.umbraLimits) {
        StrokeLines(surface, projector, path.umbraNorth, Sized({kBandColour, 1.4}, px));
        StrokeLines(surface, projector, path.umbraSouth, Sized({kBandColour, 1.4}, px));
    }
    if (layers.path) {
        for (const std::vector<CentralVertex>& line : path.centralLine) {
            PathLine places;
            places.reserve(line.size());
            for (const CentralVertex& vertex : line) {
                places.push_back(vertex.place);
            }
            StrokeLine(surface, projector, places, Sized({kCentralColour, 2.0}, px));
            DrawTimeTicks(surface, projector, line, path.deltaT, frame);
        }
    }
    if (layers.greatest) {
        DrawGreatest(surface, projector, path.circumstances.greatest, px);
    }
}
