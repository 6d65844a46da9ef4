#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The record the conversions keep beside the data images, so that an image
// damaged since its conversion (flipped bits, a cut or foreign copy) is
// recognised when it is loaded instead of being computed with. A text file:
// a comment line, then one line per image, "NAME SIZE CRC32" (bytes; eight
// hexadecimal digits of zlib's CRC-32). An image it does not list, such as
// one of an older conversion, loads unchecked; a manifest that does not read
// as one is an error for every image beside it, never a reason to check
// none.
inline constexpr const char* kManifestName = "manifest.txt";

struct ManifestEntry {
    std::string name;
    std::uint64_t size = 0;
    std::uint32_t checksum = 0;

    friend bool operator==(const ManifestEntry&, const ManifestEntry&) = default;
};

// CRC-32 of bytes (zlib's, the ISO-HDLC polynomial), about 10 GB/s.
std::uint32_t ImageChecksum(std::span<const std::uint8_t> bytes);

// The entries of a manifest's text: blank lines and lines starting with "#"
// are skipped, of two entries for one name the last counts, and any other
// line raises CFileException naming fileName and the line.
std::vector<ManifestEntry> ParseManifest(std::string_view text, const std::string& fileName);
std::string FormatManifest(const std::vector<ManifestEntry>& entries);

// The entries of the manifest at path; none when there is no manifest. One
// that cannot be read or parsed raises CFileException naming it.
std::vector<ManifestEntry> ReadManifest(const std::string& path);

// Writes a conversion's image dataDirectory + name and records it in the
// manifest. The previous entry stays until the new image has replaced the
// old one: a conversion that fails keeps both the old image and its entry,
// and one cut short between the two writes leaves an image that its entry
// reports as damaged (convert it again), never one that loads unchecked.
// Conversions into one directory take turns. Raises CFileException.
void WriteDataImage(const std::string& dataDirectory, const std::string& name, std::span<const std::uint8_t> bytes);

// Raises CFileException::Damaged when the manifest beside path lists its file
// with another size than the file has, or bytes (the file's first bytes, all
// of them when they are as many as the file's) with another checksum.
// Nothing happens for a file the manifest does not list, or without a
// manifest.
void CheckAgainstManifest(const std::string& path, std::span<const std::uint8_t> bytes);
