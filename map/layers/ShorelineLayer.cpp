#include "map/layers/ShorelineLayer.h"

#include "core/Units.h"
#include "core/WorkerPool.h"
#include "map/MapColours.h"
#include "map/PixelClipping.h"
#include "map/Projection.h"
#include "map/layers/GlobeLayer.h"
#include "map/layers/ShorelineIndex.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <numbers>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace {

// Chord tolerances of the limb arcs, pixels: coarser when the whole window
// lies inside the disk and the arcs run far outside it.
constexpr double kFineArcTolerance = 0.65;
constexpr double kCoarseArcTolerance = 2.0;
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

using IndexBuild = PoolTask<std::shared_ptr<const KeptIndex>>;

// The index of the last image drawn, built on the pool for the first layer
// or drawing that asks for it. Once its boxes are known, every latitude's
// sine is filled ahead of the drawing, from the last polygon back.
class IndexCache {
public:
    IndexBuild For(const DataImage& image)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_build.Valid() || m_image != image) {
            m_image = image;
            m_build = WorkerPool::Shared().Submit(TaskUrgency::Now, [image] {
                auto kept = std::make_shared<const KeptIndex>(image);
                WorkerPool::Shared().Submit(TaskUrgency::Ahead, [kept] { kept->index.FillAllLatitudes(); });
                return std::shared_ptr<const KeptIndex>(std::move(kept));
            });
        }
        return m_build;
    }

private:
    std::mutex m_mutex;
    DataImage m_image;
    IndexBuild m_build;
};

IndexCache& TheIndexCache()
{
    static IndexCache cache;
    return cache;
}

std::shared_ptr<const ShorelineIndex> CachedIndex(const DataImage& image)
{
    const std::shared_ptr<const KeptIndex> kept = TheIndexCache().For(image).Get();
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
    TheIndexCache().For(image);
}

void DrawShorelines(IDrawingSurface& surface, const DataImage& image, const CViewport& viewport, const CGeoPosition& centre)
{
    DrawShorelinePolygons(surface, ShorelineImage(*image), *CachedIndex(image), viewport, centre);
}

namespace {

// The outlines of a run of polygons, one after the other, with their levels.
struct OutlineRun {
    std::vector<DevicePoint> points;
    std::vector<std::size_t> ends;  // of each outline in points
    std::vector<std::int32_t> levels;
};

// Where the outlines go as they are projected; false once they are no
// longer wanted, which ends the projection.
using OutlineSink = std::function<bool(OutlineRun&&)>;

// Runs of outlines handed from the thread that projects them to the one
// that fills them, a few at a time.
class OutlineQueue {
public:
    // False once the filling has stopped: the projection ends there.
    bool Push(OutlineRun run)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_roomLeft.wait(lock, [this] { return m_runs.size() < kWaitingRuns || m_stopped; });
        if (m_stopped) {
            return false;
        }
        m_runs.push_back(std::move(run));
        m_ready.notify_one();
        return true;
    }

    // The next run; none when the projection is over. Raises what it raised.
    std::optional<OutlineRun> Pop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_ready.wait(lock, [this] { return !m_runs.empty() || m_finished; });
        if (m_runs.empty()) {
            if (m_error) {
                std::rethrow_exception(m_error);
            }
            return std::nullopt;
        }
        OutlineRun run = std::move(m_runs.front());
        m_runs.pop_front();
        m_roomLeft.notify_one();
        return run;
    }

    void Finish(std::exception_ptr error)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_finished = true;
        m_error = std::move(error);
        m_ready.notify_all();
    }

    void Stop()
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        m_roomLeft.notify_all();
    }

private:
    static constexpr std::size_t kWaitingRuns = 3;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_roomLeft;
    std::deque<OutlineRun> m_runs;
    bool m_finished = false;
    bool m_stopped = false;
    std::exception_ptr m_error;
};

// A run is handed over at this many outlines or points, whichever first.
constexpr std::size_t kRunOutlines = 256;
constexpr std::size_t kRunPoints = 8192;

// The device outlines of the polygons that may be seen, in the image's order.
// Reads the surface's size only.
void ProjectOutlines(const IDrawingSurface& surface, const ShorelineImage& image, const ShorelineIndex& index,
                     const CViewport& viewport, const CGeoPosition& centre, const OutlineSink& deliver)
{
    const double centreLatitude = static_cast<float>(centre.m_latitude) * kDegreesToRadians;
    const double sinCentre = std::sin(static_cast<float>(centreLatitude));
    const double cosCentre = std::cos(static_cast<float>(centreLatitude));
    const HemisphereTest hemisphere(centre.m_longitude, centre.m_latitude);

    std::vector<DevicePoint> points;
    OutlineRun run;
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
        if (points.size() <= 2) {
            continue;
        }
        // The last point closes the outline; the fill closes it anyway.
        run.points.insert(run.points.end(), points.begin(), points.end() - 1);
        run.ends.push_back(run.points.size());
        run.levels.push_back(polygon.level);
        if ((run.ends.size() >= kRunOutlines || run.points.size() >= kRunPoints) && !deliver(std::exchange(run, {}))) {
            return;
        }
    }
    deliver(std::move(run));
}

void FillRun(IDrawingSurface& surface, const OutlineRun& run)
{
    const std::span<const DevicePoint> points(run.points);
    std::size_t start = 0;
    for (std::size_t outline = 0; outline < run.ends.size(); ++outline) {
        ClipAndFillPolygon(surface, points.subspan(start, run.ends[outline] - start), run.levels[outline]);
        start = run.ends[outline];
    }
}

// Fills the runs as the projection hands them over, until it ends; stops
// the projection when filling fails.
void FillFromQueue(IDrawingSurface& surface, OutlineQueue& queue)
{
    try {
        while (const std::optional<OutlineRun> run = queue.Pop()) {
            FillRun(surface, *run);
        }
    } catch (...) {
        queue.Stop();
        throw;
    }
}

// The outlines are projected on a pool thread while this one fills them, in
// the same order: projecting takes about a third of the time. When no pool
// thread is free (the pool busy, or this thread its only one), each run is
// filled here as soon as it is projected.
void DrawShorelinePolygons(IDrawingSurface& surface, const ShorelineImage& image, const ShorelineIndex& index,
                           const CViewport& viewport, const CGeoPosition& centre)
{
    OutlineQueue queue;
    const PoolTask<void> projection = WorkerPool::Shared().StartOnIdleThread([&] {
        try {
            ProjectOutlines(surface, image, index, viewport, centre,
                            [&queue](OutlineRun&& run) { return queue.Push(std::move(run)); });
            queue.Finish(nullptr);
        } catch (...) {
            queue.Finish(std::current_exception());
        }
    });
    if (!projection.Valid()) {
        ProjectOutlines(surface, image, index, viewport, centre, [&surface](OutlineRun&& run) {
            FillRun(surface, run);
            return true;
        });
        return;
    }
    try {
        FillFromQueue(surface, queue);
    } catch (...) {
        projection.Get();
        throw;
    }
    projection.Get();
}

} // namespace
