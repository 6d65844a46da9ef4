#pragma once

#include "core/Calendar.h"
#include "core/Instant.h"
#include "eclipse/path/PathTypes.h"
#include "model/Observation.h"

#include <optional>
#include <string>

// The most pictures an animation may have: at 30 a second, nearly an hour
// of video, far more than an eclipse needs at any sensible step.
inline constexpr int kMostAnimationFrames = 100000;

// The instants of an animation's pictures, in Universal Time: the first,
// then one every step.
struct AnimationTimes {
    Instant firstUniversal;    // an Instant on the UT scale
    double stepSeconds = 60.0;
    int count = 0;

    Instant UniversalAt(int frame) const { return firstUniversal.PlusSeconds(frame * stepSeconds); }
};

// A civil date and time of Universal Time as an Instant of that scale.
Instant UniversalInstantOf(const CivilDateTime& universal);

// Why a span of time makes no animation.
enum class AnimationTimesError {
    BadStep,         // not a finite number of seconds above 0
    Reversed,        // the end comes before the start
    TooManyFrames,   // more than kMostAnimationFrames
    NoContacts,      // the eclipse has no first or last contact of the penumbra
};

// The pictures from fromUniversal to toUniversal (both UT, included when the
// step falls on it), one every stepSeconds.
std::optional<AnimationTimesError> CheckAnimationSpan(const Instant& fromUniversal, const Instant& toUniversal,
                                                      double stepSeconds);
AnimationTimes AnimationSpan(const Instant& fromUniversal, const Instant& toUniversal, double stepSeconds);

// The pictures of an eclipse from its first to its last contact of the
// penumbra (P1 to P4), on whole multiples of the step from 0 h UT of P1's
// day, so that the clock shows round times: from the step before P1 to the
// step after P4.
std::optional<AnimationTimesError> CheckEclipseSpan(const EclipsePath& path, double stepSeconds);
AnimationTimes EclipseSpan(const EclipsePath& path, double stepSeconds);

// The observation's epoch set to the picture's instant, to the millisecond.
void SetEpochToFrame(CObservation& observation, const AnimationTimes& times, int frame);

// The picture's instant as it is written on it: "2024-04-08 18:17:00 UT",
// with a tenth of a second when the step is not whole seconds.
std::string FrameInstantLabel(const AnimationTimes& times, int frame);
