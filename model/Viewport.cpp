#include "model/Viewport.h"

#include "model/Archive.h"

void CViewport::Serialize(CArchive& archive)
{
    archive.Exchange(m_flag);
    archive.Exchange(m_scale);
    archive.Exchange(m_originX);
    archive.Exchange(m_originY);
    archive.Exchange(m_reserved1);
    archive.Exchange(m_reserved2);
    archive.Exchange(m_height);
    archive.Exchange(m_width);
    archive.Exchange(m_reserved3);
}
