#include "datafiles/DataManifest.h"

#include "datafiles/FileException.h"
#include "datafiles/FileIo.h"
#include "datafiles/ProgramDirectory.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <libdeflate.h>

namespace {

constexpr std::string_view kManifestHeader = "# Umbrant data images: name, size in bytes, CRC-32 (zlib)";

std::optional<ManifestEntry> ParseEntry(std::string_view line)
{
    const std::size_t nameEnd = line.find(' ');
    if (nameEnd == 0 || nameEnd == std::string_view::npos) {
        return std::nullopt;
    }
    ManifestEntry entry;
    entry.name = std::string(line.substr(0, nameEnd));
    const char* position = line.data() + nameEnd + 1;
    const char* const end = line.data() + line.size();
    const auto size = std::from_chars(position, end, entry.size);
    if (size.ec != std::errc() || size.ptr == end || *size.ptr != ' ') {
        return std::nullopt;
    }
    const auto checksum = std::from_chars(size.ptr + 1, end, entry.checksum, 16);
    if (checksum.ec != std::errc() || checksum.ptr != end || end - (size.ptr + 1) != 8) {
        return std::nullopt;
    }
    return entry;
}

void WriteManifest(const std::string& path, const std::vector<ManifestEntry>& entries)
{
    const std::string text = FormatManifest(entries);
    WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// The manifest with entry in place of the one of the same name.
void UpdateManifest(const std::string& path, const ManifestEntry& entry)
{
    std::vector<ManifestEntry> entries = ReadManifest(path);
    std::erase_if(entries, [&entry](const ManifestEntry& listed) { return listed.name == entry.name; });
    entries.push_back(entry);
    WriteManifest(path, entries);
}

// An exclusive lock on the directory while it is held; none where the
// directory cannot be opened (the writes then fail and say why).
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& directory)
        : m_descriptor(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_descriptor >= 0) {
            while (::flock(m_descriptor, LOCK_EX) != 0 && errno == EINTR) {
            }
        }
    }
    ~DirectoryLock()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int m_descriptor;
};

} // namespace

std::vector<ManifestEntry> ReadManifest(const std::string& path)
{
    try {
        const std::vector<std::uint8_t> text = ReadWholeFile(path);
        return ParseManifest(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), path);
    } catch (const CFileException& error) {
        if (error.Kind() == FileErrorKind::Open && error.ErrorNumber() == ENOENT) {
            return {};
        }
        throw;
    }
}

std::uint32_t ImageChecksum(std::span<const std::uint8_t> bytes)
{
    return ::libdeflate_crc32(0, bytes.data(), bytes.size());
}

std::vector<ManifestEntry> ParseManifest(std::string_view text, const std::string& fileName)
{
    std::vector<ManifestEntry> entries;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::size_t lineEnd = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, lineEnd);
        text.remove_prefix(std::min(lineEnd + 1, text.size()));
        if (line.empty() || line.front() == '#') {
            continue;
        }
        std::optional<ManifestEntry> entry = ParseEntry(line);
        if (!entry) {
            throw CFileException(fileName, "line " + std::to_string(lineNumber) +
                                               ": not an entry \"NAME SIZE CRC32\" (remove the manifest and convert "
                                               "the images again)");
        }
        std::erase_if(entries, [&entry](const ManifestEntry& listed) { return listed.name == entry->name; });
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::string FormatManifest(const std::vector<ManifestEntry>& entries)
{
    std::vector<ManifestEntry> sorted = entries;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    std::string text = std::string(kManifestHeader) + "\n";
    for (const ManifestEntry& entry : sorted) {
        char figures[48];
        std::snprintf(figures, sizeof figures, " %llu %08x\n", static_cast<unsigned long long>(entry.size), entry.checksum);
        text += entry.name + figures;
    }
    return text;
}

void WriteDataImage(const std::string& dataDirectory, const std::string& name, std::span<const std::uint8_t> bytes)
{
    const DirectoryLock lock(dataDirectory.empty() ? "." : dataDirectory);
    const std::string manifest = JoinPath(dataDirectory, kManifestName);
    // Read first, so that an unreadable manifest stops the conversion before
    // the image is replaced.
    ReadManifest(manifest);
    WriteFileAtomically(JoinPath(dataDirectory, name), bytes);
    UpdateManifest(manifest, ManifestEntry{name, bytes.size(), ImageChecksum(bytes)});
}

void CheckAgainstManifest(const std::string& path, std::span<const std::uint8_t> bytes)
{
    const std::filesystem::path image(path);
    const std::vector<ManifestEntry> entries = ReadManifest((image.parent_path() / kManifestName).string());
    const std::string name = image.filename().string();
    const auto listed = std::find_if(entries.begin(), entries.end(), [&name](const ManifestEntry& entry) { return entry.name == name; });
    if (listed == entries.end()) {
        return;
    }
    std::error_code error;
    const std::uint64_t fileSize = std::filesystem::file_size(image, error);
    if (error) {
        throw CFileException(path, FileErrorKind::Open, error.value());
    }
    if (listed->size != fileSize) {
        throw CFileException::Damaged(path, fileSize, listed->size);
    }
    if (bytes.size() == fileSize && ImageChecksum(bytes) != listed->checksum) {
        throw CFileException::Damaged(path, fileSize, listed->size);
    }
}
