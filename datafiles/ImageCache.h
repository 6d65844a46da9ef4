#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using DataImage = std::shared_ptr<const std::vector<std::uint8_t>>;

// The whole content of a fixed-size data file, kept in memory between uses.
// The file is read again when its size or modification time has changed, so
// that a file rewritten by a converter is used from the next computation on.
// Raises CFileException for a missing file or one shorter than expectedSize.
DataImage LoadCachedImage(const std::string& path, std::size_t expectedSize);

// Drops every kept image (tests, and to free memory).
void ClearImageCache();
