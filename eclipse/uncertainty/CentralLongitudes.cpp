#include "eclipse/uncertainty/CentralLongitudes.h"

#include "core/Units.h"
#include "eclipse/path/RootFinding.h"
#include "eclipse/plane/ClosestApproach.h"
#include "eclipse/plane/ObserverOnPlane.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int kSamples = 360;
constexpr double kStep = kTwoPi / kSamples;
// The margin at the maximum hardly depends on the instant (it is
// stationary there), so the samples settle the maximum loosely.
constexpr double kSampleToleranceHours = 1e-7;
// Radians of longitude: 6 mm on the equator.
constexpr double kLongitudeTolerance = 1e-9;
// How fast the margin can change along the parallel, Earth radii per radian:
// the place moves on the plane by at most rho cos(phi') <= 1 a radian, and
// the cones' radii by far less.
constexpr double kMarginSlope = 1.05;
constexpr int kMinimumIterations = 60;

// The place at one longitude, at the maximum of its eclipse.
struct Sample {
    double longitude = 0.0;  // radians
    bool found = false;
    double margin = std::numeric_limits<double>::infinity();  // distance - |L2|, Earth radii
    double altitude = -1.0;  // the Sun's, radians
    double hours = 0.0;

    bool Seen() const { return found && margin < 0.0 && altitude > 0.0; }
};

class Parallel {
public:
    Parallel(const FittedElements& elements, double latitude, double height)
        : m_elements(elements), m_place(GeocentricOf({0.0, latitude, height}))
    {
    }

    Sample At(double longitude, double startHours) const
    {
        GeocentricPlace place = m_place;
        place.longitude = longitude;
        Sample sample;
        sample.longitude = longitude;
        sample.hours = startHours;
        const std::optional<PlaceApproach> closest = ClosestApproachAt(m_elements, place, startHours, kSampleToleranceHours);
        if (!closest || closest->plane.hours < m_elements.validFrom || closest->plane.hours > m_elements.validTo) {
            return sample;
        }
        sample.found = true;
        sample.hours = closest->plane.hours;
        sample.margin = closest->Distance() - std::abs(closest->umbra);
        sample.altitude = SunSeenFrom(place, closest->plane).altitude;
        return sample;
    }

private:
    const FittedElements& m_elements;
    GeocentricPlace m_place;
};

// Every degree around the parallel from -180, each maximum started from its
// western neighbour's; the first sample is repeated a turn later to close it.
std::vector<Sample> SampleAround(const Parallel& parallel)
{
    std::vector<Sample> samples;
    samples.reserve(kSamples + 1);
    double start = 0.0;
    for (int k = 0; k < kSamples; ++k) {
        const Sample sample = parallel.At(-kPi + k * kStep, start);
        start = sample.found ? sample.hours : 0.0;
        samples.push_back(sample);
    }
    Sample closing = samples.front();
    closing.longitude += kTwoPi;
    samples.push_back(closing);
    return samples;
}

// A stretch narrower than the step shows as a least sampled margin that
// the slope allows to dip below zero: its least value is looked for within
// a step either side (golden section) and kept if it is seen there.
std::optional<Sample> HiddenDip(const Parallel& parallel, const Sample& before, const Sample& at, const Sample& after)
{
    if (!before.found || !at.found || !after.found || at.margin <= 0.0 || at.margin > kMarginSlope * kStep ||
        at.margin > before.margin || at.margin > after.margin) {
        return std::nullopt;
    }
    constexpr double kGolden = 0.6180339887498949;
    const auto margin = [&](double longitude) { return parallel.At(longitude, at.hours).margin; };
    double a = at.longitude - kStep;
    double b = at.longitude + kStep;
    double c = b - kGolden * (b - a);
    double d = a + kGolden * (b - a);
    double fc = margin(c);
    double fd = margin(d);
    for (int iteration = 0; iteration < kMinimumIterations && b - a > kLongitudeTolerance; ++iteration) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - kGolden * (b - a);
            fc = margin(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + kGolden * (b - a);
            fd = margin(d);
        }
    }
    Sample least = parallel.At(0.5 * (a + b), at.hours);
    if (!least.Seen()) {
        return std::nullopt;
    }
    if (least.longitude < -kPi) {
        least.longitude += kTwoPi;
    }
    return least;
}

// The samples with the hidden stretches' least points among them, in order
// of longitude, the closing sample last.
std::vector<Sample> WithHiddenDips(const Parallel& parallel, std::vector<Sample> samples)
{
    const std::size_t count = samples.size() - 1;
    std::vector<Sample> dips;
    for (std::size_t k = 0; k < count; ++k) {
        const Sample& before = samples[k == 0 ? count - 1 : k - 1];
        if (const std::optional<Sample> dip = HiddenDip(parallel, before, samples[k], samples[k + 1])) {
            dips.push_back(*dip);
        }
    }
    if (dips.empty()) {
        return samples;
    }
    const Sample closing = samples.back();
    samples.pop_back();
    samples.insert(samples.end(), dips.begin(), dips.end());
    std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.longitude < b.longitude; });
    samples.push_back(closing);
    return samples;
}

// Where between two samples, one seen and one not, the central phase
// begins to be seen: on the umbra's edge, on the horizon, or (where both or
// the maximum itself change) by bisection.
double Boundary(const Parallel& parallel, const Sample& a, const Sample& b)
{
    const double start = a.found ? a.hours : b.hours;
    const bool bothFound = a.found && b.found;
    if (bothFound && (a.altitude > 0.0) == (b.altitude > 0.0)) {
        return FindRoot([&](double longitude) { return parallel.At(longitude, start).margin; }, a.longitude, a.margin,
                        b.longitude, b.margin, kLongitudeTolerance);
    }
    if (bothFound && a.margin < 0.0 && b.margin < 0.0) {
        return FindRoot([&](double longitude) { return parallel.At(longitude, start).altitude; }, a.longitude,
                        a.altitude, b.longitude, b.altitude, kLongitudeTolerance);
    }
    const Sample& seen = a.Seen() ? a : b;
    const Sample& unseen = a.Seen() ? b : a;
    return FindBoundary([&](double longitude) { return parallel.At(longitude, start).Seen(); }, unseen.longitude,
                        seen.longitude, kLongitudeTolerance);
}

double NormalizedDegrees(double radians)
{
    const double degrees = std::remainder(radians * kRadiansToDegrees, 360.0);
    return degrees >= 180.0 ? degrees - 360.0 : degrees;
}

} // namespace

CentralLongitudes CentralLongitudesAt(const FittedElements& elements, double latitude, double height)
{
    const Parallel parallel(elements, latitude, height);
    const std::vector<Sample> samples = WithHiddenDips(parallel, SampleAround(parallel));
    // Where the seen stretches begin and end, in order from -180 eastward.
    std::vector<std::pair<double, bool>> changes;  // longitude (radians), entering
    for (std::size_t k = 0; k + 1 < samples.size(); ++k) {
        if (samples[k].Seen() != samples[k + 1].Seen()) {
            changes.emplace_back(Boundary(parallel, samples[k], samples[k + 1]), samples[k + 1].Seen());
        }
    }
    CentralLongitudes central;
    if (changes.empty()) {
        central.wholeParallel = samples.front().Seen();
        return central;
    }
    // Seen at -180: the last stretch runs on past +180 into the first.
    const bool wrapped = samples.front().Seen();
    const std::size_t first = wrapped ? 1 : 0;
    for (std::size_t i = first; i + 1 < changes.size() + first; i += 2) {
        const double west = changes[i].first;
        const double east = i + 1 < changes.size() ? changes[i + 1].first : changes.front().first + kTwoPi;
        const double westDegrees = NormalizedDegrees(west);
        central.intervals.push_back({westDegrees, westDegrees + (east - west) * kRadiansToDegrees});
    }
    std::sort(central.intervals.begin(), central.intervals.end(),
              [](const LongitudeInterval& a, const LongitudeInterval& b) { return a.west < b.west; });
    return central;
}
