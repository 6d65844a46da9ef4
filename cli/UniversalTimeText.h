#pragma once

#include "cli/ValueParsers.h"
#include "core/Instant.h"

#include <string>

// An instant of TT as ISO 8601 Universal Time, TT less deltaT seconds, to a
// tenth of a second: "2006-03-29T09:11:28.3Z" (years before 1 with a sign).
std::string IsoUniversalTime(const Instant& instant, double deltaT);

// "2006-03-29".
std::string DateText(const UniversalCalendarDate& date);
