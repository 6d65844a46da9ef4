#include "cli/EpochOption.h"

#include <charconv>
#include <cmath>
#include <regex>
#include <string>

namespace {

// Hours are 0-23 and seconds below 60; the calendar itself runs on (30
// February is 2 March), as in the epoch dialog.
const std::regex kDatePattern(R"((-?\d{1,6})-(\d{2})-(\d{2})T(\d{2}):(\d{2})(?::(\d{2}(?:\.\d*)?))?)");

// Both parse the whole text in the "C" notation, whatever the locale; the
// pattern has already checked the digits.
int ToInteger(const std::string& digits)
{
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

double ToReal(const std::string& digits)
{
    double value = 0.0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

void ApplyDate(const std::string& text, CObservation& observation)
{
    std::smatch match;
    if (!std::regex_match(text, match, kDatePattern)) {
        throw UsageError{"malformed date \"" + text + "\" (expected YYYY-MM-DDTHH:MM:SS.ss)"};
    }
    const int month = ToInteger(match[2]);
    const int day = ToInteger(match[3]);
    const int hour = ToInteger(match[4]);
    const int minute = ToInteger(match[5]);
    const double second = match[6].matched ? ToReal(match[6]) : 0.0;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second >= 60.0) {
        throw UsageError{"date out of range \"" + text + "\""};
    }
    observation.m_year = ToInteger(match[1]);
    observation.m_month = month;
    observation.m_day = day;
    observation.m_hour = hour;
    observation.m_minute = minute;
    observation.m_second = static_cast<float>(second);
}

void ApplyDeltaT(const std::string& text, CObservation& observation)
{
    if (text == "auto") {
        observation.m_deltaTAuto = true;
        return;
    }
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (error != std::errc() || stop != end || !std::isfinite(seconds)) {
        throw UsageError{"malformed Delta T \"" + text + "\" (expected seconds or auto)"};
    }
    observation.m_deltaTAuto = false;
    observation.m_deltaT = static_cast<float>(seconds);
}

} // namespace

CObservation TakeEpoch(OptionReader& options)
{
    CObservation observation;
    std::string value;
    if (options.Take("--date", value)) {
        ApplyDate(value, observation);
    }
    if (options.Take("--delta-t", value)) {
        ApplyDeltaT(value, observation);
    }
    return observation;
}
