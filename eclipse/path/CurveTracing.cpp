#include "eclipse/path/CurveTracing.h"

#include "core/Units.h"
#include "core/Vector3.h"
#include "eclipse/path/RootFinding.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Bisection to 0.4 microseconds: where two branches meet at a turn of the
// curve, their ends then lie within metres of each other.
constexpr double kBoundaryToleranceHours = 1e-10;
// A line drawn through the vertices stays within 0.01 degree (1 km) of the
// curve, and no segment is longer than 1 degree.
constexpr double kCrossTrackTolerance = 0.01 * kDegreesToRadians;
constexpr double kLongestSegment = 1.0 * kDegreesToRadians;
constexpr int kRefinementDepth = 14;

Vector3 UnitVector(const TracedPoint& point)
{
    const double cosLatitude = std::cos(point.latitude);
    return {cosLatitude * std::cos(point.longitude), cosLatitude * std::sin(point.longitude), std::sin(point.latitude)};
}

Vector3 Cross(const Vector3& a, const Vector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

bool NeedsMiddleVertex(const TracedPoint& first, const TracedPoint& middle, const TracedPoint& last)
{
    const Vector3 a = UnitVector(first);
    const Vector3 m = UnitVector(middle);
    const Vector3 b = UnitVector(last);
    const double span = std::atan2(Length(Cross(a, b)), Dot(a, b));
    if (span > kLongestSegment) {
        return true;
    }
    // The middle vertex off the great circle, or not between the two ends.
    const Vector3 normal = Cross(a, b);
    const double normalLength = Length(normal);
    if (normalLength > 0.0 && std::abs(Dot(m, normal)) / normalLength > kCrossTrackTolerance) {
        return true;
    }
    const double detour = std::atan2(Length(Cross(a, m)), Dot(a, m)) + std::atan2(Length(Cross(m, b)), Dot(m, b));
    return detour - span > kCrossTrackTolerance;
}

void AppendRefined(const CurveBranch& branch, const TracedPoint& first, const TracedPoint& last, int depth,
                   TracedCurve& curve)
{
    if (depth == 0) {
        curve.push_back(last);
        return;
    }
    const std::optional<TracedPoint> middle = branch(0.5 * (first.hours + last.hours));
    if (!middle || !NeedsMiddleVertex(first, *middle, last)) {
        curve.push_back(last);
        return;
    }
    AppendRefined(branch, first, *middle, depth - 1, curve);
    AppendRefined(branch, *middle, last, depth - 1, curve);
}

std::optional<TracedPoint> Scheduled(std::optional<TracedPoint> point)
{
    if (point) {
        point->scheduled = true;
    }
    return point;
}

std::vector<double> ScheduleInstants(const TraceSchedule& schedule)
{
    std::vector<double> instants{schedule.begin};
    double k = std::floor((schedule.begin - schedule.phase) / schedule.step) + 1.0;
    for (double hours = schedule.phase + k * schedule.step; hours < schedule.end; hours = schedule.phase + (++k) * schedule.step) {
        if (hours > schedule.begin) {
            instants.push_back(hours);
        }
    }
    instants.push_back(schedule.end);
    return instants;
}

// Whether the samples around a segment show it straight and short enough
// without looking at its middle: each sample lies on the great circle
// through its neighbours (a bend between samples shows there at four times
// the size it has in the middle of one segment).
bool StraightBetween(const std::vector<TracedPoint>& samples, std::size_t end)
{
    if (end < 2 || end + 1 >= samples.size()) {
        return false;
    }
    for (std::size_t middle = end - 1; middle <= end; ++middle) {
        if (NeedsMiddleVertex(samples[middle - 1], samples[middle], samples[middle + 1])) {
            return false;
        }
    }
    return true;
}

// The vertices of one run: regular samples with the exact ends, refined.
TracedCurve RefinedRun(const CurveBranch& branch, const std::vector<TracedPoint>& samples)
{
    TracedCurve curve{samples.front()};
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (StraightBetween(samples, i)) {
            curve.push_back(samples[i]);
        } else {
            AppendRefined(branch, samples[i - 1], samples[i], kRefinementDepth, curve);
        }
    }
    return curve;
}

} // namespace

double AngleBetween(const TracedPoint& a, const TracedPoint& b)
{
    const Vector3 u = UnitVector(a);
    const Vector3 v = UnitVector(b);
    return std::atan2(Length(Cross(u, v)), Dot(u, v));
}

std::vector<TracedCurve> TraceBranch(const CurveBranch& branch, const TraceSchedule& schedule)
{
    const auto exists = [&branch](double hours) { return branch(hours).has_value(); };
    std::vector<TracedCurve> runs;
    std::vector<TracedPoint> samples;
    double previousHours = schedule.begin;
    bool previousExists = false;
    for (const double hours : ScheduleInstants(schedule)) {
        const std::optional<TracedPoint> point = Scheduled(branch(hours));
        if (point && !previousExists && hours > schedule.begin) {
            const std::optional<TracedPoint> start =
                Scheduled(branch(FindBoundary(exists, previousHours, hours, kBoundaryToleranceHours)));
            samples.push_back(start.value_or(*point));
        }
        if (!point && previousExists) {
            const std::optional<TracedPoint> end =
                Scheduled(branch(FindBoundary(exists, hours, previousHours, kBoundaryToleranceHours)));
            if (end && end->hours > samples.back().hours) {
                samples.push_back(*end);
            }
            runs.push_back(RefinedRun(branch, samples));
            samples.clear();
        }
        if (point && (samples.empty() || hours > samples.back().hours)) {
            samples.push_back(*point);
        }
        previousHours = hours;
        previousExists = point.has_value();
    }
    if (!samples.empty()) {
        runs.push_back(RefinedRun(branch, samples));
    }
    return runs;
}

namespace {

// Second put after first when one of its ends meets first's end, or before
// first when it meets first's start.
bool JoinInto(TracedCurve& first, TracedCurve second, double toleranceRadians)
{
    const auto near = [toleranceRadians](const TracedPoint& a, const TracedPoint& b) {
        return AngleBetween(a, b) <= toleranceRadians;
    };
    if (near(first.back(), second.back()) || near(first.front(), second.front())) {
        std::reverse(second.begin(), second.end());
    }
    if (near(first.back(), second.front())) {
        first.insert(first.end(), second.begin() + 1, second.end());
        return true;
    }
    if (near(first.front(), second.back())) {
        second.insert(second.end(), first.begin() + 1, first.end());
        first = std::move(second);
        return true;
    }
    return false;
}

} // namespace

std::vector<TracedCurve> JoinCurves(std::vector<TracedCurve> curves, double toleranceRadians)
{
    std::erase_if(curves, [](const TracedCurve& curve) { return curve.empty(); });
    bool joined = true;
    while (joined) {
        joined = false;
        for (std::size_t i = 0; i < curves.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < curves.size() && !joined; ++j) {
                if (JoinInto(curves[i], curves[j], toleranceRadians)) {
                    curves.erase(curves.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
            }
        }
    }
    for (TracedCurve& curve : curves) {
        if (curve.size() > 2 && AngleBetween(curve.front(), curve.back()) <= toleranceRadians) {
            curve.back() = curve.front();
        }
    }
    return curves;
}
