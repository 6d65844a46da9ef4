#include "model/EclipseMap.h"

#include "model/Archive.h"
#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"

#include <algorithm>

void CEclipseMap::Serialize(CArchive& archive)
{
    archive.Exchange(m_flag);
    m_observation.Serialize(archive);
    m_viewport.Serialize(archive);
    m_viewport2.Serialize(archive);
    m_previousViewport.Serialize(archive);
}

void LoadDocument(const std::string& path, CEclipseMap& map)
{
    // Only the document's own bytes are read: a larger file is not loaded whole.
    std::vector<std::uint8_t> bytes(kDocumentFileSize);
    CBinaryFile file(path);
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    LoadDocument(bytes, path, map);
}

void LoadDocument(std::span<const std::uint8_t> bytes, const std::string& fileName, CEclipseMap& map)
{
    // Named by the document's own size, not by the field that ran short.
    if (bytes.size() < kDocumentFileSize) {
        throw CFileException(fileName, bytes.size(), kDocumentFileSize);
    }
    CArchive archive(bytes.first(std::min(bytes.size(), kDocumentFileSize)), fileName);
    CEclipseMap loaded = map;
    loaded.Serialize(archive);
    map = loaded;
}

void SaveDocument(const std::string& path, const CEclipseMap& map)
{
    CArchive archive;
    CEclipseMap copy = map;
    copy.Serialize(archive);
    WriteFileAtomically(path, archive.StoredBytes());
}
