#include "core/DeltaT.h"

#include "core/Units.h"

namespace {

constexpr double kClassicDeltaTOrigin = 2378496.5;
// Delta T changes by well under a second a day: two rounds settle UT to
// far below a microsecond.
constexpr int kUniversalTimeIterations = 3;

} // namespace

double ClassicDeltaTSeconds(double julianDate)
{
    const double t = (julianDate - kClassicDeltaTOrigin) / kDaysPerJulianCentury;
    return 27.26 * t * t - 44.3;
}

Instant InstantFromUniversal(const UniversalDate& ut, const IDeltaTModel& model)
{
    return Instant::FromJulianDate(ut.part1, ut.part2).PlusSeconds(model.SecondsAt(ut.JulianDate()));
}

Instant InstantFromUniversal(const CivilDateTime& ut, const IDeltaTModel& model)
{
    const double seconds = ut.hour * kSecondsPerHour + ut.minute * kSecondsPerMinute + ut.second;
    return InstantFromUniversal(UniversalDate{JulianDateAtMidnight(ut.year, ut.month, ut.day), seconds / kSecondsPerDay}, model);
}

double DeltaTAt(const Instant& instant, const IDeltaTModel& model)
{
    double deltaT = model.SecondsAt(instant.JulianDate());
    for (int i = 0; i < kUniversalTimeIterations; ++i) {
        deltaT = model.SecondsAt(instant.JulianDate() - deltaT / kSecondsPerDay);
    }
    return deltaT;
}

std::optional<double> DeltaTSigmaAt(const Instant& instant, const IDeltaTModel& model)
{
    return model.SigmaAt(instant.JulianDate() - DeltaTAt(instant, model) / kSecondsPerDay);
}

UniversalDate UniversalOf(const Instant& instant, const IDeltaTModel& model)
{
    const Instant ut = instant.PlusSeconds(-DeltaTAt(instant, model));
    return {ut.WholeDays(), ut.DayFraction()};
}

CivilDateTime UniversalCivilOf(const Instant& instant, const IDeltaTModel& model)
{
    const UniversalDate ut = UniversalOf(instant, model);
    return CivilFromJulianDate(ut.part1, ut.part2);
}
