#include "eclipse/uncertainty/CentralChance.h"

#include "core/Units.h"
#include "eclipse/plane/ClosestApproach.h"
#include "eclipse/plane/ObserverOnPlane.h"
#include "eclipse/uncertainty/CentralLongitudes.h"
#include "eclipse/uncertainty/DeltaTShift.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The normal distribution's mass below x sigma.
double NormalBelow(double x)
{
    return 0.5 * std::erfc(-x / std::numbers::sqrt2);
}

double MassOver(const DeltaTRange& offsets, double sigma)
{
    if (!(sigma > 0.0)) {
        return offsets.from <= 0.0 && 0.0 <= offsets.to ? 1.0 : 0.0;
    }
    return std::max(0.0, NormalBelow(offsets.to / sigma) - NormalBelow(offsets.from / sigma));
}

// The offsets of Delta T (seconds from the elements' own) that bring a
// stretch of the place's parallel onto the place, within half a turn.
std::vector<DeltaTRange> OffsetsOf(const CentralLongitudes& central, double longitude)
{
    const double half = 0.5 * DeltaTPerTurn();
    if (central.wholeParallel) {
        return {{-half, half}};
    }
    std::vector<DeltaTRange> offsets;
    for (const LongitudeInterval& interval : central.intervals) {
        // The place at longitude sees with Delta T + offset what the place
        // at longitude - shift(offset) sees with the elements' own.
        const double from = (longitude - interval.east) / kEarthRotationDegreesPerSecond;
        const double to = (longitude - interval.west) / kEarthRotationDegreesPerSecond;
        for (const double turns : {-1.0, 0.0, 1.0}) {
            const double a = std::max(-half, from + turns * DeltaTPerTurn());
            const double b = std::min(half, to + turns * DeltaTPerTurn());
            if (a < b) {
                offsets.push_back({a, b});
            }
        }
    }
    std::sort(offsets.begin(), offsets.end(), [](const DeltaTRange& a, const DeltaTRange& b) { return a.from < b.from; });
    return offsets;
}

LocalEclipseType CentralTypeAt(const FittedElements& elements, const GeographicPlace& place, double offset)
{
    const FittedElements shifted = WithAddedDeltaT(elements, offset);
    const std::optional<PlaceApproach> closest = ClosestApproachAt(shifted, GeocentricOf(place), 0.0);
    if (!closest) {
        return LocalEclipseType::None;
    }
    return closest->umbra < 0.0 ? LocalEclipseType::Total : LocalEclipseType::Annular;
}

std::optional<double> Spread(const std::optional<LocalContact>& early, const std::optional<LocalContact>& late,
                             double sigma)
{
    if (!early || !late) {
        return std::nullopt;
    }
    // Universal Time is TT less Delta T: the later Delta T is 2 sigma larger.
    return 0.5 * std::abs(late->time.SecondsSince(early->time) - 2.0 * sigma);
}

} // namespace

double DeltaTPerTurn()
{
    return 360.0 / kEarthRotationDegreesPerSecond;
}

CentralChance ChanceOfCentral(const FittedElements& elements, const GeographicPlace& place, double sigma)
{
    CentralChance chance;
    chance.sigma = sigma;
    const std::vector<DeltaTRange> offsets =
        OffsetsOf(CentralLongitudesAt(elements, place.latitude, place.height), place.longitude);
    double most = -1.0;
    std::optional<DeltaTRange> likeliest;
    for (const DeltaTRange& range : offsets) {
        const double mass = MassOver(range, sigma);
        chance.probability += mass;
        chance.ranges.push_back({elements.deltaT + range.from, elements.deltaT + range.to});
        if (mass > most) {
            most = mass;
            likeliest = range;
        }
    }
    chance.probability = std::clamp(chance.probability, 0.0, 1.0);
    if (likeliest) {
        chance.likeliest = DeltaTRange{elements.deltaT + likeliest->from, elements.deltaT + likeliest->to};
        chance.centralType = CentralTypeAt(elements, place, 0.5 * (likeliest->from + likeliest->to));
    }
    return chance;
}

ContactSigmas ContactTimeSigmas(const FittedElements& elements, const GeographicPlace& place, double sigma)
{
    const LocalCircumstances early = LocalCircumstancesAt(WithAddedDeltaT(elements, -sigma), place);
    const LocalCircumstances late = LocalCircumstancesAt(WithAddedDeltaT(elements, sigma), place);
    return {Spread(early.c1, late.c1, sigma), Spread(early.c2, late.c2, sigma), Spread(early.maximum, late.maximum, sigma),
            Spread(early.c3, late.c3, sigma), Spread(early.c4, late.c4, sigma)};
}

LocalUncertainty LocalUncertaintyAt(const FittedElements& elements, const GeographicPlace& place, double sigma)
{
    return {ChanceOfCentral(elements, place, sigma), ContactTimeSigmas(elements, place, sigma)};
}
