#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// The bytes of one data file, in memory of their own; the large ones on huge
// pages (core/LargePages.h), since touching fresh memory page by page costs
// more than reading the file itself.
class ImageBytes {
public:
    explicit ImageBytes(std::size_t size);
    ~ImageBytes();
    ImageBytes(const ImageBytes&) = delete;
    ImageBytes& operator=(const ImageBytes&) = delete;

    const std::uint8_t* data() const { return m_data; }
    std::uint8_t* data() { return m_data; }
    std::size_t size() const { return m_size; }
    const std::uint8_t* begin() const { return m_data; }
    const std::uint8_t* end() const { return m_data + m_size; }
    std::uint8_t operator[](std::size_t index) const { return m_data[index]; }
    operator std::span<const std::uint8_t>() const { return {m_data, m_size}; }

private:
    std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_mapped = false;
};

using DataImage = std::shared_ptr<const ImageBytes>;

// The whole content of a fixed-size data file, kept in memory between uses.
// The file is read again when it is another file or another version of it
// (its inode, size, modification or change time differ), so that a file
// rewritten by a converter is used from the next computation on.
// Raises CFileException for a missing file or one shorter than expectedSize;
// bytes after expectedSize are not read.
DataImage LoadCachedImage(const std::string& path, std::size_t expectedSize);

// A whole file of any size, checked against the manifest beside it
// (DataManifest.h) and not kept. Raises CFileException.
DataImage LoadWholeImage(const std::string& path);

// Drops every kept image (tests, and to free memory).
void ClearImageCache();
