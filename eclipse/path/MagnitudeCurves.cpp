#include "eclipse/path/MagnitudeCurves.h"

#include "core/Cancellation.h"
#include "core/WorkerPool.h"
#include "eclipse/path/Antimeridian.h"
#include "eclipse/path/LimitLines.h"

#include <array>

namespace {

std::vector<GeoPoint> GeoPointsOf(const PathLine& line)
{
    std::vector<GeoPoint> points;
    points.reserve(line.size());
    for (const PathVertex& point : line) {
        points.push_back({point.latitude, point.longitude});
    }
    return points;
}

} // namespace

std::vector<MagnitudeCurve> TraceMagnitudeCurves(const FittedElements& elements, const std::vector<double>& levels,
                                                 const std::stop_token& stop)
{
    // Both sides of every level, side by side: each line stands on its own.
    constexpr std::array kSides = {PathSide::North, PathSide::South};
    std::vector<std::vector<PathLine>> traced(levels.size() * kSides.size());
    WorkerPool::Shared().ForEachIndex(traced.size(), [&](std::size_t index) {
        ThrowIfStopRequested(stop);
        const ShadowCircle circle = ShadowCircle::OfMagnitude(levels[index / kSides.size()]);
        traced[index] = TraceLimitLines(elements, circle, kSides[index % kSides.size()]);
    });
    std::vector<MagnitudeCurve> curves;
    for (std::size_t level = 0; level < levels.size(); ++level) {
        MagnitudeCurve curve{levels[level], {}};
        for (std::size_t side = 0; side < kSides.size(); ++side) {
            for (const PathLine& line : traced[level * kSides.size() + side]) {
                for (const PathLine& piece : SplitAtAntimeridian(line)) {
                    curve.lines.push_back(GeoPointsOf(piece));
                }
            }
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

const std::vector<double>& ShownMagnitudeLevels()
{
    static const std::vector<double> levels = {0.2, 0.4, 0.6, 0.8};
    return levels;
}
