#pragma once

#include <cstdint>
#include <vector>

class CArchive;

// A place on the Earth: degrees, east and north positive.
class CGeoPosition {
public:
    CGeoPosition() = default;
    CGeoPosition(double longitude, double latitude) : m_longitude(longitude), m_latitude(latitude) {}
    virtual ~CGeoPosition() = default;
    CGeoPosition(const CGeoPosition&) = default;
    CGeoPosition& operator=(const CGeoPosition&) = default;

    virtual void Serialize(CArchive& archive);

    double m_longitude = -2.2;
    double m_latitude = 49.5;
    std::int32_t m_flag = 1;
};

// The epoch of the map (civil date and time in Universal Time), the choice of
// Delta T, the observer's place and the map centre.
class CObservation {
public:
    CObservation() = default;
    virtual ~CObservation() = default;
    CObservation(const CObservation&) = default;
    CObservation& operator=(const CObservation&) = default;

    virtual void Serialize(CArchive& archive);

    std::int32_t m_day = 29;
    std::int32_t m_month = 3;
    std::int32_t m_year = 2006;       // astronomical numbering: year 0 exists
    std::int32_t m_hour = 8;          // Universal Time
    std::int32_t m_minute = 36;
    float m_second = 0.0f;
    bool m_deltaTAuto = true;         // true: Delta T from the epoch; false: m_deltaT
    float m_deltaT = 0.0f;            // seconds, TT minus UT, as given by the user
    double m_longitude = -2.2;        // observer, degrees east
    double m_latitude = 49.5;         // observer, degrees north
    std::uint32_t m_reserved1 = 0;
    std::uint32_t m_reserved2 = 0;
    std::uint32_t m_reserved3 = 0;
    CGeoPosition m_centre;            // the point about which the map is projected
    std::int32_t m_flag = 1;
};

// A value of an observation outside the range that the dialogs offer for it.
struct FieldOutOfRange {
    const char* field;  // "day", "month", "hour", "minute", "second", "centre longitude", "centre latitude"
    double value;
    double least;
    double most;        // the second: up to, not including, 60
};

// The document validates nothing and may hold any bits: the fields of its
// date and time (but the year and Delta T, whose ranges the front ends
// choose, and seconds that are not a finite number) and of its map centre
// that lie outside day 1 to 31, month 1 to 12, hour 0 to 23, minute 0 to 59,
// second 0 to 60, longitude -180 to 180 and latitude -90 to 90 degrees (not
// a finite number included), in this order.
std::vector<FieldOutOfRange> FieldsOutOfRange(const CObservation& observation);
