#include "eclipse/search/EclipseOfDate.h"

#include "core/DeltaT.h"
#include "ephemeris/Ephemeris.h"

#include <stdexcept>
#include <string>

namespace {

// Fitting one eclipse takes a couple of milliseconds; a few per hand-out
// keep the threads busy without making them wait for each other.
constexpr std::size_t kEclipsesPerThread = 8;

bool FallsOn(const Ephemeris& ephemeris, const Instant& greatest, const CivilDate& date)
{
    const UniversalDay day = UniversalDayOf(ephemeris, date);
    return !(greatest < day.from) && greatest < day.to;
}

CivilDate DateOf(const CivilDateTime& time)
{
    return {time.year, time.month, time.day};
}

// The date of Universal Time whose day, as UniversalDayOf bounds it, holds
// the instant: the civil date of its Universal Time, or the day beside it
// when the instant rounds across midnight. The days tile time, so one does.
CivilDate UniversalDateHolding(const Ephemeris& ephemeris, const Instant& instant)
{
    const CivilDate date = DateOf(UniversalCivilOf(instant, ephemeris.DeltaT()));
    const double midnight = JulianDateAtMidnight(date.year, date.month, date.day);
    for (const double day : {0.0, -1.0, 1.0}) {
        const CivilDate candidate = day == 0.0 ? date : DateOf(CivilFromJulianDate(midnight + day, 0.0));
        if (FallsOn(ephemeris, instant, candidate)) {
            return candidate;
        }
    }
    throw std::logic_error("an eclipse of Julian date " + std::to_string(instant.JulianDate()) +
                           " falls on no day of Universal Time");
}

} // namespace

std::optional<EclipseOfDate> ComputeEclipseOfDate(const Ephemeris& ephemeris, const CivilDate& date)
{
    const std::optional<EclipseSummary> summary = FindEclipseOnUniversalDate(ephemeris, date.year, date.month, date.day);
    if (!summary) {
        return std::nullopt;
    }
    return EclipseOfDate{date, *summary, FitElements(ephemeris, summary->greatest)};
}

std::vector<EclipseOfDate> ComputeEclipsesOfYears(const Ephemeris& ephemeris, int fromYear, int toYear, WorkerPool& pool)
{
    const Instant from = UniversalDayOf(ephemeris, CivilDate{fromYear, 1, 1}).from;
    const Instant to = UniversalDayOf(ephemeris, CivilDate{toYear, 12, 31}).to;
    // Each lunation is refined alone, so a summary found over the years is
    // the one found over its own day.
    const std::vector<EclipseSummary> summaries = FindEclipses(ephemeris, from, to, {}, pool);
    std::vector<EclipseOfDate> eclipses(summaries.size());
    pool.ForEachIndex(
        summaries.size(),
        [&](std::size_t i) {
            const EclipseSummary& summary = summaries[i];
            eclipses[i] = {UniversalDateHolding(ephemeris, summary.greatest), summary,
                           FitElements(ephemeris, summary.greatest)};
        },
        kEclipsesPerThread);
    return eclipses;
}
