#include "datafiles/ImageCache.h"

#include "datafiles/FileIo.h"

#include "core/LargePages.h"

#include "datafiles/DataManifest.h"
#include "datafiles/FileException.h"

#include <map>
#include <mutex>
#include <new>
#include <optional>

#include <sys/stat.h>

namespace {

// What tells one version of a file from another without reading it. The size
// and the modification time alone miss a file replaced by a copy that keeps
// both (cp -p) or written twice within one tick of the clock: the inode
// changes with a replacement, the change time with every write, and both
// times are kept to the nanosecond.
struct FileVersion {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileVersion& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

std::optional<FileVersion> VersionOf(const std::string& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    return FileVersion{status.st_dev, status.st_ino, status.st_size, status.st_mtim, status.st_ctim};
}

struct CachedImage {
    FileVersion version;
    std::size_t expectedSize = 0;
    DataImage image;
};

std::mutex& CacheMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, CachedImage>& Cache()
{
    static std::map<std::string, CachedImage> cache;
    return cache;
}

// The file's first expectedSize bytes, or all of it.
DataImage ReadImage(const std::string& path, std::optional<std::size_t> expectedSize)
{
    CBinaryFile file(path);
    const std::size_t size = expectedSize.value_or(file.Size());
    auto image = std::make_shared<ImageBytes>(size);
    const std::size_t delivered = file.Read(image->data(), size);
    if (delivered != size) {
        throw CFileException(path, delivered, size);
    }
    CheckAgainstManifest(path, *image);
    return image;
}

} // namespace

ImageBytes::ImageBytes(std::size_t size) : m_size(size)
{
    if (size == 0) {
        return;
    }
    void* pages = size >= kLargePagesThreshold ? AllocateLargePages(size) : nullptr;
    if (pages != nullptr) {
        m_data = static_cast<std::uint8_t*>(pages);
        m_mapped = true;
    } else {
        m_data = new std::uint8_t[size];
    }
}

ImageBytes::~ImageBytes()
{
    if (m_mapped) {
        ReleaseLargePages(m_data, m_size);
    } else {
        delete[] m_data;
    }
}

DataImage LoadCachedImage(const std::string& path, std::size_t expectedSize)
{
    const std::optional<FileVersion> version = VersionOf(path);
    {
        const std::lock_guard<std::mutex> lock(CacheMutex());
        const auto found = Cache().find(path);
        if (found != Cache().end()) {
            if (version && found->second.version == *version && found->second.expectedSize == expectedSize) {
                return found->second.image;
            }
            Cache().erase(found);
        }
    }
    // Read without the lock, so that threads starting together (the map
    // files, the series) read their files side by side. A missing or short
    // file raises here.
    DataImage image = ReadImage(path, expectedSize);
    if (version) {
        const std::lock_guard<std::mutex> lock(CacheMutex());
        Cache()[path] = CachedImage{*version, expectedSize, image};
    }
    return image;
}

DataImage LoadWholeImage(const std::string& path)
{
    return ReadImage(path, std::nullopt);
}

void ClearImageCache()
{
    const std::lock_guard<std::mutex> lock(CacheMutex());
    Cache().clear();
}
