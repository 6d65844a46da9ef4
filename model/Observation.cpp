#include "model/Observation.h"

#include "model/Archive.h"

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
