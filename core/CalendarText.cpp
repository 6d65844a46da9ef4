#include "core/CalendarText.h"

#include "core/Units.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// How far past the value shown a rounded time is moved, in that value's last decimal.
constexpr double kRoundingMargin = 0.1;

// Reads left to right; a missing or short field marks the text malformed.
class DateScanner {
public:
    explicit DateScanner(std::string_view text) : m_text(text) {}

    int Digits(std::size_t minimum, std::size_t maximum)
    {
        std::size_t count = 0;
        while (m_position + count < m_text.size() && count < maximum && IsDigit(m_text[m_position + count])) {
            ++count;
        }
        if (count < minimum) {
            m_malformed = true;
            return 0;
        }
        int value = 0;
        std::from_chars(m_text.data() + m_position, m_text.data() + m_position + count, value);
        m_position += count;
        return value;
    }

    // Two digits, then an optional fraction.
    double Seconds()
    {
        const std::size_t start = m_position;
        Digits(2, 2);
        if (!m_malformed && Skip('.')) {
            const std::size_t fraction = m_position;
            while (m_position < m_text.size() && IsDigit(m_text[m_position])) {
                ++m_position;
            }
            m_malformed = m_position == fraction;
        }
        double value = 0.0;
        if (!m_malformed) {
            std::from_chars(m_text.data() + start, m_text.data() + m_position, value);
        }
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

    void Expect(char expected) { m_malformed = m_malformed || !Skip(expected); }
    bool AtEnd() const { return m_position == m_text.size(); }
    bool Malformed() const { return m_malformed || !AtEnd(); }

private:
    static bool IsDigit(char character) { return character >= '0' && character <= '9'; }

    std::string_view m_text;
    std::size_t m_position = 0;
    bool m_malformed = false;
};

void ScanDate(DateScanner& scanner, CivilDateTime& value)
{
    const bool negative = scanner.Skip('-');
    const int year = scanner.Digits(1, 6);
    value.year = negative ? -year : year;
    scanner.Expect('-');
    value.month = scanner.Digits(2, 2);
    scanner.Expect('-');
    value.day = scanner.Digits(2, 2);
}

void ScanTime(DateScanner& scanner, CivilDateTime& value)
{
    value.hour = scanner.Digits(2, 2);
    scanner.Expect(':');
    value.minute = scanner.Digits(2, 2);
    value.second = scanner.Skip(':') ? scanner.Seconds() : 0.0;
    scanner.Skip('Z');
}

bool IsTimeOfDay(const CivilDateTime& value)
{
    return value.hour <= 23 && value.minute <= 59 && value.second < kSecondsPerMinute;
}

double SecondsOfDay(const CivilDateTime& civil)
{
    return civil.hour * kSecondsPerHour + civil.minute * kSecondsPerMinute + civil.second;
}

CivilDateTime CivilOf(const Instant& instant)
{
    return CivilFromJulianDate(instant.WholeDays(), instant.DayFraction());
}

// Digits with zeros in front up to width: the C library's "%0*d" and
// "%0*.*f" without their cost, on the thousands of times a path or a list of
// towns prints.
void AppendZeroPadded(std::string& text, const char* digits, const char* end, int width)
{
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    text.append(digits, static_cast<std::size_t>(end - digits));
}

// A value of at least zero.
void AppendPadded(std::string& text, long long value, int width)
{
    char digits[24];
    AppendZeroPadded(text, digits, std::to_chars(digits, digits + sizeof digits, value).ptr, width);
}

// Seconds below a minute: two digits before the point.
void AppendSeconds(std::string& text, double seconds, int decimals)
{
    // Beyond 17 decimals a double has no more digits to show.
    const int shown = std::clamp(decimals, 0, 17);
    char digits[32];
    const char* const end = std::to_chars(digits, digits + sizeof digits, seconds, std::chars_format::fixed, shown).ptr;
    AppendZeroPadded(text, digits, end, shown > 0 ? shown + 3 : 2);
}

void AppendYear(std::string& text, int year)
{
    if (year < 0) {
        text += '-';
    }
    AppendPadded(text, std::abs(static_cast<long long>(year)), 4);
}

void AppendIsoDate(std::string& text, int year, int month, int day)
{
    AppendYear(text, year);
    text += '-';
    AppendPadded(text, month, 2);
    text += '-';
    AppendPadded(text, day, 2);
}

void AppendTimeOfDay(std::string& text, const CivilDateTime& civil, int decimals)
{
    AppendPadded(text, civil.hour, 2);
    text += ':';
    AppendPadded(text, civil.minute, 2);
    text += ':';
    AppendSeconds(text, civil.second, decimals);
}

} // namespace

ParsedDateTime ParseIsoDateTime(std::string_view text)
{
    ParsedDateTime parsed;
    DateScanner scanner(text);
    ScanDate(scanner, parsed.value);
    parsed.hasTime = scanner.Skip('T');
    if (parsed.hasTime) {
        ScanTime(scanner, parsed.value);
    }
    if (scanner.Malformed()) {
        parsed.error = DateTextError::Malformed;
    } else if (InGregorianGap(parsed.value.year, parsed.value.month, parsed.value.day)) {
        parsed.error = DateTextError::GregorianGap;
    } else if (!IsCalendarDate(parsed.value.year, parsed.value.month, parsed.value.day) || !IsTimeOfDay(parsed.value)) {
        parsed.error = DateTextError::NoSuchDay;
    }
    return parsed;
}

std::string IsoDateText(int year, int month, int day)
{
    std::string text;
    AppendIsoDate(text, year, month, day);
    return text;
}

std::string IsoDateText(const CivilDate& date)
{
    return IsoDateText(date.year, date.month, date.day);
}

CivilDateTime RoundedCivilTime(const Instant& instant, int decimals)
{
    // Moved a little past the nearest value shown, so that the date follows
    // when the rounding reaches midnight and cutting the seconds off at the
    // last decimal gives that value.
    const double scale = std::pow(10.0, decimals);
    const double raw = SecondsOfDay(CivilOf(instant));
    const double shown = std::round(raw * scale) / scale;
    CivilDateTime civil = CivilOf(instant.PlusSeconds(shown - raw + kRoundingMargin / scale));
    const double units = std::floor(SecondsOfDay(civil) * scale);
    civil.hour = static_cast<int>(units / (scale * kSecondsPerHour));
    civil.minute = static_cast<int>(std::fmod(std::floor(units / (scale * kSecondsPerMinute)), kSecondsPerMinute));
    civil.second = std::fmod(units, scale * kSecondsPerMinute) / scale;
    return civil;
}

std::string IsoUniversalTime(const Instant& instant, double deltaT, int decimals)
{
    const CivilDateTime civil = RoundedCivilTime(instant.PlusSeconds(-deltaT), decimals);
    std::string text;
    text.reserve(32);
    AppendIsoDate(text, civil.year, civil.month, civil.day);
    text += 'T';
    AppendTimeOfDay(text, civil, decimals);
    text += 'Z';
    return text;
}

namespace {

// "-05:00", "+05:30", "-05:50:36".
std::string OffsetDigits(int offsetSeconds)
{
    const int magnitude = std::abs(offsetSeconds);
    const int seconds = magnitude % 60;
    char text[24];
    std::snprintf(text, sizeof text, "%c%02d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600, magnitude / 60 % 60);
    std::string digits = text;
    if (seconds != 0) {
        std::snprintf(text, sizeof text, ":%02d", seconds);
        digits += text;
    }
    return digits;
}

std::string TimeOfDayDigits(const CivilDateTime& civil, int decimals)
{
    std::string clock;
    AppendTimeOfDay(clock, civil, decimals);
    return clock;
}

} // namespace

std::string IsoLocalTime(const Instant& clock, int offsetSeconds, int decimals)
{
    const CivilDateTime civil = RoundedCivilTime(clock, decimals);
    return IsoDateText(civil.year, civil.month, civil.day) + "T" + TimeOfDayDigits(civil, decimals) +
           OffsetDigits(offsetSeconds);
}

std::string UtcOffsetText(int offsetSeconds)
{
    return "UTC" + OffsetDigits(offsetSeconds);
}

std::string ClockText(const Instant& instant, int decimals)
{
    return TimeOfDayDigits(RoundedCivilTime(instant, decimals), decimals);
}
