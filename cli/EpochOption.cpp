#include "cli/EpochOption.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// Reads YYYY-MM-DDTHH:MM[:SS[.ss]] left to right; every field must be
// there in full, and nothing may follow. A missing or short field marks the
// whole text malformed.
class DateScanner {
public:
    explicit DateScanner(std::string_view text) : m_text(text) {}

    // An unsigned number of minDigits to maxDigits digits.
    int Digits(std::size_t minDigits, std::size_t maxDigits)
    {
        std::size_t count = 0;
        while (m_position + count < m_text.size() && count < maxDigits && IsDigit(m_text[m_position + count])) {
            ++count;
        }
        if (count < minDigits) {
            m_malformed = true;
            return 0;
        }
        int value = 0;
        std::from_chars(m_text.data() + m_position, m_text.data() + m_position + count, value);
        m_position += count;
        return value;
    }

    // Seconds: two digits, then an optional fraction; the "C" notation
    // whatever the locale.
    double Seconds()
    {
        const std::size_t start = m_position;
        Digits(2, 2);
        if (m_malformed) {
            return 0.0;
        }
        if (Skip('.')) {
            while (m_position < m_text.size() && IsDigit(m_text[m_position])) {
                ++m_position;
            }
        }
        double value = 0.0;
        std::from_chars(m_text.data() + start, m_text.data() + m_position, value);
        return value;
    }

    bool Skip(char expected)
    {
        if (m_position < m_text.size() && m_text[m_position] == expected) {
            ++m_position;
            return true;
        }
        return false;
    }

    void Expect(char expected)
    {
        if (!Skip(expected)) {
            m_malformed = true;
        }
    }

    bool Malformed() const { return m_malformed || m_position != m_text.size(); }

private:
    static bool IsDigit(char character) { return character >= '0' && character <= '9'; }

    std::string_view m_text;
    std::size_t m_position = 0;
    bool m_malformed = false;
};

std::string YearRangeMessage(long long year)
{
    return "year " + std::to_string(year) + " outside " + std::to_string(kEarliestYear) + ".." + std::to_string(kLatestYear) +
           ", the years where the series and the Delta T models hold";
}

// Hours are 0-23 and seconds below 60; the calendar itself runs on (30
// February is 2 March), as in the epoch dialog.
void ApplyDate(const std::string& text, CObservation& observation)
{
    DateScanner scanner(text);
    const bool negativeYear = scanner.Skip('-');
    const int year = scanner.Digits(1, 6);
    scanner.Expect('-');
    const int month = scanner.Digits(2, 2);
    scanner.Expect('-');
    const int day = scanner.Digits(2, 2);
    scanner.Expect('T');
    const int hour = scanner.Digits(2, 2);
    scanner.Expect(':');
    const int minute = scanner.Digits(2, 2);
    const double second = scanner.Skip(':') ? scanner.Seconds() : 0.0;
    if (scanner.Malformed() || month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second >= 60.0) {
        throw UsageError{"malformed date \"" + text + "\" (expected YYYY-MM-DDTHH:MM:SS.ss, Universal Time)"};
    }
    if (const int signedYear = negativeYear ? -year : year; signedYear < kEarliestYear || signedYear > kLatestYear) {
        throw std::out_of_range(YearRangeMessage(signedYear));
    }
    observation.m_year = negativeYear ? -year : year;
    observation.m_month = month;
    observation.m_day = day;
    observation.m_hour = hour;
    observation.m_minute = minute;
    observation.m_second = static_cast<float>(second);
}

void ApplyDeltaT(const std::string& text, CObservation& observation)
{
    const std::optional<double> seconds = ParseDeltaT(text);
    observation.m_deltaTAuto = !seconds.has_value();
    if (seconds) {
        observation.m_deltaT = static_cast<float>(*seconds);
    }
}

} // namespace

CObservation TakeEpoch(OptionReader& options)
{
    CObservation observation;
    TakeEpoch(options, observation);
    return observation;
}

void TakeEpoch(OptionReader& options, CObservation& observation)
{
    std::string value;
    if (options.Take("--date", value)) {
        ApplyDate(value, observation);
    }
    if (options.Take("--delta-t", value)) {
        ApplyDeltaT(value, observation);
    }
}

std::optional<double> ParseDeltaT(const std::string& text)
{
    if (text == "auto") {
        return std::nullopt;
    }
    double seconds = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seconds);
    if (error != std::errc() || stop != end || !std::isfinite(seconds)) {
        throw UsageError{"malformed Delta T \"" + text + "\" (expected seconds or auto)"};
    }
    if (std::abs(seconds) > kLargestDeltaTSeconds) {
        throw std::out_of_range("Delta T \"" + text + "\" " + DeltaTRangeText());
    }
    return seconds;
}

std::optional<std::string> EpochOutOfRange(const CObservation& observation)
{
    if (observation.m_year < kEarliestYear || observation.m_year > kLatestYear) {
        return YearRangeMessage(observation.m_year);
    }
    if (!std::isfinite(observation.m_second)) {
        return "the seconds of the epoch are not a finite number";
    }
    const double deltaT = observation.m_deltaT;
    if (observation.m_deltaTAuto || std::abs(deltaT) <= kLargestDeltaTSeconds) {
        return std::nullopt;
    }
    if (!std::isfinite(deltaT)) {
        return "the given Delta T is not a finite number";
    }
    char text[64];
    std::snprintf(text, sizeof text, "%g", deltaT);
    return "Delta T " + std::string(text) + " s " + DeltaTRangeText();
}

CivilDateTime DisplayedTime(const CObservation& observation, int decimals)
{
    CivilDateTime shown{observation.m_year, observation.m_month, observation.m_day, observation.m_hour, observation.m_minute,
                        observation.m_second};
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*f", decimals, shown.second);
    // Only a regular time of day carries; a document's odd fields are shown as they are.
    if (std::string_view(printed) != "60" && !std::string_view(printed).starts_with("60.")) {
        return shown;
    }
    if (shown.minute < 0 || shown.minute > 59 || shown.hour < 0 || shown.hour > 23) {
        return shown;
    }
    shown.second = 0.0;
    if (++shown.minute < 60) {
        return shown;
    }
    shown.minute = 0;
    if (++shown.hour < 24) {
        return shown;
    }
    shown.hour = 0;
    const CivilDateTime nextDay = CivilFromJulianDate(JulianDateAtMidnight(shown.year, shown.month, shown.day) + 1.0, 0.0);
    shown.year = nextDay.year;
    shown.month = nextDay.month;
    shown.day = nextDay.day;
    return shown;
}
