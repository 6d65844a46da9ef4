#include "eclipse/path/EclipsePath.h"

#include "core/Units.h"
#include "core/WorkerPool.h"
#include "eclipse/path/CentralLine.h"
#include "eclipse/path/CurveTracing.h"
#include "eclipse/path/GlobalCircumstances.h"
#include "eclipse/path/HorizonCurves.h"
#include "eclipse/path/LimitLines.h"
#include "eclipse/plane/EarthOnPlane.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

// Branches that meet where a curve turns back on the limb end within tens of
// metres of each other; the ends of distinct curves lie kilometres apart.
constexpr double kJoinToleranceRadians = 1e-4;

using PlaneCurve = std::function<std::optional<PlanePoint>(const EarthOnPlane&)>;

CurveBranch BranchOf(const FittedElements& elements, PlaneCurve curve)
{
    return [&elements, curve = std::move(curve)](double hours) -> std::optional<TracedPoint> {
        const EarthOnPlane earth(PlaneAt(elements, hours));
        const std::optional<PlanePoint> point = curve(earth);
        if (!point) {
            return std::nullopt;
        }
        const EarthOnPlane::Geographic place = earth.GeographicOf(*point);
        return TracedPoint{hours, place.latitude, place.longitude};
    };
}

PathLine ToPathLine(const FittedElements& elements, const TracedCurve& curve)
{
    PathLine line;
    line.reserve(curve.size());
    for (const TracedPoint& point : curve) {
        line.push_back({point.latitude * kRadiansToDegrees, point.longitude * kRadiansToDegrees, elements.InstantOf(point.hours)});
    }
    return line;
}

std::vector<PathLine> ToPathLines(const FittedElements& elements, const std::vector<TracedCurve>& curves)
{
    std::vector<PathLine> lines;
    for (const TracedCurve& curve : curves) {
        lines.push_back(ToPathLine(elements, curve));
    }
    return lines;
}

// Both branches of a limb curve, joined where they meet.
std::vector<PathLine> TraceOnLimb(const FittedElements& elements, const TraceSchedule& schedule,
                                  std::optional<PlanePoint> (*onLimb)(const EarthOnPlane&, LimbBranch))
{
    std::vector<TracedCurve> curves;
    for (const LimbBranch limbBranch : {LimbBranch::First, LimbBranch::Second}) {
        const CurveBranch branch =
            BranchOf(elements, [onLimb, limbBranch](const EarthOnPlane& earth) { return onLimb(earth, limbBranch); });
        for (TracedCurve& run : TraceBranch(branch, schedule)) {
            curves.push_back(std::move(run));
        }
    }
    return ToPathLines(elements, JoinCurves(std::move(curves), kJoinToleranceRadians));
}

std::vector<std::vector<CentralVertex>> TraceCentralLine(const FittedElements& elements, const TraceSchedule& schedule)
{
    const CurveBranch branch = BranchOf(elements, [](const EarthOnPlane& earth) { return earth.AxisPoint(); });
    std::vector<std::vector<CentralVertex>> runs;
    for (const TracedCurve& curve : TraceBranch(branch, schedule)) {
        std::vector<CentralVertex> run;
        run.reserve(curve.size());
        for (const TracedPoint& point : curve) {
            if (std::optional<CentralVertex> vertex = CentralVertexAt(elements, point.hours)) {
                vertex->onStep = point.scheduled;
                run.push_back(*vertex);
            }
        }
        runs.push_back(std::move(run));
    }
    return runs;
}

// Vertices on whole multiples of the step in Universal Time: UT is TT less
// Delta T, and T0 is a whole hour of TT.
TraceSchedule ScheduleOf(const FittedElements& elements, double stepSeconds)
{
    const double regularVertices = (elements.validTo - elements.validFrom) * kSecondsPerHour / stepSeconds;
    if (!(stepSeconds > 0.0) || !(regularVertices <= static_cast<double>(kMostRegularPathVertices))) {
        char message[160];
        std::snprintf(message, sizeof message, "a path step of %g s gives more than %d vertices to a curve", stepSeconds,
                      kMostRegularPathVertices);
        throw std::invalid_argument(message);
    }
    TraceSchedule schedule;
    schedule.begin = elements.validFrom;
    schedule.end = elements.validTo;
    schedule.step = stepSeconds / kSecondsPerHour;
    schedule.phase = std::fmod(elements.deltaT / kSecondsPerHour, schedule.step);
    return schedule;
}

} // namespace

EclipsePath ComputeEclipsePath(const FittedElements& elements, double stepSeconds)
{
    const TraceSchedule schedule = ScheduleOf(elements, stepSeconds);
    EclipsePath path;
    path.deltaT = elements.deltaT;
    // Each curve stands on its own: they are traced side by side, the
    // longest first.
    const std::array<std::function<void()>, 8> curves = {
        [&] { path.penumbraNorth = TraceLimitLines(elements, ShadowCone::Penumbra, PathSide::North); },
        [&] { path.penumbraSouth = TraceLimitLines(elements, ShadowCone::Penumbra, PathSide::South); },
        [&] { path.riseSetContacts = TraceOnLimb(elements, schedule, ContactOnLimb); },
        [&] { path.riseSetMaximum = TraceOnLimb(elements, schedule, MaximumOnLimb); },
        [&] { path.centralLine = TraceCentralLine(elements, schedule); },
        [&] { path.umbraNorth = TraceLimitLines(elements, ShadowCone::Umbra, PathSide::North); },
        [&] { path.umbraSouth = TraceLimitLines(elements, ShadowCone::Umbra, PathSide::South); },
        [&] { path.circumstances = ComputeGlobalCircumstances(elements); },
    };
    WorkerPool::Shared().ForEachIndex(curves.size(), [&](std::size_t curve) { curves[curve](); });
    return path;
}
