#include "eclipse/search/EclipseSearch.h"

#include "core/Calendar.h"
#include "core/Cancellation.h"
#include "core/DeltaT.h"
#include "core/Units.h"
#include "eclipse/BesselianElements.h"
#include "eclipse/PolynomialFit.h"
#include "eclipse/search/EclipseCircumstances.h"
#include "eclipse/search/NewMoonPredictor.h"
#include "eclipse/search/Saros.h"
#include "ephemeris/Ephemeris.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// The full ephemeris is sampled 22.5 minutes before and after the predicted
// greatest eclipse: the line through the two keeps x and y within 5e-6
// Earth radii of the elements near greatest eclipse (their second
// derivatives are some 3e-5 an hour squared, the third 5e-5) and within some
// 3e-4 at the ends of the central line, two hours away. When the type hangs
// on less than that, a third sample at the predicted instant makes the
// elements quadratics, good to 1.2e-4 at the ends of the line.
constexpr double kHalfSampleSpanHours = 0.375;
constexpr double kLinearTypeMargin = 5e-4;  // Earth radii
// A prediction farther than this from greatest eclipse is sampled again
// about greatest eclipse.
constexpr double kRecentreHours = 0.25;
// Below this many candidates a thread more costs more than it saves.
constexpr std::size_t kCandidatesPerThread = 8;

// The search covers the years -1999 to +3000 of the canons, with a year's
// margin for Delta T.
double EarliestJulianDate()
{
    return JulianDateAtMidnight(kFirstSearchYear - 1, 1, 1);
}

double LatestJulianDate()
{
    return JulianDateAtMidnight(kLastSearchYear + 2, 1, 1);
}

void CheckRange(const Instant& from, const Instant& to)
{
    if (!(from.JulianDate() >= EarliestJulianDate() && to.JulianDate() <= LatestJulianDate())) {
        throw std::out_of_range("eclipse search: instants outside the years -1999 to 3000");
    }
    if (to < from) {
        throw std::invalid_argument("eclipse search: the range ends before it begins");
    }
}

// The elements as polynomials in hours from t0 through samples at the given
// hours from it (at most three, mu unwrapped against the first).
FittedElements ElementsThrough(const Instant& t0, const std::vector<double>& hours, const std::vector<BesselianElements>& samples)
{
    const auto fit = [&](double BesselianElements::*field) {
        std::vector<double> values;
        for (const BesselianElements& sample : samples) {
            values.push_back(sample.*field);
        }
        return FitPolynomial(hours, values, samples.size() - 1);
    };
    FittedElements elements;
    elements.t0 = t0;
    elements.deltaT = samples.front().deltaT;
    elements.x = fit(&BesselianElements::x);
    elements.y = fit(&BesselianElements::y);
    elements.d = fit(&BesselianElements::d);
    elements.l1 = fit(&BesselianElements::l1);
    elements.l2 = fit(&BesselianElements::l2);
    // mu grows 22.5 degrees between samples: unwrapped against the first.
    std::vector<double> mu;
    for (const BesselianElements& sample : samples) {
        mu.push_back(samples.front().mu + std::remainder(sample.mu - samples.front().mu, kTwoPi));
    }
    elements.mu = FitPolynomial(hours, mu, samples.size() - 1);
    elements.tanF1 = samples.front().tanF1;
    elements.tanF2 = samples.front().tanF2;
    elements.validFrom = *std::min_element(hours.begin(), hours.end());
    elements.validTo = *std::max_element(hours.begin(), hours.end());
    return elements;
}

// Samples of the full ephemeris about one instant, added as they are needed.
class ElementSamples {
public:
    // Two samples, either side of the centre.
    ElementSamples(const Ephemeris& ephemeris, const Instant& centre) : m_ephemeris(&ephemeris), m_centre(centre)
    {
        Add(-kHalfSampleSpanHours);
        Add(kHalfSampleSpanHours);
    }

    void Add(double hours)
    {
        m_hours.push_back(hours);
        m_samples.push_back(ElementsAt(*m_ephemeris, m_centre.PlusSeconds(hours * kSecondsPerHour)));
    }

    FittedElements Elements() const { return ElementsThrough(m_centre, m_hours, m_samples); }

private:
    const Ephemeris* m_ephemeris;
    Instant m_centre;
    std::vector<double> m_hours;
    std::vector<BesselianElements> m_samples;
};

// The eclipse of one lunation, if there is one.
std::optional<EclipseSummary> EclipseOfLunation(const Ephemeris& ephemeris, const PredictedNewMoon& newMoon)
{
    ElementSamples samples(ephemeris, Instant::FromJulianDate(newMoon.julianDate));
    FittedElements elements = samples.Elements();
    double greatest = LeastAxisDistanceHours(elements.x, elements.y, 0.0);
    if (std::abs(greatest) > kRecentreHours) {
        samples = ElementSamples(ephemeris, elements.InstantOf(greatest));
        elements = samples.Elements();
        greatest = LeastAxisDistanceHours(elements.x, elements.y, 0.0);
    }
    std::optional<EclipseAtGreatest> eclipse = CircumstancesAtGreatestEclipse(elements, greatest);
    if (eclipse && eclipse->typeMargin < kLinearTypeMargin) {
        samples.Add(0.0);
        elements = samples.Elements();
        greatest = LeastAxisDistanceHours(elements.x, elements.y, greatest);
        eclipse = CircumstancesAtGreatestEclipse(elements, greatest);
    }
    if (!eclipse) {
        return std::nullopt;
    }
    EclipseSummary summary = eclipse->summary;
    summary.saros = SarosSeries(newMoon.lunation);
    summary.deltaT = DeltaTAt(summary.greatest, ephemeris.DeltaT());
    summary.deltaTSigma = DeltaTSigmaAt(summary.greatest, ephemeris.DeltaT());
    return summary;
}

// The new moons of the range that the mean elements leave possible.
std::vector<PredictedNewMoon> Candidates(const Instant& from, const Instant& to)
{
    std::vector<PredictedNewMoon> candidates;
    for (int k = LunationNearest(from.JulianDate()) - 1; k <= LunationNearest(to.JulianDate()) + 1; ++k) {
        const PredictedNewMoon newMoon = PredictNewMoon(k);
        if (MayBeSolarEclipse(newMoon)) {
            candidates.push_back(newMoon);
        }
    }
    return candidates;
}

// Every candidate refined, spread over the pool.
std::vector<std::optional<EclipseSummary>> Refine(const Ephemeris& ephemeris, const std::vector<PredictedNewMoon>& candidates,
                                                  const std::stop_token& stop, WorkerPool& pool)
{
    std::vector<std::optional<EclipseSummary>> results(candidates.size());
    pool.ForEachIndex(
        candidates.size(),
        [&](std::size_t i) {
            ThrowIfStopRequested(stop);
            results[i] = EclipseOfLunation(ephemeris, candidates[i]);
        },
        kCandidatesPerThread);
    return results;
}

} // namespace

std::vector<EclipseSummary> FindEclipses(const Ephemeris& ephemeris, const Instant& from, const Instant& to,
                                         const std::stop_token& stop, WorkerPool& pool)
{
    CheckRange(from, to);
    std::vector<EclipseSummary> eclipses;
    for (const std::optional<EclipseSummary>& eclipse : Refine(ephemeris, Candidates(from, to), stop, pool)) {
        if (eclipse && !(eclipse->greatest < from) && eclipse->greatest < to) {
            eclipses.push_back(*eclipse);
        }
    }
    std::sort(eclipses.begin(), eclipses.end(),
              [](const EclipseSummary& a, const EclipseSummary& b) { return a.greatest < b.greatest; });
    return eclipses;
}

UniversalDay UniversalDayOf(const Ephemeris& ephemeris, const CivilDate& date)
{
    const double midnight = JulianDateAtMidnight(date.year, date.month, date.day);
    return {InstantFromUniversal(UniversalDate{midnight, 0.0}, ephemeris.DeltaT()),
            InstantFromUniversal(UniversalDate{midnight + 1.0, 0.0}, ephemeris.DeltaT())};
}

std::optional<EclipseSummary> FindEclipseOnUniversalDate(const Ephemeris& ephemeris, int year, int month, int day)
{
    const UniversalDay universalDay = UniversalDayOf(ephemeris, CivilDate{year, month, day});
    const std::vector<EclipseSummary> eclipses = FindEclipses(ephemeris, universalDay.from, universalDay.to);
    if (eclipses.empty()) {
        return std::nullopt;
    }
    return eclipses.front();
}
