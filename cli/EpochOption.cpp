#include "cli/EpochOption.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Reads YYYY-MM-DDTHH:MM[:SS[.ss]] left to right; every field must be
// there in full, and nothing may follow.
class DateScanner {
public:
    explicit DateScanner(std::string_view text) : m_text(text) {}

    // An unsigned number of minDigits to maxDigits digits.
    std::optional<int> Digits(std::size_t minDigits, std::size_t maxDigits)
    {
        std::size_t count = 0;
        while (m_position + count < m_text.size() && count < maxDigits && IsDigit(m_text[m_position + count])) {
            ++count;
        }
        if (count < minDigits) {
            return std::nullopt;
        }
        int value = 0;
        std::from_chars(m_text.data() + m_position, m_text.data() + m_position + count, value);
        m_position += count;
        return value;
    }

    // Seconds: two digits, then an optional fraction; the "C" notation
    // whatever the locale.
    std::optional<double> Seconds()
    {
        const std::size_t start = m_position;
        if (!Digits(2, 2)) {
            return std::nullopt;
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

    bool AtEnd() const { return m_position == m_text.size(); }

private:
    static bool IsDigit(char character) { return character >= '0' && character <= '9'; }

    std::string_view m_text;
    std::size_t m_position = 0;
};

UsageError MalformedDate(const std::string& text)
{
    return UsageError{"malformed date \"" + text + "\" (expected YYYY-MM-DDTHH:MM:SS.ss, Universal Time)"};
}

// Hours are 0-23 and seconds below 60; the calendar itself runs on (30
// February is 2 March), as in the epoch dialog.
void ApplyDate(const std::string& text, CObservation& observation)
{
    DateScanner scanner(text);
    const bool negativeYear = scanner.Skip('-');
    const std::optional<int> year = scanner.Digits(1, 6);
    const std::optional<int> month = scanner.Skip('-') ? scanner.Digits(2, 2) : std::nullopt;
    const std::optional<int> day = scanner.Skip('-') ? scanner.Digits(2, 2) : std::nullopt;
    const std::optional<int> hour = scanner.Skip('T') ? scanner.Digits(2, 2) : std::nullopt;
    const std::optional<int> minute = scanner.Skip(':') ? scanner.Digits(2, 2) : std::nullopt;
    const std::optional<double> second = scanner.Skip(':') ? scanner.Seconds() : std::optional<double>(0.0);
    if (!year || !month || !day || !hour || !minute || !second || !scanner.AtEnd()) {
        throw MalformedDate(text);
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 || *second >= 60.0) {
        throw MalformedDate(text);
    }
    observation.m_year = negativeYear ? -*year : *year;
    observation.m_month = *month;
    observation.m_day = *day;
    observation.m_hour = *hour;
    observation.m_minute = *minute;
    observation.m_second = static_cast<float>(*second);
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
