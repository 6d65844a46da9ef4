#include "eclipse/path/Antimeridian.h"

#include <cmath>

namespace {

constexpr double kHalfTurn = 180.0;
constexpr double kPoleLatitude = 90.0;
// Consecutive vertices further apart in longitude than this pass over a pole.
constexpr double kOverThePole = 170.0;

PathVertex Between(const PathVertex& a, const PathVertex& b, double fraction, double latitude, double longitude)
{
    return {latitude, longitude, a.time.PlusSeconds(fraction * b.time.SecondsSince(a.time))};
}

} // namespace

std::vector<PathLine> SplitAtAntimeridian(const PathLine& line)
{
    std::vector<PathLine> pieces;
    if (line.empty()) {
        return pieces;
    }
    pieces.push_back({line.front()});
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PathVertex& a = line[i - 1];
        const PathVertex& b = line[i];
        const double step = b.longitude - a.longitude;
        const double wrapped = std::remainder(step, 2.0 * kHalfTurn);
        if (std::abs(wrapped) > kOverThePole) {
            const double pole = std::copysign(kPoleLatitude, a.latitude + b.latitude);
            pieces.back().push_back(Between(a, b, 0.5, pole, a.longitude));
            pieces.back().push_back(Between(a, b, 0.5, pole, b.longitude));
        } else if (std::abs(step) > kHalfTurn) {
            // Eastward over +180 when the wrapped step is positive.
            const double edge = wrapped > 0.0 ? kHalfTurn : -kHalfTurn;
            const double fraction = (edge - a.longitude) / wrapped;
            const double latitude = a.latitude + fraction * (b.latitude - a.latitude);
            pieces.back().push_back(Between(a, b, fraction, latitude, edge));
            pieces.push_back({Between(a, b, fraction, latitude, -edge)});
        }
        pieces.back().push_back(b);
    }
    return pieces;
}
