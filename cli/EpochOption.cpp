#include "cli/EpochOption.h"

#include <charconv>
#include <cmath>
#include <limits>
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
    // The document keeps Delta T as a 32-bit float: a larger value has no float.
    if (std::abs(seconds) > std::numeric_limits<float>::max()) {
        throw UsageError{"Delta T \"" + text + "\" out of range (at most 3.4e38 seconds)"};
    }
    return seconds;
}
