#include "places/TimeZone.h"

#include "core/Units.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>

namespace {

constexpr std::string_view kDefaultZoneDirectory = "/usr/share/zoneinfo";
constexpr std::size_t kLongestZoneName = 128;

bool IsZoneNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '+' || c == '/';
}

// Relative names of files under the zone directory, nothing that climbs out.
bool IsWellFormedZoneName(std::string_view name)
{
    if (name.empty() || name.size() > kLongestZoneName || name.front() == '/' || name.back() == '/' ||
        name.find("//") != std::string_view::npos) {
        return false;
    }
    for (const char c : name) {
        if (!IsZoneNameCharacter(c)) {
            return false;
        }
    }
    return name.find("..") == std::string_view::npos && !name.starts_with("right/");
}

std::string ZoneDirectory()
{
    const char* directory = std::getenv("TZDIR");
    return directory != nullptr && directory[0] == '/' ? directory : std::string(kDefaultZoneDirectory);
}

// Whether the file begins as the database's compiled zones do ("TZif").
bool IsZoneFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    char magic[4] = {};
    const bool zone = std::fread(magic, 1, sizeof magic, file) == sizeof magic && std::memcmp(magic, "TZif", 4) == 0;
    std::fclose(file);
    return zone;
}

// The C library's zone is the process's: one reader at a time, and the
// zone set only when it changes, since setting it reads its file again.
std::mutex& ZoneMutex()
{
    static std::mutex mutex;
    return mutex;
}

// Offsets change at most twice a year: a reading that holds half a day
// either side of a moment is kept for that day, so that the contacts of the
// towns of one zone cost one reading of its file, not one each.
constexpr std::int64_t kSteadySpanSeconds = 12 * 3600;

class CLibraryTimeZone final : public TimeZone {
public:
    explicit CLibraryTimeZone(std::string name) : m_name(std::move(name)) {}

    const std::string& Name() const override { return m_name; }

    ZoneOffset OffsetAt(std::int64_t posixSeconds) const override
    {
        const std::lock_guard lock(ZoneMutex());
        if (m_steadyFrom <= posixSeconds && posixSeconds <= m_steadyTo) {
            return m_steady;
        }
        const ZoneOffset offset = Read(posixSeconds);
        const ZoneOffset before = Read(posixSeconds - kSteadySpanSeconds);
        const ZoneOffset after = Read(posixSeconds + kSteadySpanSeconds);
        const bool steady = Same(before, offset) && Same(after, offset);
        m_steadyFrom = steady ? posixSeconds - kSteadySpanSeconds : posixSeconds;
        m_steadyTo = steady ? posixSeconds + kSteadySpanSeconds : posixSeconds;
        m_steady = offset;
        return offset;
    }

private:
    static bool Same(const ZoneOffset& a, const ZoneOffset& b)
    {
        return a.seconds == b.seconds && a.abbreviation == b.abbreviation;
    }

    // Under the lock: the C library's reading, its zone set first when it
    // was another's.
    ZoneOffset Read(std::int64_t posixSeconds) const
    {
        static std::string current;
        if (current != m_name) {
            setenv("TZ", (":" + m_name).c_str(), 1);
            tzset();
            current = m_name;
        }
        const std::time_t moment = static_cast<std::time_t>(posixSeconds);
        std::tm local{};
        if (localtime_r(&moment, &local) == nullptr) {
            return {};
        }
        return {static_cast<std::int32_t>(local.tm_gmtoff), local.tm_zone != nullptr ? local.tm_zone : ""};
    }

    std::string m_name;
    mutable std::int64_t m_steadyFrom = 1;
    mutable std::int64_t m_steadyTo = 0;
    mutable ZoneOffset m_steady;
};

} // namespace

std::int64_t PosixSecondsOf(const Instant& instant, double deltaT)
{
    const Instant universal = instant.PlusSeconds(-deltaT);
    const double days = (universal.WholeDays() - kJulianDatePosixEpoch) + universal.DayFraction();
    return static_cast<std::int64_t>(std::llround(days * kSecondsPerDay));
}

LocalTime LocalTimeOf(const Instant& instant, double deltaT, const TimeZone& zone)
{
    LocalTime local;
    local.offset = zone.OffsetAt(PosixSecondsOf(instant, deltaT));
    local.clock = instant.PlusSeconds(local.offset.seconds - deltaT);
    return local;
}

std::shared_ptr<const TimeZone> SystemTimeZone(std::string_view name)
{
    if (!IsWellFormedZoneName(name) || !IsZoneFile(ZoneDirectory() + "/" + std::string(name))) {
        return nullptr;
    }
    return std::make_shared<const CLibraryTimeZone>(std::string(name));
}

TimeZoneCache::TimeZoneCache(ZoneSource source) : m_source(std::move(source)) {}

const TimeZone* TimeZoneCache::Find(const std::string& name)
{
    if (name.empty()) {
        return nullptr;
    }
    const auto [entry, added] = m_zones.try_emplace(name);
    if (added) {
        entry->second = m_source(name);
    }
    return entry->second.get();
}
