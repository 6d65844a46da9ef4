#pragma once

#include "model/Observation.h"
#include "model/Viewport.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

class CArchive;

// Everything one eclipse map needs: the document's data.
class CEclipseMap {
public:
    CEclipseMap() = default;
    virtual ~CEclipseMap() = default;
    CEclipseMap(const CEclipseMap&) = default;
    CEclipseMap& operator=(const CEclipseMap&) = default;

    virtual void Serialize(CArchive& archive);

    CObservation m_observation;
    CViewport m_viewport;             // the current map window
    CViewport m_viewport2;            // carried through files, otherwise unused
    CViewport m_previousViewport;     // copy of m_viewport before each zoom or translation
    std::int32_t m_flag = 1;
};

// Size of a ".umb" document file.
inline constexpr std::size_t kDocumentFileSize = 193;

// Reads a ".umb" file into map. A missing file, anything but a regular file
// (a FIFO is never waited on), or one shorter than 193 bytes ("100 bytes,
// expected 193") raises CFileException naming it and leaves map exactly as
// it was; bytes after the 193rd are ignored.
void LoadDocument(const std::string& path, CEclipseMap& map);

// The same from a document's bytes already in memory; fileName names them in
// errors.
void LoadDocument(std::span<const std::uint8_t> bytes, const std::string& fileName, CEclipseMap& map);

// Writes map as a 193-byte ".umb" file, through a temporary file renamed over
// path, so that a failed save keeps the previous file. Raises CFileException.
void SaveDocument(const std::string& path, const CEclipseMap& map);
