#include "map/AnimationTimes.h"

#include "core/Calendar.h"
#include "core/CalendarText.h"
#include "core/Units.h"

#include <cmath>
#include <cstdio>

namespace {

// Frames of a span, counted in doubles so that a huge span does not overflow.
double FrameCountOf(double spanSeconds, double stepSeconds)
{
    // A step that falls on the end within a microsecond keeps it.
    return std::floor(spanSeconds / stepSeconds + 1e-9) + 1.0;
}

// Seconds of UT from 0 h of the instant's day.
double SecondsOfDay(const Instant& universal)
{
    const double fromMidnight = universal.DayFraction() - 0.5;
    return (fromMidnight < 0.0 ? fromMidnight + 1.0 : fromMidnight) * kSecondsPerDay;
}

// A contact's instant (TT) as UT.
Instant UniversalOf(const GlobalContact& contact, double deltaT)
{
    return contact.time.PlusSeconds(-deltaT);
}

} // namespace

Instant UniversalInstantOf(const CivilDateTime& universal)
{
    return Instant::FromJulianDate(JulianDateAtMidnight(universal.year, universal.month, universal.day),
                                   (universal.hour * 3600.0 + universal.minute * 60.0 + universal.second) / kSecondsPerDay);
}

std::optional<AnimationTimesError> CheckAnimationSpan(const Instant& fromUniversal, const Instant& toUniversal,
                                                      double stepSeconds)
{
    if (!std::isfinite(stepSeconds) || !(stepSeconds > 0.0)) {
        return AnimationTimesError::BadStep;
    }
    const double span = toUniversal.SecondsSince(fromUniversal);
    if (span < 0.0) {
        return AnimationTimesError::Reversed;
    }
    // Written so that a span or a count that is not a number is refused too.
    if (!(FrameCountOf(span, stepSeconds) <= kMostAnimationFrames)) {
        return AnimationTimesError::TooManyFrames;
    }
    return std::nullopt;
}

AnimationTimes AnimationSpan(const Instant& fromUniversal, const Instant& toUniversal, double stepSeconds)
{
    const double count = FrameCountOf(toUniversal.SecondsSince(fromUniversal), stepSeconds);
    return {fromUniversal, stepSeconds, static_cast<int>(count)};
}

namespace {

// The steps of the day just before P1 and just after P4.
std::pair<Instant, Instant> RoundedContacts(const EclipsePath& path, double stepSeconds)
{
    const Instant p1 = UniversalOf(*path.circumstances.p1, path.deltaT);
    const Instant p4 = UniversalOf(*path.circumstances.p4, path.deltaT);
    const double p1Seconds = SecondsOfDay(p1);
    const Instant midnight = p1.PlusSeconds(-p1Seconds);
    const Instant first = midnight.PlusSeconds(std::floor(p1Seconds / stepSeconds) * stepSeconds);
    const double steps = std::ceil(p4.SecondsSince(first) / stepSeconds - 1e-9);
    return {first, first.PlusSeconds(steps * stepSeconds)};
}

} // namespace

std::optional<AnimationTimesError> CheckEclipseSpan(const EclipsePath& path, double stepSeconds)
{
    if (!path.circumstances.p1 || !path.circumstances.p4) {
        return AnimationTimesError::NoContacts;
    }
    if (!std::isfinite(stepSeconds) || !(stepSeconds > 0.0)) {
        return AnimationTimesError::BadStep;
    }
    const auto [first, last] = RoundedContacts(path, stepSeconds);
    return CheckAnimationSpan(first, last, stepSeconds);
}

AnimationTimes EclipseSpan(const EclipsePath& path, double stepSeconds)
{
    const auto [first, last] = RoundedContacts(path, stepSeconds);
    return AnimationSpan(first, last, stepSeconds);
}

void SetEpochToFrame(CObservation& observation, const AnimationTimes& times, int frame)
{
    const CivilDateTime civil = RoundedCivilTime(times.UniversalAt(frame), 3);
    observation.m_year = civil.year;
    observation.m_month = civil.month;
    observation.m_day = civil.day;
    observation.m_hour = civil.hour;
    observation.m_minute = civil.minute;
    observation.m_second = static_cast<float>(civil.second);
}

std::string FrameInstantLabel(const AnimationTimes& times, int frame)
{
    const bool wholeSeconds = times.stepSeconds == std::floor(times.stepSeconds);
    const int decimals = wholeSeconds ? 0 : 1;
    const CivilDateTime civil = RoundedCivilTime(times.UniversalAt(frame), decimals);
    char time[32];
    std::snprintf(time, sizeof time, " %02d:%02d:%0*.*f UT", civil.hour, civil.minute, decimals == 0 ? 2 : 4, decimals,
                  civil.second);
    return IsoDateText(civil.year, civil.month, civil.day) + time;
}
