#include "model/Observation.h"

#include "model/Archive.h"

#include <cmath>
#include <iterator>

void CGeoPosition::Serialize(CArchive& archive)
{
    archive.Exchange(m_flag);
    archive.Exchange(m_longitude);
    archive.Exchange(m_latitude);
}

void CObservation::Serialize(CArchive& archive)
{
    // The flag goes first although the member stands last: the file layout says so.
    archive.Exchange(m_flag);
    archive.Exchange(m_day);
    archive.Exchange(m_month);
    archive.Exchange(m_year);
    archive.Exchange(m_hour);
    archive.Exchange(m_minute);
    archive.Exchange(m_second);
    archive.Exchange(m_deltaTAuto);
    archive.Exchange(m_deltaT);
    archive.Exchange(m_longitude);
    archive.Exchange(m_latitude);
    archive.Exchange(m_reserved1);
    archive.Exchange(m_reserved2);
    archive.Exchange(m_reserved3);
    m_centre.Serialize(archive);
}

std::vector<FieldOutOfRange> FieldsOutOfRange(const CObservation& observation)
{
    const FieldOutOfRange ranges[] = {
        {"day", static_cast<double>(observation.m_day), 1.0, 31.0},
        {"month", static_cast<double>(observation.m_month), 1.0, 12.0},
        {"hour", static_cast<double>(observation.m_hour), 0.0, 23.0},
        {"minute", static_cast<double>(observation.m_minute), 0.0, 59.0},
        {"second", static_cast<double>(observation.m_second), 0.0, 60.0},
        {"centre longitude", observation.m_centre.m_longitude, -180.0, 180.0},
        {"centre latitude", observation.m_centre.m_latitude, -90.0, 90.0},
    };
    constexpr std::size_t kSecond = 4;
    std::vector<FieldOutOfRange> outside;
    for (std::size_t index = 0; index < std::size(ranges); ++index) {
        const FieldOutOfRange& range = ranges[index];
        if (index == kSecond && !std::isfinite(range.value)) {
            continue;
        }
        const bool belowTop = index == kSecond ? range.value < range.most : range.value <= range.most;
        if (!(range.value >= range.least && belowTop)) {
            outside.push_back(range);
        }
    }
    return outside;
}
