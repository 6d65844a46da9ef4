#pragma once

#include "model/MapLayerChoice.h"

#include <string>

// What the document keeps beside its 193-byte ".umb" file, whose layout
// other readers rely on (and whose reserved words they carry unchanged): the
// observer's height, the offset of local time from UT and the map's layers.
// They are written to a companion text file beside the document (Dallas.umb,
// Dallas.umbx), one "key = value" line each; a document without one (written
// by an earlier version or another program) gets the defaults below.
struct CDocumentOptions {
    double m_observerHeight = 0.0;    // metres above the ellipsoid
    double m_timeOffsetHours = 0.0;   // local time = UT + this many hours
    MapLayerChoice m_layers;
    friend bool operator==(const CDocumentOptions&, const CDocumentOptions&) = default;
};

// The accepted heights (the Dead Sea shore to above the airliners that chase
// eclipses) and offsets (those of the world's time zones).
inline constexpr double kLowestObserverHeight = -500.0;
inline constexpr double kHighestObserverHeight = 20000.0;
inline constexpr double kLargestTimeOffsetHours = 14.0;

// The companion of a document: its path with "x" appended to a ".umb"
// extension, or ".umbx" appended to any other name.
std::string CompanionPath(const std::string& documentPath);

// The options of the document at documentPath, from its companion; the
// defaults when there is none. A companion that cannot be read, or whose
// line holds a value out of range or that is not a number, raises
// CFileException naming it (with the line); lines of unknown keys, blank
// lines and "#" comments are skipped, so that later versions can add keys.
CDocumentOptions LoadDocumentOptions(const std::string& documentPath);

// Writes the companion of documentPath, atomically. Raises CFileException.
void SaveDocumentOptions(const std::string& documentPath, const CDocumentOptions& options);
