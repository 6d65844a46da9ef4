#include "map/layers/ShorelineLayer.h"

#include "core/ThreadPriority.h"
#include "core/Units.h"
#include "map/MapColours.h"
#include "map/PixelClipping.h"
#include "map/Projection.h"
#include "map/layers/GlobeLayer.h"
#include "map/layers/ShorelineIndex.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <memory>
#include <future>
#include <mutex>
#include <optional>

namespace {

// Chord tolerances of the limb arcs, pixels: coarser when the whole window
// lies inside the disk and the arcs run far outside it.
constexpr double kFineArcTolerance = 0.65;
constexpr double kCoarseArcTolerance = 2.0;
// The point list of one polygon starts with room for this many points and
// grows beyond it when deep zooms add long limb arcs.
constexpr std::size_t kPolygonPointReserve = 50000;
// Limb arcs stop growing a polygon's outline beyond this many points.
constexpr std::size_t kMaximumPolygonPoints = 1 << 22;

double LimbAngle(DevicePoint point, double cx, double cy, float inverseRadius)
{
    const double angle = std::atan2((point.y - cy) * inverseRadius, (point.x - cx) * inverseRadius);
    return angle < 0.0 ? angle + kTwoPi : angle;
}

// Builds the device outline of one polygon, replacing its hidden stretches by
// limb arcs.
class PolygonOutline {
public:
    PolygonOutline(const IDrawingSurface& surface, const CViewport& viewport, std::vector<DevicePoint>& points)
        : m_surface(surface), m_viewport(viewport), m_points(points)
    {
        m_points.clear();
    }

    void AddHidden()
    {
        if (m_hiddenRun) {
            return;
        }
        m_exitPoint = m_points.empty() ? std::nullopt : std::optional<DevicePoint>(m_points.back());
        m_hiddenRun = true;
    }

    void AddVisible(DevicePoint point)
    {
        if (m_hiddenRun) {
            m_hiddenRun = false;
            if (m_exitPoint) {
                AddLimbArc(m_surface, *m_exitPoint, point, m_points, m_viewport);
            } else if (!m_firstReentry) {
                m_firstReentry = point;
            }
        }
        if (m_points.empty() || m_points.back() != point) {
            m_points.push_back(point);
        }
    }

    // Closes a polygon that began behind the globe along the limb.
    void Finish()
    {
        if (m_firstReentry && !m_points.empty()) {
            AddLimbArc(m_surface, m_points.back(), *m_firstReentry, m_points, m_viewport);
        }
    }

private:
    const IDrawingSurface& m_surface;
    const CViewport& m_viewport;
    std::vector<DevicePoint>& m_points;
    bool m_hiddenRun = false;
    std::optional<DevicePoint> m_exitPoint;
    std::optional<DevicePoint> m_firstReentry;
};

// The index of the last image drawn, kept with the image itself so that its
// memory cannot be reused by another content while the index is kept.
struct KeptIndex {
    DataImage image;
    ShorelineImage view;
    ShorelineIndex index;
    explicit KeptIndex(DataImage bytes) : image(std::move(bytes)), view(*image), index(view) {}
};

using IndexFuture = std::shared_future<std::shared_ptr<const KeptIndex>>;

// On a thread of its own: the index, handed over as soon as its boxes are
// known, then every latitude's sine while the drawing begins.
IndexFuture BuildAhead(const DataImage& image, std::future<void>& filling)
{
    auto ready = std::make_shared<std::promise<std::shared_ptr<const KeptIndex>>>();
    IndexFuture build = ready->get_future().share();
    filling = std::async(std::launch::async, [image, ready] {
        std::shared_ptr<const KeptIndex> kept;
        try {
            kept = std::make_shared<const KeptIndex>(image);
        } catch (...) {
            ready->set_exception(std::current_exception());
            return;
        }
        ready->set_value(kept);
        LowerThisThreadsPriority(kAheadNiceness);
        kept->index.FillAllLatitudes();
    });
    return build;
}

// The index of the last image, built ahead when a layer asks for it before
// drawing, or else by the first drawing that needs it.
IndexFuture IndexBuild(const DataImage& image, std::launch policy)
{
    static std::mutex mutex;
    static DataImage builtImage;
    static IndexFuture build;
    static std::future<void> filling;  // joined when replaced, and at exit
    const std::lock_guard<std::mutex> lock(mutex);
    if (!build.valid() || builtImage != image) {
        builtImage = image;
        if (policy == std::launch::async) {
            build = BuildAhead(image, filling);
        } else {
            build = std::async(std::launch::deferred, [image] {
                        return std::shared_ptr<const KeptIndex>(std::make_shared<const KeptIndex>(image));
                    }).share();
        }
    }
    return build;
}

std::shared_ptr<const ShorelineIndex> CachedIndex(const DataImage& image)
{
    const std::shared_ptr<const KeptIndex> kept = IndexBuild(image, std::launch::deferred).get();
    return std::shared_ptr<const ShorelineIndex>(kept, &kept->index);
}

void DrawShorelinePolygons(IDrawingSurface& surface, const ShorelineImage& image, const ShorelineIndex& index,
                           const CViewport& viewport, const CGeoPosition& centre);

bool IsLand(std::int32_t level)
{
    return level == kLandLevel || level == kIslandInLakeLevel;
}

} // namespace

void AddLimbArc(const IDrawingSurface& surface, DevicePoint exitPoint, DevicePoint reentryPoint,
                std::vector<DevicePoint>& points, const CViewport& viewport)
{
    const double cx = viewport.m_originX;
    const double cy = viewport.m_originY;
    const double radius = viewport.m_scale;
    if (!(std::isfinite(radius) && radius > 0.0)) {
        return;
    }
    const float inverseRadius = 1.0f / viewport.m_scale;
    const double exitAngle = LimbAngle(exitPoint, cx, cy, inverseRadius);
    const double reentryAngle = LimbAngle(reentryPoint, cx, cy, inverseRadius);
    if (exitAngle == reentryAngle) {
        return;
    }
    const int width = surface.ClientWidth();
    const int height = surface.ClientHeight();
    const LimbCrossings crossings = CircleWindowCrossings(width, height, cx, cy, radius);
    const bool windowInsideDisk = crossings.count <= 1 && CentreOutsideWindow(width, height, cx, cy);
    const double step = ArcStep(radius, windowInsideDisk ? kCoarseArcTolerance : kFineArcTolerance);

    double length = reentryAngle - exitAngle;
    if (length > std::numbers::pi) {
        length -= kTwoPi;
    } else if (length < -std::numbers::pi) {
        length += kTwoPi;
    }
    // The arc excludes its re-entry end, which the caller appends next.
    const int n = ArcStepCount(length, step);
    const double delta = length / n;
    for (int j = 0; j < n && points.size() < kMaximumPolygonPoints; ++j) {
        points.push_back(CirclePoint(cx, cy, radius, exitAngle + j * delta));
    }
}

void ClipAndFillPolygon(IDrawingSurface& surface, std::span<const DevicePoint> polygon, std::int32_t level)
{
    const PixelRectangle client{0, 0, surface.ClientWidth(), surface.ClientHeight()};
    const RgbColour fill = IsLand(level) ? kLandColour : kSeaColour;
    // Clipping leaves a polygon that lies wholly inside as it is.
    if (std::all_of(polygon.begin(), polygon.end(), [&](DevicePoint point) { return client.Contains(point); })) {
        surface.FillPolygon(polygon, fill);
        return;
    }
    const std::vector<DevicePoint> clipped = ClipPolygonToRectangle(polygon, client);
    if (clipped.empty()) {
        return;
    }
    surface.FillPolygon(clipped, fill);
}

void DrawShorelines(IDrawingSurface& surface, const ShorelineImage& image, const CViewport& viewport,
                    const CGeoPosition& centre)
{
    DrawShorelinePolygons(surface, image, ShorelineIndex(image), viewport, centre);
}

void PrepareShorelines(const DataImage& image)
{
    IndexBuild(image, std::launch::async);
}

void DrawShorelines(IDrawingSurface& surface, const DataImage& image, const CViewport& viewport, const CGeoPosition& centre)
{
    DrawShorelinePolygons(surface, ShorelineImage(*image), *CachedIndex(image), viewport, centre);
}

namespace {

void DrawShorelinePolygons(IDrawingSurface& surface, const ShorelineImage& image, const ShorelineIndex& index,
                           const CViewport& viewport, const CGeoPosition& centre)
{
    const double centreLatitude = static_cast<float>(centre.m_latitude) * kDegreesToRadians;
    const double sinCentre = std::sin(static_cast<float>(centreLatitude));
    const double cosCentre = std::cos(static_cast<float>(centreLatitude));
    const HemisphereTest hemisphere(centre.m_longitude, centre.m_latitude);

    thread_local std::vector<DevicePoint> points;
    points.reserve(kPolygonPointReserve);
    const std::span<const ShorelineIndex::Polygon> polygons = index.Polygons();
    for (std::size_t number = 0; number < polygons.size(); ++number) {
        const ShorelineIndex::Polygon& polygon = polygons[number];
        // A polygon wholly behind the globe leaves no point in its outline.
        if (!hemisphere.MayBeVisible(polygon)) {
            continue;
        }
        const LatitudeTrigonometry* latitudes = index.LatitudesOf(number);
        PolygonOutline outline(surface, viewport, points);
        for (std::int32_t i = 0; i < polygon.count; ++i) {
            const std::optional<DevicePoint> projected =
                ProjectPoint((image.PointAt(polygon.first + i).longitude - centre.m_longitude) * kDegreesToRadians,
                             latitudes[i].sine, latitudes[i].cosine, cosCentre, sinCentre, viewport);
            if (projected) {
                outline.AddVisible(*projected);
            } else {
                outline.AddHidden();
            }
        }
        outline.Finish();
        if (points.size() > 2) {
            ClipAndFillPolygon(surface, std::span<const DevicePoint>(points).first(points.size() - 1), polygon.level);
        }
    }
}

} // namespace
